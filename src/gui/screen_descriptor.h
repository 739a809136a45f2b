// One screen's assets in one place: its .gui file, the object names its code asks that GUI for,
// and the pictures its set-up loads with the sizes its drawing relies on. The screen's set-up
// loads from it, and the data checks read the same descriptor, so a screen's lists are never
// copied anywhere else.
//
// A screen defines its descriptor beside its code and hands it to TGuiScreen:
//
//   const TScreenDescriptor kOptionsScreen = {
//       "Options",                                    // name in the state dump
//       "gfx/gui/options/#LANG#/options.gui",         // below AssetRoot; nullptr: no GUI
//       {"OK", "MENU", "HELP", "MAP"},                // objects the code clicks or switches
//       {{"panel", "gfx/gui/options/panel.png", kImageDefault, 0, 0}},
//   };
//
// and in its setup: `TGuiScreen::setup(); panel = Picture("panel");`.
#pragma once

#include <string>
#include <vector>

#include "media/graphics.h"

struct TScreenPicture {
  const char* key;   // the name the screen's code loads it by ("panel")
  const char* path;  // below AssetRoot; "#LANG#" stands for the language folder
  int flags = kImageDefault;
  int w = 0;  // the width the drawing relies on; 0: any
  int h = 0;  // the height the drawing relies on; 0: any
};

struct TScreenDescriptor {
  const char* name;                  // the screen's name in the state dump
  const char* gui = nullptr;         // the .gui file below AssetRoot ("#LANG#" allowed); null: none
  std::vector<std::string> objects;  // object names the screen's code asks its GUI for
  std::vector<TScreenPicture> pictures;

  // AssetRoot + gui with the language filled in; "" for a screen without a GUI.
  std::string GuiPath() const;
  // The picture entry of that key, or null.
  const TScreenPicture* FindPicture(const std::string& key) const;
};

// A picture path below AssetRoot with "#LANG#" replaced by the language code.
std::string ScreenAssetPath(const char* relative);
// Loads the descriptor's picture of that key (with its flags). An unknown key prints one line
// naming the screen and gives null, which every drawing call accepts.
TImage* LoadScreenPicture(const TScreenDescriptor& screen, const std::string& key);

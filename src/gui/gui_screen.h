// TGuiScreen: the base of every screen that runs a frame loop. It owns the one loop all screens
// share (clear, update, draw, present, the button reactions, the exit test), the screen's .gui
// file and its table of button names to actions, the caller drawn underneath a modal screen, and
// the panel state the sliding panels share (showPer, dShowPer, _updateShow, CountY).
//
// A top-level screen fades in from black and leaves by fading to black (exit: fade = dFade = 1).
// A modal screen draws its caller (`ekran`) first, frozen, then itself; it leaves when its
// content has faded out (alpha = dAlpha = 0) or, with kExitShow, when its panel has slid out
// (showPer = dShowPer = 0). A screen may accept more than one exit (exitWhen).
//
// A new modal screen, complete:
//
//   // my_panel.h
//   class TMyPanel : public TGuiScreen {
//    public:
//     TMyPanel() : TGuiScreen(kMyPanelScreen, kModal, kExitShow) {
//       OnClick("OK", &TMyPanel::goOk);
//     }
//     int setup() override {
//       TGuiScreen::setup();                  // the .gui file of the descriptor
//       panel = Picture("panel");
//       return 0;
//     }
//     virtual int mainloop(TEkran* caller) { return run(caller); }
//     virtual int goOk() { return leave(0); }  // wynik 0, the panel slides out
//     TImage* panel = nullptr;
//
//    protected:
//     TImage* panelImage() const override { return panel; }  // CountY's height
//     int _drawContent() override { DrawImageAt(panel, 512, 100 + CountY()); return 0; }
//   };
//
// with its descriptor (screen_descriptor.h) beside it. The default prepare starts the panel
// sliding in (or the content fading in); override prepare() for the screen's own start values and
// call TGuiScreen::prepare() first. Keys go in _reactKeys(), the screen's own per-frame steps in
// _updateContent(), its drawing in _drawContent(); the GUI, the caller underneath and the fade are
// drawn by the base.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gui/screen_base.h"
#include "gui/screen_descriptor.h"

struct TImage;

class TGuiScreen : public TEkran {
 public:
  enum Kind { kTopLevel, kModal };
  // Exit tests (exact equality: the approach rule lands exactly on its target).
  enum Exit : unsigned { kExitFade = 1, kExitAlpha = 2, kExitShow = 4 };

  // exitWhen 0 takes the kind's usual exit: the fade for top-level screens, the alpha for modal.
  TGuiScreen(const TScreenDescriptor& descriptor, Kind kind, unsigned exitWhen = 0);
  ~TGuiScreen() override;
  TGuiScreen(const TGuiScreen&) = delete;
  TGuiScreen& operator=(const TGuiScreen&) = delete;

  const char* screenName() const override { return descriptor_.name; }
  const TScreenDescriptor& descriptor() const { return descriptor_; }

  // The screen that opened this one, drawn underneath; null for a top-level screen.
  TEkran* ekran = nullptr;
  // The sliding panel: 0 out of view, 1 fully in view.
  float showPer = 0;
  float dShowPer = 0;

  // Loads the descriptor's .gui file (replacing a GUI loaded before).
  int setup() override;
  // UpdateCommon, the fade, the alpha, the GUI, the panel (with kExitShow), then _updateContent.
  int update() override;
  // The caller (modal), _drawContent, the GUI, and the fade when the screen can fade to black.
  int draw() override;
  // Moves showPer toward dShowPer by 0.05 per 1/60 s.
  virtual int _updateShow();
  // The panel's downward offset: H - H * sin(90 deg * showPer), H the panel picture's height.
  virtual float CountY();
  // The start values of each showing: wynik 0; top-level: black fading away; modal: content
  // fading in (and the panel sliding in with kExitShow); then _prepareDelta.
  virtual int prepare();

  // The screen's loop: prepare, then frames until an exit test holds; returns wynik. The caller
  // (null for a top-level screen) is drawn underneath and not updated meanwhile.
  int run(TEkran* caller);

  // The button table: names in the order they are tested, each with its action.
  struct TButton {
    std::string name;
    std::function<int()> go;
  };
  const std::vector<TButton>& buttons() const { return buttons_; }

 protected:
  // Adds a button to the table: a click on the GUI object of that name runs the action.
  void OnClick(const std::string& name, std::function<int()> go);
  template <class Screen>
  void OnClick(const std::string& name, int (Screen::*go)()) {
    OnClick(name, [this, go] { return (static_cast<Screen*>(this)->*go)(); });
  }

  // The picture of that key from the descriptor, loaded now.
  TImage* Picture(const std::string& key) const;
  // The picture CountY measures; null gives an offset of 0.
  virtual TImage* panelImage() const { return nullptr; }

  // Steps of the loop a screen fills in.
  virtual int _updateContent() { return 0; }
  virtual int _drawBack();
  virtual int _drawContent() { return 0; }
  // After the frame is presented: the button table, then _reactKeys.
  virtual int _react();
  virtual int _reactKeys() { return 0; }
  virtual bool _exitReached() const;
  // Runs once after the loop, before run returns wynik.
  virtual int _afterLoop() { return 0; }

  // The ways out. leave: wynik, then for a top-level screen the fade to black, for a modal one the
  // panel sliding out (kExitShow) or else the content fading out. leaveAtOnce: wynik, and the loop
  // ends after this frame without a visible fade.
  int leave(int result);
  int leaveAtOnce(int result);

  Kind kind_;
  unsigned exitWhen_;
  int cursor_ = 1;  // FlipFrame's argument: 0 hides the mouse cursor (splash, loading)

 private:
  const TScreenDescriptor& descriptor_;
  std::vector<TButton> buttons_;
};

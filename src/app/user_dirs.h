// The per-user data folder: "marrowquill/Kelvaroth" under the XDG data folder, with "Data" (the
// settings) and "Profiles" inside.
#pragma once

#include <functional>
#include <string>

// What the folder is worked out from; the real values come from the environment.
struct TUserDirEnvironment {
  bool xdgDataHomeSet = false;
  std::string xdgDataHome;
  bool homeSet = false;
  std::string home;
  std::function<std::string()> passwordHome;  // the home folder from the password database
};
TUserDirEnvironment CurrentUserDirEnvironment();

// The XDG data folder: $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share, else
// the password database's home + "/.local/share"; "" when none of them gives a folder.
std::string UserDataBase(const TUserDirEnvironment& env);

// --userdir: replaces the whole per-user folder ("" keeps the XDG rule).
extern std::string UserDirOverride;

// Creates the folders (with any missing parents, never world-writable) and sets UserDir.
// Failures print a line naming the folder; the game goes on and its saves then fail visibly.
int InitUserDirs();
// The platform's access grants: folders stay private to their user, so these only succeed.
bool OpenFolderToAll(const std::string& folder);
bool GrantFolderAccess(const std::string& folder, const std::string& sid);

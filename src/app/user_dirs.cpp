#include "app/user_dirs.h"

#include "app/globals.h"
#include "media/media.h"
#include "media/os_services.h"

std::string UserDirOverride;

TUserDirEnvironment CurrentUserDirEnvironment() {
  TUserDirEnvironment env;
  env.xdgDataHome = EnvironmentValue("XDG_DATA_HOME", &env.xdgDataHomeSet);
  env.home = EnvironmentValue("HOME", &env.homeSet);
  env.passwordHome = [] { return PasswordDatabaseHome(); };
  return env;
}

static bool IsAbsolute(const std::string& path) {
  return !path.empty() && path[0] == '/';
}

static std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string UserDataBase(const TUserDirEnvironment& env) {
  if (env.xdgDataHomeSet && IsAbsolute(env.xdgDataHome))
    return WithoutTrailingSlashes(env.xdgDataHome);
  std::string home;
  if (env.homeSet && IsAbsolute(env.home)) {
    home = env.home;
  } else if (env.passwordHome) {
    home = env.passwordHome();
    if (!IsAbsolute(home)) home.clear();
  }
  if (home.empty()) return "";
  home = WithoutTrailingSlashes(home);
  return (home == "/" ? "" : home) + "/.local/share";
}

bool GrantFolderAccess(const std::string& folder, const std::string& sid) {
  (void)folder;
  (void)sid;
  return true;
}

bool OpenFolderToAll(const std::string& folder) {
  return GrantFolderAccess(folder, "S-1-5-32-545") && GrantFolderAccess(folder, "S-1-1-0");
}

static void MakeFolderOrSay(const std::string& folder) {
  if (!MakeFolderTree(folder)) PrintLine("Cannot create the folder " + folder);
}

int InitUserDirs() {
  if (!UserDirOverride.empty()) {
    UserDir = WithoutTrailingSlashes(UserDirOverride);
  } else {
    std::string base = UserDataBase(CurrentUserDirEnvironment());
    if (base.empty())
      PrintLine(
          "No home folder found (XDG_DATA_HOME, HOME and the password database); "
          "settings and profiles cannot be saved");
    UserDir = base + "/marrowquill/" + GameName;
  }
  MakeFolderOrSay(UserDir);
  MakeFolderOrSay(UserDir + "/Data");
  OpenFolderToAll(UserDir + "/Data");
  MakeFolderOrSay(UserDir + "/Profiles");
  OpenFolderToAll(UserDir + "/Profiles");
  return 0;
}

#include "game/program.h"

#include <cstdio>
#include <vector>

#include "app/command_line.h"
#include "app/controller_state.h"
#include "app/frame_stats.h"
#include "app/globals.h"
#include "app/script.h"
#include "app/user_dirs.h"
#include "game/data_checks.h"
#include "game/game_parts.h"
#include "game/startup.h"
#include "media/media.h"
#include "media/os_services.h"
#include "screens/options.h"
#include "screens/single_level.h"

namespace {

std::string AbsoluteOrEmpty(const std::string& path) {
  return path.empty() ? path : AbsolutePath(path);
}

// The folder that holds game/: the program's own folder, or ../share/kelvaroth beside an
// installed program's bin/ folder.
std::string FindDataFolder() {
  std::string programFolder = ProgramFolder();
  if (PathKind(programFolder + "/game") == 2) return programFolder;
  std::string installed = programFolder + "/../share/kelvaroth";
  if (PathKind(installed + "/game") == 2) return installed;
  return programFolder;
}

}  // namespace

int KelvarothMain(int argc, char** argv) {
  std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  TCommandLine cl = ParseCommandLine(args);
  if (!cl.error.empty()) {
    std::fprintf(stderr, "kelvaroth: %s\nTry 'kelvaroth --help' for the options.\n",
                 cl.error.c_str());
    return 2;
  }
  if (cl.help) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }
  if (cl.version) {
    std::printf("Kelvaroth %s\n", KELVAROTH_VERSION);
    return 0;
  }

  // Paths given on the command line are meant from where the program was started.
  std::string launchFolder = CurrentFolder();
  std::string dataDir = AbsoluteOrEmpty(cl.dataDir);
  UserDirOverride = AbsoluteOrEmpty(cl.userDir);
  std::string statsFile = AbsoluteOrEmpty(cl.statsFile);

  std::vector<TScriptCommand> script;
  if (!cl.scriptFile.empty()) {
    std::string text;
    if (!ReadFileBytes(cl.scriptFile, text)) {
      std::fprintf(stderr, "kelvaroth: cannot read the script %s\n", cl.scriptFile.c_str());
      return 2;
    }
    std::string error;
    if (!ParseScript(text, script, error)) {
      std::fprintf(stderr, "kelvaroth: script %s %s\n", cl.scriptFile.c_str(), error.c_str());
      return 2;
    }
  }

  // The working folder is the one that holds game/; every relative path of the game starts there.
  std::string dataFolder = dataDir.empty() ? FindDataFolder() : dataDir;
  if (!ChangeFolder(dataFolder)) {
    std::fprintf(stderr, "kelvaroth: cannot enter the data folder %s\n", dataFolder.c_str());
    return 1;
  }

  // A level that cannot be played is reported before any window opens.
  TSingleLevel single;
  if (!cl.level.empty()) {
    single = SingleLevelFromArgument(cl.level, launchFolder);
    std::vector<std::string> problems = CheckSingleLevel(single, AssetRoot);
    if (!problems.empty()) {
      std::fprintf(stderr, "kelvaroth: cannot play the level %s: %s\n", cl.level.c_str(),
                   problems[0].c_str());
      for (size_t i = 1; i < problems.size() && i < 10; ++i)
        std::fprintf(stderr, "kelvaroth:   %s\n", problems[i].c_str());
      return 2;
    }
  }

  MediaConfig config;
  config.backend = BackendKind::Real;
  config.headless = cl.headless;
  config.virtualClock = cl.headless;
  config.noAudio = cl.noSound;
  if (cl.headless || cl.checkData) {
    // No display and no sound card needed; a later explicit choice in the environment stays.
    SetEnvironmentDefault("SDL_VIDEODRIVER", "offscreen");
    SetEnvironmentDefault("SDL_AUDIODRIVER", "dummy");
  }
  if (cl.checkData) config.noAudio = true;
  if (!InitMedia(config)) {
    if (!cl.checkData) {
      std::fprintf(stderr, "kelvaroth: cannot start the window and sound system\n");
      return 1;
    }
    config.backend = BackendKind::Null;
    InitMedia(config);
  }

  RegisterGameParts();
  if (cl.checkData) {
    GameName = "Kelvaroth";
    int problems = RunDataChecks();
    ShutdownMedia();
    return problems > 0 ? 1 : 0;
  }

  StartOptions.seedGiven = cl.seedGiven;
  StartOptions.seed = cl.seed;
  StartOptions.noSound = cl.noSound;
  ForcedFullscreen = cl.fullscreen >= 0 ? cl.fullscreen : (cl.headless ? 0 : -1);
  if (!statsFile.empty()) StartFrameStats(statsFile);
  if (!cl.scriptFile.empty()) StartScript(std::move(script), launchFolder);

  CreateStartupState();
  InitGame();
  if (!cl.level.empty()) where = StartSingleLevel(single);
  RunGame();
}

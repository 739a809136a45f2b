#include "app/command_line.h"

#include <cerrno>
#include <cstdlib>

TCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  TCommandLine cl;
  for (size_t i = 0; i < args.size() && cl.error.empty(); ++i) {
    const std::string& arg = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        cl.error = arg + " needs a value";
        return;
      }
      out = args[++i];
    };
    if (arg == "--help" || arg == "-h") {
      cl.help = true;
    } else if (arg == "--version") {
      cl.version = true;
    } else if (arg == "--datadir") {
      value(cl.dataDir);
    } else if (arg == "--userdir") {
      value(cl.userDir);
    } else if (arg == "--window") {
      cl.fullscreen = 0;
    } else if (arg == "--fullscreen") {
      cl.fullscreen = 1;
    } else if (arg == "--nosound") {
      cl.noSound = true;
    } else if (arg == "--seed") {
      std::string text;
      value(text);
      if (!cl.error.empty()) break;
      char* end = nullptr;
      errno = 0;
      long long seed = std::strtoll(text.c_str(), &end, 10);
      if (errno != 0 || end == text.c_str() || *end != '\0') {
        cl.error = "--seed needs a whole number, not \"" + text + "\"";
      } else {
        cl.seedGiven = true;
        cl.seed = seed;
      }
    } else if (arg == "--headless") {
      cl.headless = true;
    } else if (arg == "--script") {
      value(cl.scriptFile);
    } else if (arg == "--stats") {
      value(cl.statsFile);
    } else if (arg == "--level") {
      value(cl.level);
    } else if (arg == "--check-data") {
      cl.checkData = true;
    } else {
      cl.error = "unknown option " + arg;
    }
  }
  return cl;
}

std::string UsageText() {
  return "Usage: kelvaroth [options]\n"
         "  --help             show this text\n"
         "  --version          show the version\n"
         "  --datadir DIR      the folder that holds game/ (default: beside the program)\n"
         "  --userdir DIR      keep settings and profiles in DIR instead of\n"
         "                     $XDG_DATA_HOME/marrowquill/Kelvaroth\n"
         "  --window           play in a window this run\n"
         "  --fullscreen       play full screen this run\n"
         "  --nosound          no sound and no music\n"
         "  --seed N           seed the random generator with N instead of the clock\n"
         "  --headless         no window, no audio device, a clock that advances one frame per\n"
         "                     frame without waiting (for scripted runs)\n"
         "  --script FILE      play the commands of FILE (see README, \"Scripted runs\")\n"
         "  --stats FILE       at exit write frame count and CPU time per frame to FILE\n"
         "  --level N|FILE     play quest level N, or the level file FILE, straight after\n"
         "                     loading (see README, \"Playing a single level\")\n"
         "  --check-data       load every file of game/ the game reads, report problems,\n"
         "                     exit 1 when there are any\n";
}

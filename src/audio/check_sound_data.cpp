#include "audio/check_sound_data.h"

#include "media/media.h"
#include "textdata/asset_root.h"
#include "textdata/data_check_report.h"
#include "textdata/numbers.h"
#include "textdata/rcm_file.h"

namespace {

// Effects overlap in cascades and must stop quickly; a looping track shorter than this would
// be heard repeating.
constexpr double kLongestEffect = 2.0;
constexpr double kShortestLoop = 10.0;

std::string JoinGamePath(const std::string& gameDir, const std::string& rel) {
  if (gameDir.empty() || gameDir.back() == '/') return gameDir + rel;
  return gameDir + "/" + rel;
}

}  // namespace

int CheckSoundData(const std::string& gameDir, std::vector<std::string>& problems) {
  const size_t before = problems.size();
  const std::string catalogue = JoinGamePath(gameDir, "data/globalSnd.txt");
  if (PathKind(catalogue) != 1) return 0;  // reported by the data-file check
  auto file = LoadRCM(catalogue);
  const struct {
    const char* countKey;
    const char* prefix;
    bool music;
  } kinds[] = {{"globalSnd::musics", "globalSnd::music", true},
               {"globalSnd::sounds", "globalSnd::snd", false}};
  for (const auto& kind : kinds) {
    const int count = TruncToInt(file->getFloat(kind.countKey, 0, 0));
    for (int n = 1; n <= count && n <= 1000; ++n) {
      const std::string prefix = kind.prefix + std::to_string(n) + "::";
      const std::string url = file->getString(prefix + "url", 0);
      const std::string path = JoinGamePath(gameDir, url);
      if (url.empty() || PathKind(path) != 1) continue;  // reported by the data-file check
      const int loop = kind.music ? TruncToInt(file->getFloat(prefix + "loop", 0, 0)) : 0;
      TSound* sound = LoadSoundFile(path, loop != 0 ? 1 : 0);
      if (!sound) {
        problems.push_back(path + ": cannot be decoded as WAV or Ogg Vorbis");
        continue;
      }
      const double seconds = SoundLengthSeconds(sound);
      FreeSound(sound);
      const std::string id = file->getString(prefix + "id", 0);
      if (seconds <= 0.0) {
        problems.push_back(path + ": holds no samples (\"" + id + "\")");
      } else if (!kind.music && seconds > kLongestEffect) {
        problems.push_back(path + ": the effect \"" + id + "\" lasts " + std::to_string(seconds) +
                           " s (effects should stop within " + std::to_string(kLongestEffect) +
                           " s)");
      } else if (kind.music && loop != 0 && seconds < kShortestLoop) {
        problems.push_back(path + ": the looping music \"" + id + "\" lasts only " +
                           std::to_string(seconds) + " s");
      }
    }
  }
  return static_cast<int>(problems.size() - before);
}

void CheckSoundData(TDataCheckReport& report) {
  std::vector<std::string> problems;
  CheckSoundData(std::string(AssetRoot), problems);
  report.ProblemLines("", problems);
}

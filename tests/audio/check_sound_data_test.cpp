// The sound part of --check-data over a small game folder: sounds that do not decode, effects
// that run on and loops too short to loop are reported; good files and missing files are not
// (missing ones belong to the data-file check). The program's --check-data reports both.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include <sys/wait.h>

#include "audio/check_sound_data.h"
#include "ogg_writer.h"
#include "test_support.h"

namespace {

using testing_support::MediaScope;
using testing_support::ScratchDir;
using testing_support::WriteFile;

void WriteTone(const std::string& path, double seconds) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::vector<float> samples(static_cast<size_t>(seconds * 44100));
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<float>(0.3 * std::sin(2.0 * 3.14159265358979 * 440.0 * i / 44100.0));
  }
  std::string error;
  ASSERT_TRUE(synth::WriteOggVorbis(path, {samples}, 0.4f, error)) << error;
}

std::string Catalogue(const std::vector<std::pair<std::string, std::string>>& musics,
                      const std::vector<std::pair<std::string, std::string>>& sounds) {
  std::string text = "globalSnd {\n\tmusics = " + std::to_string(musics.size()) +
                     "\n\tsounds = " + std::to_string(sounds.size()) + "\n";
  for (size_t i = 0; i < musics.size(); ++i) {
    text += "\tmusic" + std::to_string(i + 1) + " {\n\t\tid = \"" + musics[i].first +
            "\"\n\t\tloop = 1\n\t\turl = \"" + musics[i].second + "\"\n\t}\n";
  }
  for (size_t i = 0; i < sounds.size(); ++i) {
    text += "\tsnd" + std::to_string(i + 1) + " {\n\t\tid = \"" + sounds[i].first +
            "\"\n\t\turl = \"" + sounds[i].second + "\"\n\t}\n";
  }
  return text + "}\n";
}

bool Mentions(const std::vector<std::string>& problems, const std::string& start,
              const std::string& part) {
  return std::any_of(problems.begin(), problems.end(), [&](const std::string& p) {
    return p.rfind(start, 0) == 0 && p.find(part) != std::string::npos;
  });
}

TEST(AudioCheckData, GoodSoundsPassAndEachKindOfFaultIsReportedOnce) {
  MediaScope media;
  ScratchDir game;
  WriteTone(game / "music/long.ogg", 12.0);
  WriteTone(game / "music/short.ogg", 3.0);
  WriteTone(game / "sfx/good.ogg", 0.3);
  WriteTone(game / "sfx/long.ogg", 2.5);
  WriteFile(game / "sfx/broken.ogg", "OggS but not really a Vorbis stream");
  WriteFile(game / "data/globalSnd.txt",
            Catalogue({{"title", "music/long.ogg"}, {"mapa", "music/short.ogg"}},
                      {{"cash", "sfx/good.ogg"},
                       {"bomb", "sfx/long.ogg"},
                       {"match", "sfx/broken.ogg"},
                       {"hint", "sfx/missing.ogg"}}));
  std::vector<std::string> problems;
  EXPECT_EQ(CheckSoundData(game.path(), problems), 3);
  EXPECT_TRUE(Mentions(problems, game / "music/short.ogg", "\"mapa\" lasts only"));
  EXPECT_TRUE(Mentions(problems, game / "sfx/long.ogg", "\"bomb\" lasts"));
  EXPECT_TRUE(Mentions(problems, game / "sfx/broken.ogg", "cannot be decoded"));
}

TEST(AudioCheckData, BuiltGameSoundsHaveNoProblems) {
  if (!KELVAROTH_SOUNDS_BUILT) GTEST_SKIP() << "sounds are not built (KELVAROTH_ASSETS=OFF)";
  MediaScope media;
  std::vector<std::string> problems;
  EXPECT_EQ(CheckSoundData(testing_support::BuildDir() + "/game", problems), 0) << problems.front();
}

}  // namespace

namespace {

struct CheckRun {
  int status = -1;
  std::string output;
};

CheckRun RunCheckData(const std::string& dataDir, const std::string& outFile) {
  const std::string command = "'" + testing_support::GameBinary() + "' --check-data --datadir '" +
                              dataDir + "' > '" + outFile + "' 2>&1";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, testing_support::ReadFile(outFile)};
}

TEST(AudioCheckData, TheProgramsCheckDataReportsMissingAndBrokenSounds) {
  ScratchDir dir;
  WriteTone(dir / "game/sfx/good.ogg", 0.3);
  WriteFile(dir / "game/sfx/broken.ogg", "OggS but not really a Vorbis stream");
  WriteFile(dir / "game/data/globalSnd.txt", Catalogue({}, {{"cash", "sfx/good.ogg"},
                                                            {"match", "sfx/broken.ogg"},
                                                            {"hint", "sfx/missing.ogg"}}));
  CheckRun run = RunCheckData(dir.path(), dir / "out.txt");
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("\ngame/sfx/broken.ogg: cannot be decoded"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("globalSnd::snd3::url names no file (game/sfx/missing.ogg)"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(run.output.find("good.ogg"), std::string::npos) << run.output;
}

TEST(AudioCheckData, TheBuiltGamePassesTheProgramsCheckData) {
  if (!KELVAROTH_SOUNDS_BUILT) GTEST_SKIP() << "sounds are not built (KELVAROTH_ASSETS=OFF)";
  ScratchDir dir;
  CheckRun run = RunCheckData(testing_support::BuildDir(), dir / "out.txt");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output, "");
}

}  // namespace

// RCM data files: parsing and writing speed on level-sized files (a full quest is 100 files of
// about 10 KB each).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "textdata/rcm_file.h"

namespace {

// A level-like file: a header group, then rows of numbers and a few string entries, ~10 KB.
std::string LevelText(int seed) {
  std::string text = "level {\n\tname = \"Level " + std::to_string(seed) + "\"\n";
  text += "\tbackgroundUrl = \"gfx/backgrounds/background-" + std::to_string(seed % 7) + ".jpg\"\n";
  text += "\ttime = " + std::to_string(120 + seed) + "\n\tavailableChips = 1, 2, 3, 4, 5, 6\n";
  text += "\tdata {\n\t\tsize = 9, 9\n";
  for (int layer = 0; layer < 6; ++layer) {
    for (int row = 0; row < 9; ++row) {
      text += "\t\tlayer" + std::to_string(layer) + "row" + std::to_string(row) + " = ";
      for (int col = 0; col < 9; ++col) {
        if (col) text += ", ";
        text += std::to_string((seed + layer * 7 + row * 3 + col) % 5);
      }
      text += "\n";
    }
  }
  text += "\t}\n\tgoals {\n\t\tchip1 = 12.5000000\n\t\tchip2 = 0.0500000007\n\t}\n}\n\n";
  return text;
}

std::string BenchFolder() {
  return (std::filesystem::temp_directory_path() / "kelvaroth-rcm-bench").string();
}

void BM_LoadQuest(benchmark::State& state) {
  const std::string folder = BenchFolder();
  std::filesystem::create_directories(folder);
  std::vector<std::string> paths;
  size_t bytes = 0;
  for (int i = 1; i <= 100; ++i) {
    std::string text = LevelText(i);
    bytes += text.size();
    paths.push_back(folder + "/level-" + std::to_string(i) + ".txt");
    if (FILE* f = std::fopen(paths.back().c_str(), "wb")) {
      std::fwrite(text.data(), 1, text.size(), f);
      std::fclose(f);
    }
  }
  for (auto _ : state) {
    for (const std::string& path : paths) {
      auto file = LoadRCM(path);
      benchmark::DoNotOptimize(file->getFloat("level::data::size", 0));
    }
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
  state.counters["files"] = 100;
  state.counters["quest_bytes"] = static_cast<double>(bytes);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadQuest)->Unit(benchmark::kMillisecond);

void BM_ParseText(benchmark::State& state) {
  const std::string text = LevelText(3);
  TRCMFile file;
  for (auto _ : state) {
    benchmark::DoNotOptimize(file.readAll(text, "MAINGROUP"));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ParseText);

void BM_WriteText(benchmark::State& state) {
  TRCMFile file;
  file._grupa = file.readAll(LevelText(5), "MAINGROUP");
  size_t bytes = 0;
  for (auto _ : state) {
    std::string text;
    file._grupa->_listaGrup.ForEach(
        [&](const std::shared_ptr<TRCMGroup>& group) { group->appendText("", text); });
    bytes = text.size();
    benchmark::DoNotOptimize(text);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_WriteText);

void BM_SetFloatLevel(benchmark::State& state) {
  for (auto _ : state) {
    auto file = CreateRCM();
    for (int row = 0; row < 9; ++row) {
      for (int col = 0; col < 9; ++col) {
        file->setFloat("level::data::row" + std::to_string(row), static_cast<float>(col), col);
      }
    }
    benchmark::DoNotOptimize(file);
  }
}
BENCHMARK(BM_SetFloatLevel);

}  // namespace

// Replays every kept fuzz input (tests/fuzz/corpus/<target>/) through its target, so that
// each input that once failed stays a regression test in every build, with or without a
// fuzzing compiler. A failure shows as a crash or a sanitizer report naming the file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/targets/fuzz_targets.h"

namespace kurvex::fuzz {

void PrintTo(const Target& target, std::ostream* os) { *os << target.name; }

namespace {

namespace fs = std::filesystem;

class CorpusReplay : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryKeptInputRunsCleanly) {
  const fs::path folder = fs::path(KX_FUZZ_CORPUS_DIR) / GetParam().name;
  ASSERT_TRUE(fs::is_directory(folder)) << folder;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  EXPECT_FALSE(files.empty()) << "no kept inputs in " << folder;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.filename().string());
    std::ifstream stream(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    GetParam().run(bytes.data(), bytes.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(Targets().begin(), Targets().end()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kurvex::fuzz

// The fuzz targets' seed corpus as a regression test: every input in tests/data/fuzz goes
// through the same checks the fuzzers run, in every build, with or without libFuzzer.

#include <algorithm>

#include "formats_check.h"
#include "legacy_ini_check.h"
#include "palette_file_check.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

namespace {

struct FuzzTarget {
    const char* corpus; // folder under tests/data/fuzz
    std::string (*check)(std::string_view bytes, const fs::path& folder);
};

class FuzzCorpus : public testing::TestWithParam<FuzzTarget> {};

std::vector<fs::path> CorpusFiles(const char* corpus) {
    std::vector<fs::path> files;
    for (const auto& entry :
         fs::directory_iterator(fs::path(TINTORA_TEST_DATA_DIR) / "fuzz" / corpus)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

TEST_P(FuzzCorpus, EveryInputPassesTheChecks) {
    const std::vector<fs::path> files = CorpusFiles(GetParam().corpus);
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        TempFolder folder;
        EXPECT_EQ(GetParam().check(ReadBytes(file), folder.Path()), "") << file.filename();
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus,
                         testing::Values(FuzzTarget{"palette_file", CheckPaletteFileInput},
                                         FuzzTarget{"legacy_ini", CheckLegacyIniInput},
                                         FuzzTarget{"formats", CheckFormatsInput}),
                         [](const testing::TestParamInfo<FuzzTarget>& target) {
                             return std::string(target.param.corpus);
                         });

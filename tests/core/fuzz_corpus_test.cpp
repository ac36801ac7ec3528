// The fuzz targets' seed corpus as a regression test: every input in tests/data/fuzz goes
// through the same checks the fuzzers run, in every build, with or without libFuzzer.

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

} // namespace

TEST_P(FuzzCorpus, EveryInputPassesTheChecks) {
    int files = 0;
    for (const auto& entry :
         fs::directory_iterator(fs::path(TINTORA_TEST_DATA_DIR) / "fuzz" / GetParam().corpus)) {
        TempFolder folder;
        EXPECT_EQ(GetParam().check(ReadBytes(entry.path()), folder.Path()), "")
            << entry.path().filename();
        ++files;
    }
    EXPECT_GT(files, 0);
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus,
                         testing::Values(FuzzTarget{"palette_file", CheckPaletteFileInput},
                                         FuzzTarget{"legacy_ini", CheckLegacyIniInput},
                                         FuzzTarget{"formats", CheckFormatsInput}),
                         [](const testing::TestParamInfo<FuzzTarget>& target) {
                             return std::string(target.param.corpus);
                         });

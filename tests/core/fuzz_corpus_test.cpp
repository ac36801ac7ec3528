// The fuzz targets' seed corpus as a regression test: every input in tests/data/fuzz goes
// through the same checks the fuzzers run, in every build, with or without libFuzzer.

#include "formats_check.h"
#include "legacy_ini_check.h"
#include "palette_file_check.h"
#include "temp_folder.h"

namespace fs = std::filesystem;

TEST(FuzzCorpus, EveryInputPassesTheChecks) {
    using Check = std::string (*)(std::string_view bytes, const fs::path& folder);
    // Each target's folder under tests/data/fuzz and its checks.
    const std::pair<const char*, Check> targets[] = {{"palette_file", CheckPaletteFileInput},
                                                     {"legacy_ini", CheckLegacyIniInput},
                                                     {"formats", CheckFormatsInput}};
    for (const auto& [corpus, check] : targets) {
        int files = 0;
        for (const auto& entry :
             fs::directory_iterator(fs::path(TINTORA_TEST_DATA_DIR) / "fuzz" / corpus)) {
            TempFolder folder;
            EXPECT_EQ(check(ReadBytes(entry.path()), folder.Path()), "") << entry.path();
            ++files;
        }
        EXPECT_GT(files, 0) << corpus;
    }
}

// libFuzzer target: any bytes as the old product's INI file, imported and looked up.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "legacy_ini_check.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFolder folder;
    const std::string failure =
        CheckLegacyIniInput({reinterpret_cast<const char*>(data), size}, folder.Path());
    if (!failure.empty()) {
        std::fprintf(stderr, "legacy INI check failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}

// libFuzzer target: any bytes as a palette file, read, written back and read again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "palette_file_check.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFolder folder;
    const std::string failure =
        CheckPaletteFileInput({reinterpret_cast<const char*>(data), size}, folder.Path());
    if (!failure.empty()) {
        std::fprintf(stderr, "palette file check failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}

// libFuzzer target: any bytes as a file of every format beside .pal, each read and
// what was read written back and read again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "formats_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure =
        CheckFormatsInput({reinterpret_cast<const char*>(data), size}, std::filesystem::path());
    if (!failure.empty()) {
        std::fprintf(stderr, "formats check failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}

// How much of one line the readers hold at once. No palette or colour list needs lines
// anywhere near this long; a file that has one is refused with its line named, rather than
// read into gigabytes of memory.
#pragma once

#include <cstddef>
#include <string>

inline constexpr std::size_t kMaxLineBytes = std::size_t{64} << 20;
// The same for the names and descriptions of all palettes of a file together: each is held
// as wide text, four times its size, for as long as the palettes are.
inline constexpr std::size_t kMaxPaletteTextBytes = kMaxLineBytes;
inline constexpr const char* kTooMuchPaletteText =
    "the palette names and descriptions take more than 64 MiB together";

// The binary swatch formats are read whole, as their blocks point back and forth; no swatch
// file comes anywhere near this size.
inline constexpr std::size_t kMaxBinaryFileBytes = std::size_t{16} << 20;
inline constexpr const char* kBinaryFileTooLong =
    "the file is longer than 16 MiB, far more than any palette of this format needs";

// "line 12: longer than 64 MiB", the reason given for such a file.
inline std::string LineTooLongText(std::size_t line) {
    return "line " + std::to_string(line) + ": longer than 64 MiB";
}

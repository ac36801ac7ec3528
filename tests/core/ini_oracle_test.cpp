// The INI reader against the system's own profile functions, on every INI file of the test
// data: each section and key GetPrivateProfileStringW lists, and the pens the legacy import
// asks for, must read the same through TINIFile. Built for Windows only.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "shared/ini_file.h"

namespace fs = std::filesystem;

namespace {

// Where the profile functions, as Wine implements them, are known to part from recorded
// Windows behaviour, which TINIFile follows.
const std::map<std::string, const char*> kExpectedDifferences = {
    {"unclosed_section_header.ini",
     "Windows takes a header without \"]\" as a section; Wine ignores the line"},
    {"utf16_big_endian.ini", "Wine reads UTF-16 big-endian text; Windows reads it as bytes"},
};

// A list of names the profile functions give as strings ending in NUL, the last one twice.
std::vector<std::wstring> Names(const wchar_t* section, const std::wstring& path) {
    std::wstring buffer(1 << 16, L'\0');
    const DWORD length = ::GetPrivateProfileStringW(
        section, nullptr, L"", buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    std::vector<std::wstring> names;
    for (std::size_t at = 0; at < length && buffer[at] != L'\0';) {
        names.emplace_back(buffer.c_str() + at);
        at += names.back().size() + 1;
    }
    return names;
}

std::wstring SystemValue(const std::wstring& section, const std::wstring& key,
                         const std::wstring& path) {
    std::wstring buffer(1 << 16, L'\0');
    const DWORD length =
        ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"<none>", buffer.data(),
                                   static_cast<DWORD>(buffer.size()), path.c_str());
    return buffer.substr(0, length);
}

// A byte that is no UTF-8 the reader keeps as U+DC80 plus the byte, so that nothing read is
// lost; the system puts U+FFFD in its place.
std::wstring AsSystemShowsIt(std::wstring value) {
    for (wchar_t& c : value) {
        c = c >= 0xDC80 && c <= 0xDCFF ? L'\uFFFD' : c;
    }
    return value;
}

std::vector<fs::path> IniFiles() {
    const fs::path data = fs::absolute(TINTORA_TEST_DATA_DIR);
    std::vector<fs::path> files = {data / "veldra3_colours.ini"};
    for (const auto& entry : fs::directory_iterator(data / "fuzz" / "legacy_ini")) {
        files.push_back(entry.path());
    }
    return files;
}

} // namespace

TEST(IniOracle, TheReaderAgreesWithGetPrivateProfileString) {
    for (const fs::path& file : IniFiles()) {
        SCOPED_TRACE(file.filename().string());
        if (const auto known = kExpectedDifferences.find(file.filename().string());
            known != kExpectedDifferences.end()) {
            std::cout << file.filename().string() << ": not compared, " << known->second << '\n';
            continue;
        }
        const std::wstring path = file.wstring();
        TINIFile ini(path.c_str());
        std::vector<std::wstring> sections = Names(nullptr, path);
        sections.push_back(L"COLORS");
        for (const std::wstring& section : sections) {
            std::vector<std::wstring> keys = Names(section.c_str(), path);
            for (int pen = 0; pen < 256; ++pen) {
                keys.push_back(L"pen" + std::to_wstring(pen));
            }
            for (const std::wstring& key : keys) {
                EXPECT_EQ(AsSystemShowsIt(ini.ReadString(section.c_str(), key.c_str(), L"<none>")),
                          SystemValue(section, key, path))
                    << "[" << testing::PrintToString(section) << "] "
                    << testing::PrintToString(key);
            }
        }
    }
}

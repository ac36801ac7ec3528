// Helpers the file tests share: a scratch folder removed with everything in it afterwards,
// putting bytes into files and reading them back, and an owning pointer to a palette list.
// The headers nearly every file test needs come with it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "case_table.h"
#include "files/palette_file.h"
#include "model/default_colours.h"
#include "model/palette_entry.h"
#include "shared/cstring.h"
#include "shared/text_encoding.h"

class TempFolder {
public:
    // A new folder of a random name, never one that was there before.
    TempFolder() {
        std::random_device random;
        do {
            m_path =
                std::filesystem::temp_directory_path() / ("tintora-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(m_path));
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all);
    }
    ~TempFolder() {
        std::error_code error;
        // A test may have left folders read-only; make them removable again.
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path, error)) {
            if (entry.is_directory(error) && !entry.is_symlink(error)) {
                std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, error);
            }
        }
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path Path(std::string_view name) const { return m_path / name; }
    // The path of name inside the folder in the program's own wide form.
    CString File(std::string_view name) const { return FromUtf8(Path(name).string()); }

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ListDeleter {
    void operator()(UI_LIST* list) const { DiscardPaletteList(list); }
};
using ListPtr = std::unique_ptr<UI_LIST, ListDeleter>;

// The folder services: where each folder lies, and the buffer rules of the path helpers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shared/paths.h"

namespace {

// Sets the variable, or removes it when value is null.
void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
    ::_putenv_s(name, value != nullptr ? value : ""); // empty removes it
#else
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
#endif
}

// A made-up user "ann" with no XDG settings; the real environment comes back afterwards.
class FakeUser {
public:
    FakeUser() {
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_DOCUMENTS_DIR",
                                 "XDG_STATE_HOME", "TINTORA_SHARED_DIR", "TINTORA_APP_DIR"}) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            SetEnvironment(name, nullptr);
        }
        SetEnvironment("HOME", "/home/ann");
    }
    ~FakeUser() {
        for (const auto& [name, value] : m_saved) {
            SetEnvironment(name.c_str(), value ? value->c_str() : nullptr);
        }
        coreSetDataFolder(L"");
        coreSetAppFolder(L"");
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

} // namespace

#ifdef _WIN32
// The system's known folders, which every Windows session names in its environment too.
TEST(Paths, FoldersOfTheUser) {
    FakeUser ann;
    coreSetDataFolder(L"Corvane 2014");
    const auto folder = [](const wchar_t* name) { return std::wstring(::_wgetenv(name)); };
    EXPECT_EQ(coreGetUserAppPath(), folder(L"APPDATA") + L"\\Corvane 2014\\");
    EXPECT_EQ(coreGetAllUserAppPath(), folder(L"ProgramData") + L"\\Corvane 2014\\");
    EXPECT_EQ(coreGetSharedAppPath(), coreGetUserAppPath()) << "no site setting";
    wchar_t buffer[260];
    coreDocumentFilePath(buffer, 260, L"Users/Guest\\CAD.ini");
    EXPECT_EQ(buffer, folder(L"USERPROFILE") + L"\\Documents\\Users\\Guest\\CAD.ini");
    EXPECT_EQ(coreGetAppFolder().back(), L'\\') << "the executable's folder";
    EXPECT_EQ(coreGetUserStatePath(), folder(L"LOCALAPPDATA") + L"\\Tintora\\");
}
#else
TEST(Paths, FoldersOfTheUser) {
    FakeUser ann;
    coreSetDataFolder(L"Corvane 2014");
    EXPECT_EQ(coreGetUserAppPath(), L"/home/ann/.local/share/Corvane 2014/");
    EXPECT_EQ(coreGetAllUserAppPath(), L"/usr/share/Corvane 2014/");
    EXPECT_EQ(coreGetSharedAppPath(), coreGetUserAppPath()) << "no site setting";
    SetEnvironment("XDG_DATA_DIRS", "relative:/opt/share:/usr/share");
    SetEnvironment("TINTORA_SHARED_DIR", "/srv/corvane");
    EXPECT_EQ(coreGetAllUserAppPath(), L"/opt/share/Corvane 2014/");
    EXPECT_EQ(coreGetSharedAppPath(), L"/srv/corvane/");

    wchar_t buffer[260];
    EXPECT_EQ(coreDocumentFilePath(buffer, 260, L"Users\\Guest\\CAD.ini"), 39u);
    EXPECT_STREQ(buffer, L"/home/ann/Documents/Users/Guest/CAD.ini");
    EXPECT_EQ(coreGetAppFolder().back(), L'/') << "the executable's folder";
    SetEnvironment("TINTORA_APP_DIR", "/opt/tintora");
    coreAppFilePath(buffer, 260, L"Example.pal");
    EXPECT_STREQ(buffer, L"/opt/tintora/Example.pal");

    EXPECT_EQ(coreGetUserStatePath(), L"/home/ann/.local/state/tintora/");
    SetEnvironment("XDG_STATE_HOME", "relative/state");
    EXPECT_EQ(coreGetUserStatePath(), L"/home/ann/.local/state/tintora/") << "only absolute counts";
    SetEnvironment("XDG_STATE_HOME", "/var/ann");
    EXPECT_EQ(coreGetUserStatePath(), L"/var/ann/tintora/");
}
#endif

TEST(Paths, BuffersNeverOverflow) {
    FakeUser ann;
    coreSetAppFolder(L"/app/");
    wchar_t buffer[12];
    std::wmemset(buffer, L'x', 12);
    EXPECT_EQ(coreAppFilePath(buffer, 12, L"abcdefg"), 0u) << "needs 13 with the terminator";
    EXPECT_EQ(buffer[0], L'\0');
    EXPECT_EQ(coreAppFilePath(buffer, 12, L"abcdef"), 11u);
    EXPECT_STREQ(buffer, L"/app/abcdef");

    wchar_t help[20] = L"/opt/t/app.exe";
    EXPECT_EQ(coreChangeFileName(help, 20, L"Tintora", L".chm"), 18u);
    EXPECT_STREQ(help, L"/opt/t/Tintora.chm");
    EXPECT_EQ(coreChangeFileName(help, 20, L"Tintoraaa", L".chm"), 0u);
    EXPECT_STREQ(help, L"/opt/t/Tintora.chm") << "unchanged when it does not fit";
    EXPECT_EQ(coreExtractFileName(L"C:\\a\\Palettes 1.pal"), L"Palettes 1.pal");
}

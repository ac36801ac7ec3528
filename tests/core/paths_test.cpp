// The folder services: where each folder lies, and the buffer rules of the path helpers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <map>
#include <optional>
#include <string>

#include "shared/paths.h"

namespace {

// Sets environment variables for one test and puts the old values back afterwards.
class Environment {
public:
    void Set(const char* name, const char* value) {
        if (!m_saved.contains(name)) {
            const char* old = std::getenv(name);
            m_saved[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~Environment() {
        for (const auto& [name, value] : m_saved) {
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
        }
        coreSetDataFolder(L"");
        coreSetAppFolder(L"");
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

} // namespace

TEST(Paths, DataFolders) {
    Environment env;
    env.Set("HOME", "/home/ann");
    env.Set("XDG_DATA_HOME", nullptr);
    env.Set("XDG_DATA_DIRS", nullptr);
    env.Set("TINTORA_SHARED_DIR", nullptr);
    coreSetDataFolder(L"Corvane 2014");
    EXPECT_EQ(coreGetUserAppPath(), L"/home/ann/.local/share/Corvane 2014/");
    EXPECT_EQ(coreGetAllUserAppPath(), L"/usr/share/Corvane 2014/");
    EXPECT_EQ(coreGetSharedAppPath(), coreGetUserAppPath()) << "no site setting";

    env.Set("XDG_DATA_HOME", "/data/ann/");
    env.Set("XDG_DATA_DIRS", "relative:/opt/share:/usr/share");
    env.Set("TINTORA_SHARED_DIR", "/srv/corvane");
    EXPECT_EQ(coreGetUserAppPath(), L"/data/ann/Corvane 2014/");
    EXPECT_EQ(coreGetAllUserAppPath(), L"/opt/share/Corvane 2014/");
    EXPECT_EQ(coreGetSharedAppPath(), L"/srv/corvane/");

    env.Set("XDG_DATA_HOME", "not/absolute");
    EXPECT_EQ(coreGetUserAppPath(), L"/home/ann/.local/share/Corvane 2014/");
}

TEST(Paths, AppAndDocumentFiles) {
    Environment env;
    env.Set("HOME", "/home/ann");
    env.Set("XDG_DOCUMENTS_DIR", nullptr);
    env.Set("TINTORA_APP_DIR", nullptr);
    wchar_t buffer[260];
    EXPECT_EQ(coreDocumentFilePath(buffer, 260, L"Users\\Guest\\CAD.ini"), 39u);
    EXPECT_STREQ(buffer, L"/home/ann/Documents/Users/Guest/CAD.ini");
    env.Set("XDG_DOCUMENTS_DIR", "/home/ann/Dokumente");
    coreDocumentFilePath(buffer, 260, L"\\CAD.ini");
    EXPECT_STREQ(buffer, L"/home/ann/Dokumente/CAD.ini");

    env.Set("TINTORA_APP_DIR", "/opt/tintora");
    coreAppFilePath(buffer, 260, L"Example.pal");
    EXPECT_STREQ(buffer, L"/opt/tintora/Example.pal");
    coreSetAppFolder(L"/src/resources/");
    coreAppFilePath(buffer, 260, L"Example.pal");
    EXPECT_STREQ(buffer, L"/src/resources/Example.pal");
    coreSetAppFolder(L"");
    env.Set("TINTORA_APP_DIR", nullptr);
    EXPECT_FALSE(coreGetAppFolder().empty()) << "the executable's folder";
    EXPECT_EQ(coreGetAppFolder().back(), L'/');
}

TEST(Paths, BuffersNeverOverflow) {
    coreSetAppFolder(L"/app");
    wchar_t buffer[12];
    std::wmemset(buffer, L'x', 12);
    EXPECT_EQ(coreAppFilePath(buffer, 12, L"abcdefg"), 0u) << "needs 13 with the terminator";
    EXPECT_EQ(buffer[0], L'\0');
    EXPECT_EQ(coreAppFilePath(buffer, 12, L"abcdef"), 11u);
    EXPECT_STREQ(buffer, L"/app/abcdef");
    EXPECT_EQ(coreAppFilePath(nullptr, 12, L"a"), 0u);
    coreSetAppFolder(L"");

    wchar_t help[20] = L"/opt/t/app.exe";
    EXPECT_EQ(coreChangeFileName(help, 20, L"Tintora", L".chm"), 18u);
    EXPECT_STREQ(help, L"/opt/t/Tintora.chm");
    EXPECT_EQ(coreChangeFileName(help, 20, L"Tintoraaa", L".chm"), 0u);
    EXPECT_STREQ(help, L"/opt/t/Tintora.chm") << "unchanged when it does not fit";
    wchar_t windows[32] = L"C:\\Apps\\x.exe";
    coreChangeFileName(windows, 32, L"Tintora", L"chm");
    EXPECT_STREQ(windows, L"C:\\Apps\\Tintora.chm");

    EXPECT_EQ(coreExtractFileName(L"/a/b/Palettes 1.pal"), L"Palettes 1.pal");
    EXPECT_EQ(coreExtractFileName(L"C:\\a\\b.pal"), L"b.pal");
    EXPECT_EQ(coreExtractFileName(L"b.pal"), L"b.pal");
}

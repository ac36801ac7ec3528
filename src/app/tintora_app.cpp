// CTintoraApp::InitInstance, in the order of start-up.
#include "app/tintora_app.h"

#include <algorithm>
#include <array>

#include "editor/tintora_dlg.h"
#include "platform/profile.h"
#include "shared/paths.h"

namespace {

constexpr std::size_t kPathCapacity = 260;

} // namespace

bool CTintoraApp::InitInstance() {
    InitCommonControls();
    CWinApp::InitInstance();
    SetRegistryKey(L"Keldane", L"Corvane 2014");

    // The help file is "Tintora.chm" beside the program file, whatever that is called.
    std::array<wchar_t, kPathCapacity> buffer{};
    const std::size_t length = std::min(m_pszHelpFilePath.size(), kPathCapacity - 1);
    std::copy_n(m_pszHelpFilePath.begin(), length, buffer.begin());
    coreChangeFileName(buffer.data(), kPathCapacity, L"Tintora", L".chm");
    m_pszHelpFilePath = buffer.data();

    CTintoraDlg dlg(nullptr);
    dlg.OpenAtStart(m_strFileToOpen);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return false;
}

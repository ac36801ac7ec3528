// The application object and the set-up of the window layer.
#include "platform/win_app.h"

#include <QApplication>
#include <QFileInfo>

#include "platform/app_style.h"
#include "platform/covered_controls.h"
#include "platform/dialog_font.h"
#include "platform/message_box.h"
#include "platform/qt_text.h"
#include "platform/unclaimed_mnemonic.h"

namespace {

CWinApp* g_app = nullptr;

} // namespace

void InitCommonControls() {
    // One style everywhere, so that the windows look (and measure) the same on every desktop.
    if (QStyle* style = CAppStyle::Create()) {
        QApplication::setStyle(style);
    }
    QApplication::setFont(DialogFont());
    InstallMessageBoxPresenter();
    InstallUnclaimedMnemonicFilter();
    InstallCoveredControlsAccessibility();
}

CWinApp::CWinApp() {
    g_app = this;
    const QFileInfo program(QCoreApplication::applicationFilePath());
    m_pszHelpFilePath = FromQString(program.path() + QLatin1Char('/') + program.completeBaseName() +
                                    QStringLiteral(".chm"));
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

bool CWinApp::InitInstance() {
    return true;
}

CWinApp* AfxGetApp() {
    return g_app;
}

// Editor test helpers.
#include "editor_test_support.h"

#include <QScreen>

static QPoint InWindow(CTintoraDlg& dlg, int x, int y) {
    return dlg.Client()->mapTo(&dlg, QPoint(x, y));
}

void EditorTest::SetUp() {
    GuiTest::SetUp();
    WriteProfileInt(L"DialogData\\Tintora", L"ShowWarning", 0);
    Reopen();
}

void EditorTest::TearDown() {
    dlg.reset();
    GuiTest::TearDown();
}

void EditorTest::Reopen(bool keepRecovery) {
    dlg.reset();
    if (!keepRecovery) {
        QDir(folders.Path(QStringLiteral("state"))).removeRecursively();
    }
    dlg = std::make_unique<CTintoraDlg>(nullptr);
    dlg->Create();
    dlg->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
}

std::string EditorTest::ListState() const {
    std::string state;
    for (const UI_ELEMENT* e = dlg->m_pPaletteList->First(); e != nullptr; e = e->Next()) {
        const auto* palette = dynamic_cast<const PaletteEntry*>(e);
        state += (state.empty() ? "" : " ") + ToUtf8(palette->m_Name) +
                 (palette == dlg->m_pCurrentPalette ? "*" : "");
    }
    return state + (dlg->m_bModified ? " +" : "");
}

void MoveTo(CTintoraDlg& dlg, int x, int y) {
    QTest::mouseMove(dlg.windowHandle(), InWindow(dlg, x, y));
}

void ClickAt(CTintoraDlg& dlg, int x, int y) {
    QTest::mouseClick(dlg.windowHandle(), Qt::LeftButton, {}, InWindow(dlg, x, y));
    Settle();
}

void DoubleClickAt(CTintoraDlg& dlg, int x, int y) {
    QTest::mouseDClick(dlg.windowHandle(), Qt::LeftButton, {}, InWindow(dlg, x, y));
    Settle();
}

void Settle() {
    QApplication::processEvents();
    QApplication::processEvents();
}

QImage PaintedClient(CTintoraDlg& dlg) {
    return dlg.Client()->grab().toImage();
}

QImage ScreenClient(CTintoraDlg& dlg) {
    const QImage window = dlg.screen()->grabWindow(dlg.winId()).toImage();
    return window.copy(QRect(InWindow(dlg, 0, 0), dlg.Client()->size()));
}

QString ItemText(const CTintoraDlg& dlg, int id) {
    return ToQString(dlg.GetDlgItemText(id));
}

unsigned int Rgb(COLORREF colour) {
    return static_cast<unsigned int>(RedOf(colour) << 16 | GreenOf(colour) << 8 | BlueOf(colour));
}

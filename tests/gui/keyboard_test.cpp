// The editor without a mouse and to a screen reader: the pen area's keys, its tab stop and
// focus ring, the accessible objects of the pens, swatches, buttons and edits, and the help
// (F1 and Help > Contents open the manual at its contents, in the same window each time).
#include <QAccessible>
#include <QAction>
#include <QColorDialog>
#include <QTextBrowser>
#include <QUrl>
#include <tuple>

#include "editor_test_support.h"
#include "platform/help_viewer.h"

namespace {

// The manual is copied beside the program in the build tree.
const QString kHelpFolder = QStringLiteral(TINTORA_APP_BUILD_DIR "/help");

class Keyboard : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        area = dynamic_cast<PenArea*>(dlg->Client()->findChild<QWidget*>("penArea"));
        ASSERT_NE(area, nullptr);
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        coreSetAppFolder(FromQString(QStringLiteral(TINTORA_APP_BUILD_DIR)));
    }
    void TearDown() override {
        coreSetAppFolder(CString());
        EditorTest::TearDown();
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(area, static_cast<Qt::Key>(key), modifiers);
        Settle();
    }

    PenArea* area = nullptr;
};

TEST_F(Keyboard, ArrowsHomeAndEndWalkThePensAsDrawn) {
    for (const CaseRow& row : ReadCaseTable("pen_keys.txt")) {
        SCOPED_TRACE(row.where);
        dlg->SelectPen(row.Int(0));
        Press(QKeySequence::fromString(QString::fromStdString(row[1]))[0].key());
        EXPECT_EQ(dlg->m_nSelectedPen, row.Int(2));
        EXPECT_EQ(ItemText(*dlg, IDC_PEN_LABEL), QStringLiteral("Pen: %1").arg(row.Int(2)));
    }
}

TEST_F(Keyboard, SpaceAndF2OpenTheChooserAsADoubleClickOnTheSwatch) {
    dlg->SelectPen(2);
    // The chooser starts from the selected pen's colour, or the marker pen's with Shift.
    for (const auto& [key, shift, initial] : {std::tuple{Qt::Key_Space, false, 0x808000u},
                                              {Qt::Key_F2, false, 0x808000u},
                                              {Qt::Key_Space, true, 0x000000u},
                                              {Qt::Key_F2, true, 0x000000u}}) {
        Script().Then([initial = initial](QDialog& d) {
            EXPECT_EQ(dynamic_cast<QColorDialog&>(d).currentColor().rgb() & 0xFFFFFFu, initial);
            d.reject();
        });
        Press(key, shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    EXPECT_FALSE(dlg->m_bModified);
}

TEST_F(Keyboard, TabShowsThePenAreasFocusRing) {
    QWidget* light = dlg->GetDlgItem(IDC_LIGHT_BACKGROUND);
    light->setFocus();
    const QPoint ring(12, 76); // just outside pen 1's cell, on the window background
    const unsigned int background = PixelOf(PaintedClient(*dlg), ring.x(), ring.y());
    ClickAt(*dlg, 20, 90);
    EXPECT_EQ(PixelOf(PaintedClient(*dlg), ring.x(), ring.y()), background);

    QTest::keyClick(light, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), area);
    const unsigned int focused = PixelOf(PaintedClient(*dlg), ring.x(), ring.y());
    EXPECT_TRUE(focused == 0x000000 || focused == 0xFFFFFF) << std::hex << focused;

    QTest::keyClick(area, Qt::Key_Tab); // round to the background buttons again
    EXPECT_EQ(QApplication::focusWidget(), light);
    EXPECT_EQ(PixelOf(PaintedClient(*dlg), ring.x(), ring.y()), background);
}

TEST_F(Keyboard, ScreenReadersSeeRadioButtonsPensAndSwatches) {
    for (const int id : {IDC_LIGHT_BACKGROUND, IDC_DARK_BACKGROUND}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(dlg->GetDlgItem(id))->role(),
                  QAccessible::RadioButton);
    }
    QAccessibleInterface* pens = QAccessible::queryAccessibleInterface(area);
    ASSERT_EQ(pens->childCount(), 257);
    QAccessibleInterface* pen69 = pens->child(68);
    EXPECT_EQ(pen69->text(QAccessible::Name), QStringLiteral("Pen 69"));
    EXPECT_EQ(pen69->text(QAccessible::Description), QStringLiteral("R 141, G 170, B 85"));
    EXPECT_EQ(pen69->rect(), QRect(dlg->Client()->mapToGlobal(QPoint(102, 164)), QSize(16, 14)));
    EXPECT_EQ(pens->childAt(pen69->rect().center().x(), pen69->rect().center().y()), pen69);
    EXPECT_EQ(pens->indexOfChild(pen69), 68);
    EXPECT_FALSE(pen69->state().selected);

    area->setFocus();
    ClickAt(*dlg, 105, 168);
    EXPECT_TRUE(pen69->state().selected && pen69->state().focused);
    EXPECT_EQ(pens->focusChild(), pen69);
    EXPECT_EQ(pens->child(255)->text(QAccessible::Name), QStringLiteral("Selected pen 69"));
    QAccessibleInterface* marker = pens->child(256);
    EXPECT_EQ(marker->text(QAccessible::Name), QStringLiteral("Marker pen"));
    EXPECT_EQ(marker->rect().size(), QSize(165, 33));

    bool chooserOpened = false;
    Script().Then([&chooserOpened](QDialog& d) {
        chooserOpened = qobject_cast<QColorDialog*>(&d) != nullptr;
        d.reject();
    });
    QAccessibleActionInterface* press = marker->actionInterface();
    ASSERT_NE(press, nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    Settle();
    EXPECT_TRUE(chooserOpened);
}

// F1 opens the manual at its contents, in a window of its own that is not modal; Help >
// Contents brings the same window back, at the contents again.
TEST_F(Keyboard, F1AndContentsOpenTheManualAtItsContents) {
    const QUrl contents =
        QUrl::fromLocalFile(QDir(kHelpFolder).filePath(QStringLiteral("index.html")));
    PressKey(*dlg, Qt::Key_F1); // not modal: no dialog comes through the script
    const auto viewers = dlg->findChildren<QDialog*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(viewers.size(), 1);
    auto* viewer = dynamic_cast<CHelpViewer*>(viewers[0]);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->isModal());
    EXPECT_EQ(viewer->Browser()->source(), contents);
    EXPECT_EQ(viewer->Browser()->documentTitle(), QStringLiteral("Tintora Help - Contents"));

    viewer->Browser()->setSource(
        QUrl::fromLocalFile(kHelpFolder + QStringLiteral("/edit_menu.html")));
    viewer->close();
    dlg->GetMenuItem(ID_HELP_CONTENTS)->trigger();
    EXPECT_EQ(dlg->findChildren<QDialog*>(Qt::FindDirectChildrenOnly), viewers);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Browser()->source(), contents);
}

} // namespace

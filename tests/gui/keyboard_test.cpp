// The editor without a mouse and to a screen reader: the pen area's keys, its tab stop and
// focus ring, the accessible objects of the pens, swatches, buttons and edits, and the help
// (F1 and Help > Contents open the manual at its contents, in the same window each time).
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QColorDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMap>
#include <QTextBrowser>
#include <QUrl>
#include <tuple>

#include "editor/pen_area_accessible.h"
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

TEST_F(Keyboard, SpaceF2AndEnterOpenTheChooserAsADoubleClickOnTheSwatch) {
    dlg->SelectPen(2);
    // The chooser starts from the selected pen's colour, or the marker pen's with Shift, and
    // its title says which.
    const QString pen2 = QStringLiteral("Pen 2 \u2013 Light Background");
    const QString marker = QStringLiteral("Marker Pen \u2013 Light Background");
    for (const auto& [key, modifiers, initial, title] :
         {std::tuple{Qt::Key_Space, Qt::NoModifier, 0x808000u, pen2},
          {Qt::Key_F2, Qt::NoModifier, 0x808000u, pen2},
          {Qt::Key_Return, Qt::NoModifier, 0x808000u, pen2},
          {Qt::Key_Enter, Qt::KeypadModifier, 0x808000u, pen2},
          {Qt::Key_Space, Qt::ShiftModifier, 0x000000u, marker},
          {Qt::Key_F2, Qt::ShiftModifier, 0x000000u, marker},
          {Qt::Key_Return, Qt::ShiftModifier, 0x000000u, marker}}) {
        Script().Then([initial = initial, title = title](QDialog& d) {
            EXPECT_EQ(dynamic_cast<QColorDialog&>(d).currentColor().rgb() & 0xFFFFFFu, initial);
            EXPECT_EQ(d.windowTitle(), title);
            d.reject();
        });
        Press(key, modifiers);
    }
    EXPECT_FALSE(dlg->m_bModified);
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(Keyboard, DigitsTypedWithinASecondSelectThatPen) {
    // Each key is "digit@milliseconds"; the pen selected before is 3.
    const std::pair<const char*, int> rows[] = {
        {"6@0 9@900", 69}, {"6@0 9@1000", 9}, {"1@0 2@10 8@20", 128},      {"2@0 5@10 6@20", 25},
        {"0@0", 3},        {"0@0 7@10", 7},   {"9@0 9@10 9@20 1@1100", 1},
    };
    quint64 base = 0;
    for (const auto& [keys, expected] : rows) {
        dlg->SelectPen(3);
        base += 10000; // each row starts long after the last
        for (const QString& typed : QString::fromLatin1(keys).split(QLatin1Char(' '))) {
            const QStringList parts = typed.split(QLatin1Char('@'));
            QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + parts[0].toInt(), Qt::NoModifier,
                            parts[0]);
            press.setTimestamp(base + parts[1].toULongLong());
            QApplication::sendEvent(area, &press);
        }
        EXPECT_EQ(dlg->m_nSelectedPen, expected) << keys;
    }
}

TEST_F(Keyboard, TheChoosersHexFieldTakesSixOrThreeDigitsWithOrWithoutHash) {
    for (const auto& [typed, expected] : {std::pair{"ffcc00", 0xFFCC00u},
                                          {"#ffcc00", 0xFFCC00u},
                                          {"#fc0", 0xFFCC00u},
                                          {"3A6", 0x33AA66u}}) {
        dlg->SelectPen(2);
        Script().Then([typed = typed](QDialog& d) {
            QLineEdit* hex = nullptr; // the one edit that is not part of a spin box
            for (QLineEdit* edit : d.findChildren<QLineEdit*>()) {
                hex = qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) ? hex : edit;
            }
            ASSERT_NE(hex, nullptr);
            hex->selectAll();
            QTest::keyClicks(hex, QString::fromLatin1(typed));
            EXPECT_EQ(hex->text(), QString::fromLatin1(typed)) << "the field stays as typed";
            d.accept();
        });
        Press(Qt::Key_Space);
        EXPECT_EQ(Rgb(dlg->ShownColour(2)), expected) << typed;
    }
}

TEST_F(Keyboard, AnAltLetterNoControlClaimsTypesNothing) {
    Script().Then([](QDialog& d) {
        auto* name =
            qobject_cast<QLineEdit*>(dynamic_cast<CDialog&>(d).GetDlgItem(IDC_PALETTE_NAME));
        ASSERT_NE(name, nullptr);
        QTest::keyClick(name, 'd', Qt::AltModifier);
        QTest::keyClick(name, 'e');
        EXPECT_EQ(name->text(), QStringLiteral("e"));
        d.reject();
    });
    dlg->GetMenuItem(ID_ADD_PALETTE)->trigger();
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

TEST_F(Keyboard, ScreenReadersSeeRadioButtonsPenTablesAndSwatchesOnce) {
    for (const int id : {IDC_LIGHT_BACKGROUND, IDC_DARK_BACKGROUND}) {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(dlg->GetDlgItem(id))->role(),
                  QAccessible::RadioButton);
    }
    QAccessibleInterface* pens = QAccessible::queryAccessibleInterface(area);
    ASSERT_EQ(pens->childCount(), 5);
    // child | name | rows | columns | a cell: row, column, its pen
    for (const auto& [index, name, rows, columns, row, column, pen] :
         {std::tuple{0, "Main pens", 1, 9, 0, 8, 9},
          {1, "Secondary pens", 1, 6, 0, 0, 10},
          {2, "Standard pens", 10, 24, 3, 5, 69}}) {
        QAccessibleInterface* table = pens->child(index);
        ASSERT_EQ(table->text(QAccessible::Name), QLatin1String(name));
        EXPECT_EQ(table->role(), QAccessible::Table);
        QAccessibleTableInterface* cells = table->tableInterface();
        ASSERT_NE(cells, nullptr);
        EXPECT_EQ(cells->rowCount(), rows);
        EXPECT_EQ(cells->columnCount(), columns);
        QAccessibleInterface* cell = cells->cellAt(row, column);
        EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Pen %1").arg(pen));
        EXPECT_EQ(cell->tableCellInterface()->rowIndex(), row);
        EXPECT_EQ(cell->tableCellInterface()->columnIndex(), column);
        EXPECT_EQ(table->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    }
    QAccessibleInterface* pen69 = pens->child(2)->tableInterface()->cellAt(3, 5);
    EXPECT_EQ(pen69->text(QAccessible::Description), QStringLiteral("R 141, G 170, B 85"));
    EXPECT_EQ(pen69->rect(), QRect(dlg->Client()->mapToGlobal(QPoint(102, 164)), QSize(16, 14)));
    EXPECT_FALSE(pen69->state().selected);

    area->setFocus();
    ClickAt(*dlg, 105, 168);
    EXPECT_TRUE(pen69->state().selected && pen69->state().focused);
    EXPECT_EQ(pens->focusChild(), pen69);
    EXPECT_EQ(pens->child(2)->tableInterface()->selectedCells(), QList{pen69});
    EXPECT_EQ(pens->child(3)->text(QAccessible::Name), QStringLiteral("Selected pen 69"));
    QAccessibleInterface* marker = pens->child(4);
    EXPECT_EQ(marker->text(QAccessible::Name), QStringLiteral("Marker pen"));
    EXPECT_EQ(marker->rect().size(), QSize(165, 33));

    // The frames under the pens are not there a second time; the pointer labels have names.
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(dlg->Client());
    QStringList names;
    for (int i = 0; i < client->childCount(); ++i) {
        names << client->child(i)->text(QAccessible::Name);
        EXPECT_NE(client->child(i)->rect(), marker->rect()) << names.back().toStdString();
    }
    EXPECT_TRUE(names.contains(QStringLiteral("Pen under the pointer")));
    EXPECT_TRUE(names.contains(QStringLiteral("Colour under the pointer")));

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

// What the pen area tells a screen reader, as "name: description" by kind of event.
QMap<QAccessible::Event, QStringList> g_heard;

void Hear(QAccessibleEvent* event) {
    if (QAccessibleInterface* about = event->accessibleInterface()) {
        g_heard[event->type()] << about->text(QAccessible::Name) + QStringLiteral(": ") +
                                      about->text(QAccessible::Description);
    }
}

TEST_F(Keyboard, ScreenReadersHearEveryColourChangeAndTheFocusOnThePen) {
    ListenToPenArea(&Hear);
    dlg->SelectPen(69);
    Settle();
    g_heard.clear();
    // A new colour, whatever brings it: the cell's and its swatch's descriptions change.
    Script().Then([](QDialog& d) {
        dynamic_cast<QColorDialog&>(d).setCurrentColor(QColor(0x33, 0x66, 0x99));
        d.accept();
    });
    Press(Qt::Key_Space);
    EXPECT_EQ(g_heard.take(QAccessible::DescriptionChanged),
              QStringList({QStringLiteral("Pen 69: R 51, G 102, B 153"),
                           QStringLiteral("Selected pen 69: R 51, G 102, B 153")}));
    dlg->GetMenuItem(ID_EDIT_UNDO)->trigger();
    Settle();
    EXPECT_EQ(g_heard.take(QAccessible::DescriptionChanged).value(0),
              QStringLiteral("Pen 69: R 141, G 170, B 85"));
    ClickDlgItem(*dlg, IDC_DARK_BACKGROUND); // the default variants differ in pen 0 alone
    Settle();
    EXPECT_EQ(g_heard.take(QAccessible::DescriptionChanged),
              QStringList{QStringLiteral("Marker pen: R 255, G 255, B 255")});

    // Tab to the pens: the selected pen's focus is reported once the area's own is out.
    QWidget* light = dlg->GetDlgItem(IDC_LIGHT_BACKGROUND);
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    light->setFocus();
    g_heard.clear();
    QTest::keyClick(light, Qt::Key_Tab);
    Settle();
    EXPECT_EQ(g_heard.take(QAccessible::Focus),
              QStringList{QStringLiteral("Pen 69: R 141, G 170, B 85")});
    ListenToPenArea(nullptr);
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

    // Tab between the links names the focused one, for the eye and for screen readers.
    ASSERT_TRUE(QTest::qWaitForWindowActive(viewer));
    viewer->Browser()->setFocus();
    QTest::keyClick(viewer->Browser(), Qt::Key_Tab);
    EXPECT_TRUE(viewer->LinkLine()->text().startsWith(QStringLiteral("Link: ")))
        << viewer->LinkLine()->text().toStdString();
    EXPECT_EQ(viewer->Browser()->accessibleDescription(), viewer->LinkLine()->text());

    viewer->Browser()->setSource(
        QUrl::fromLocalFile(kHelpFolder + QStringLiteral("/edit_menu.html")));
    viewer->close();
    dlg->GetMenuItem(ID_HELP_CONTENTS)->trigger();
    EXPECT_EQ(dlg->findChildren<QDialog*>(Qt::FindDirectChildrenOnly), viewers);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->Browser()->source(), contents);
}

} // namespace

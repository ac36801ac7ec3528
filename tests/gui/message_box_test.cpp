// The message-box presenter: buttons, icons and answers of each style, texts as given.
#include <QMessageBox>
#include <QWidget>
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/qt_text.h"
#include "shared/xmessagebox.h"

namespace {

class MessageBox : public GuiTest {};

TEST_F(MessageBox, StylesGiveTheirButtonsIconsAndAnswers) {
    const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
    const QMessageBox::StandardButtons yesNoCancel = yesNo | QMessageBox::Cancel;
    const QMessageBox::StandardButton escape = QMessageBox::NoButton;
    struct StyleCase {
        unsigned int style;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press; // NoButton: Esc
        int result;
    };
    // The editor's tests see each style's buttons and icon; these are the answers.
    const StyleCase cases[] = {
        {0x30, QMessageBox::Warning, QMessageBox::Ok, escape, IDOK},
        {0x24, QMessageBox::Question, yesNo, QMessageBox::Yes, IDYES},
        {0x24, QMessageBox::Question, yesNo, escape, IDNO},
        {3, QMessageBox::NoIcon, yesNoCancel, QMessageBox::No, IDNO},
        {3, QMessageBox::NoIcon, yesNoCancel, escape, IDCANCEL},
    };
    // Line breaks, markup and ampersands are shown as they are.
    const wchar_t* text = L"There is only one palette in the file\ntherefore nothing to select."
                          L"\n\nWould you like to add <another> & more ?";
    QWidget owner;
    for (const StyleCase& c : cases) {
        MessageBoxSeen seen;
        Script().Then(c.press == escape
                          ? ModalHandler([](QDialog& box) { PressKey(box, Qt::Key_Escape); })
                          : AnswerMessageBox(c.press, &seen));
        SCOPED_TRACE(testing::Message() << "style " << c.style << " press " << c.press);
        EXPECT_EQ(XMessageBox(&owner, text, L"Info", c.style, nullptr), c.result);
        if (c.press == escape) {
            continue;
        }
        EXPECT_EQ(seen.caption, QStringLiteral("Info"));
        EXPECT_EQ(seen.text, ToQString(text));
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
        EXPECT_EQ(seen.owner, &owner);
    }
}

} // namespace

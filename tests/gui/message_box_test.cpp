// The message-box presenter: buttons, icons and answers of each style, texts as given.
#include <QMessageBox>
#include <QWidget>
#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/qt_text.h"
#include "shared/xmessagebox.h"

namespace {

class MessageBox : public GuiTest {};

struct StyleCase {
    unsigned int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton press;
    int result;
};

TEST_F(MessageBox, StylesGiveTheirButtonsIconsAndAnswers) {
    const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
    const QMessageBox::StandardButtons yesNoCancel = yesNo | QMessageBox::Cancel;
    const StyleCase cases[] = {
        {0x30, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok, IDOK},
        {0x24, QMessageBox::Question, yesNo, QMessageBox::Yes, IDYES},
        {0x24, QMessageBox::Question, yesNo, QMessageBox::No, IDNO},
        {3, QMessageBox::NoIcon, yesNoCancel, QMessageBox::Yes, IDYES},
        {3, QMessageBox::NoIcon, yesNoCancel, QMessageBox::No, IDNO},
        {3, QMessageBox::NoIcon, yesNoCancel, QMessageBox::Cancel, IDCANCEL},
    };
    QWidget owner;
    for (const StyleCase& c : cases) {
        MessageBoxSeen seen;
        Script().Then(AnswerMessageBox(c.press, &seen));
        EXPECT_EQ(XMessageBox(&owner, L"Text", L"Caption", c.style, nullptr), c.result)
            << "style " << c.style;
        EXPECT_EQ(seen.icon, c.icon) << "style " << c.style;
        EXPECT_EQ(seen.buttons, c.buttons) << "style " << c.style;
        EXPECT_EQ(seen.owner, &owner);
    }
}

TEST_F(MessageBox, CaptionAndTextShowAsGiven) {
    MessageBoxSeen seen;
    Script().Then(AnswerMessageBox(QMessageBox::No, &seen));
    const wchar_t* text = L"There is only one palette in the file\ntherefore nothing to select."
                          L"\n\nWould you like to add <another> & more ?";
    XMessageBox(nullptr, text, L"Info", 0x24, nullptr);
    EXPECT_EQ(seen.caption, QStringLiteral("Info"));
    EXPECT_EQ(seen.text, ToQString(text));
}

TEST_F(MessageBox, EscapeAnswersCancelOrNo) {
    struct EscapeCase {
        unsigned int style;
        int result;
    };
    for (const EscapeCase& c :
         {EscapeCase{3, IDCANCEL}, EscapeCase{0x24, IDNO}, EscapeCase{0x30, IDOK}}) {
        Script().Then([](QDialog& box) { PressKey(box, Qt::Key_Escape); });
        EXPECT_EQ(XMessageBox(nullptr, L"Text", L"Save", c.style, nullptr), c.result)
            << "style " << c.style;
    }
}

} // namespace

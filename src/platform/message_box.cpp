// ShowMessageBox over QMessageBox.
#include "platform/message_box.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "platform/modal_door.h"
#include "platform/qt_text.h"
#include "platform/translation.h"

namespace {

constexpr unsigned int kButtonMask = 0x0F;
constexpr unsigned int kIconMask = 0xF0;
constexpr unsigned int kOkCancel = 0x1;
constexpr unsigned int kIconStop = 0x10;
constexpr unsigned int kIconInformation = 0x40;

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton first;  // the default button, as with the original boxes
    QMessageBox::StandardButton escape; // what Esc and the close box answer
};

ButtonSet ButtonsOf(unsigned int style) {
    switch (style & kButtonMask) {
    case kOkCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MB_YESNOCANCEL:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                QMessageBox::Cancel};
    case MB_YESNO:
        // Yes/No has no Cancel; closing it anyway counts as No.
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    default:
        break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

QMessageBox::Icon IconOf(unsigned int style) {
    switch (style & kIconMask) {
    case kIconStop:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case kIconInformation:
        return QMessageBox::Information;
    default:
        break;
    }
    return QMessageBox::NoIcon;
}

int IdOf(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        break;
    }
    return IDOK;
}

} // namespace

int ShowMessageBox(QWidget* owner, const wchar_t* text, const wchar_t* caption,
                   unsigned int style) {
    const ButtonSet set = ButtonsOf(style);
    QMessageBox box(IconOf(style), Translated(caption), Translated(text), set.buttons, owner);
    // Plain text keeps "\n" as line breaks and shows '<' and '&' as they are.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(set.first);
    box.setEscapeButton(set.escape);
    RunModal(box);
    QAbstractButton* clicked = box.clickedButton();
    return IdOf(clicked != nullptr ? box.standardButton(clicked) : set.escape);
}

void InstallMessageBoxPresenter() {
    SetXMessageBoxPresenter(
        [](HWND owner, const wchar_t* text, const wchar_t* caption, unsigned int style) {
            return ShowMessageBox(static_cast<QWidget*>(owner), text, caption, style);
        });
}

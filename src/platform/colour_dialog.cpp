// CColorDialog over QColorDialog.
#include "platform/colour_dialog.h"

#include <QAbstractSpinBox>
#include <QColorDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "platform/modal_door.h"
#include "platform/qt_text.h"

namespace {

QColor ToQColor(COLORREF colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

COLORREF FromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return MakeColour(rgb.red(), rgb.green(), rgb.blue());
}

// The chooser's hex field takes a colour only with a leading '#'; people type and paste
// "ffcc00" as often. This lets the field take the bare form too, and leaves it as typed.
void AcceptBareHex(QColorDialog& dialog) {
    static const QRegularExpression hex(QStringLiteral("#?([0-9A-Fa-f]{6}|[0-9A-Fa-f]{3})"));
    static const QRegularExpression bareHex(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]{6}|[0-9A-Fa-f]{3}")));
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        // The number fields are spin boxes; the one free-standing edit is the hex field.
        if (qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) != nullptr) {
            continue;
        }
        edit->setValidator(new QRegularExpressionValidator(hex, edit));
        QObject::connect(edit, &QLineEdit::textEdited, &dialog,
                         [&dialog, edit](const QString& text) {
                             if (!bareHex.match(text).hasMatch()) {
                                 return;
                             }
                             const int cursor = edit->cursorPosition();
                             dialog.setCurrentColor(QColor(QLatin1Char('#') + text));
                             edit->setText(text);
                             edit->setCursorPosition(cursor);
                         });
    }
}

} // namespace

CColorDialog::CColorDialog(COLORREF initial, unsigned int flags, QWidget* owner) : m_pOwner(owner) {
    m_cc.rgbResult = initial;
    m_cc.Flags = flags;
}

int CColorDialog::DoModal() {
    if (m_cc.lpCustColors != nullptr) {
        for (int i = 0; i < kCustomColourCount; ++i) {
            QColorDialog::setCustomColor(i, ToQColor(m_cc.lpCustColors[i]));
        }
    }
    QColorDialog dialog(m_pOwner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(ToQColor((m_cc.Flags & CC_RGBINIT) != 0 ? m_cc.rgbResult : 0));
    if (!m_strTitle.empty()) {
        dialog.setWindowTitle(ToQString(m_strTitle));
    }
    AcceptBareHex(dialog);
    if (RunModal(dialog) != QDialog::Accepted) {
        return IDCANCEL;
    }
    m_cc.rgbResult = FromQColor(dialog.selectedColor());
    if (m_cc.lpCustColors != nullptr) {
        for (int i = 0; i < kCustomColourCount; ++i) {
            m_cc.lpCustColors[i] = FromQColor(QColorDialog::customColor(i));
        }
    }
    return IDOK;
}

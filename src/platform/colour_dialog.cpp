// CColorDialog over QColorDialog.
#include "platform/colour_dialog.h"

#include <QColorDialog>

#include "platform/modal_door.h"

namespace {

QColor ToQColor(COLORREF colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

COLORREF FromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return MakeColour(rgb.red(), rgb.green(), rgb.blue());
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

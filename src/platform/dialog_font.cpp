// The dialog font and the default device font.
#include "platform/dialog_font.h"

#include <QStringList>

namespace {

QStringList DialogFamilies() {
    // Narrow faces first: dialog texts were laid out for a narrow 8-point face.
    return {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
            QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Liberation Sans"),
            QStringLiteral("Sans Serif")};
}

} // namespace

QFont DialogFont() {
    QFont font;
    font.setFamilies(DialogFamilies());
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont DefaultDeviceFont() {
    QFont font = DialogFont();
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

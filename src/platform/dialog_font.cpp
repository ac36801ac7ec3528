// The dialog font and the default device font.
#include "platform/dialog_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

struct Face {
    QString family;
    int stretch; // percent; narrows a face that is wider than the layouts expect
};

// The first installed of the faces the dialog layouts fit. The texts were laid out for a
// narrow 8-point face whose letters average about 5.5 pixels at 11 pixels high, so wider
// faces are condensed to that. Asked by name, the font system would hand out any face for
// an unknown family, so only installed ones are taken.
Face DialogFace() {
    static const Face face = [] {
        const QStringList installed = QFontDatabase::families();
        const Face candidates[] = {
            {QStringLiteral("Tahoma"), 100},
            {QStringLiteral("Liberation Sans"), 95},
            {QStringLiteral("Arial"), 95},
            {QStringLiteral("DejaVu Sans"), 85},
        };
        for (const Face& candidate : candidates) {
            if (installed.contains(candidate.family, Qt::CaseInsensitive)) {
                return candidate;
            }
        }
        return Face{QString(), 85};
    }();
    return face;
}

} // namespace

QFont DialogFont() {
    const Face face = DialogFace();
    QFont font;
    if (!face.family.isEmpty()) {
        font.setFamily(face.family);
    }
    font.setStretch(face.stretch);
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont DefaultDeviceFont() {
    // The dialog font itself: drawing in it needs no second font engine, which would be the
    // dearest thing in the first frame. Painters make it bold by striking it twice.
    return DialogFont();
}

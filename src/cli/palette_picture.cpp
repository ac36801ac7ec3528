// Painting a palette the way the editor's client area shows it, into an image.
#include "cli/palette_picture.h"

#include <QApplication>
#include <QPainter>
#include <array>

#include "editor/palette_painter.h"
#include "platform/dialog_template.h"
#include "platform/dialog_units.h"
#include "platform/static_frame.h"
#include "resources/resource.h"

namespace {

// The editor selects pen 1 whenever a palette becomes current.
constexpr int kSelectedPen = 1;

constexpr std::array<int, 5> kAreaIds = {IDC_MAIN_GRID, IDC_SECONDARY_GRID, IDC_STANDARD_GRID,
                                         IDC_PEN_SWATCH, IDC_MARKER_SWATCH};

const DialogTemplate& EditorTemplate() {
    // Compiled into the program, so it is always there.
    return *FindDialogTemplate(IDD_TINTORA_DIALOG);
}

QRect ControlRect(const DialogControl& control) {
    return DluRectToPixels(control.x, control.y, control.cx, control.cy);
}

// The five area controls in the order of kAreaIds.
std::array<const DialogControl*, 5> AreaControls() {
    std::array<const DialogControl*, 5> areas{};
    for (const DialogControl& control : EditorTemplate().controls) {
        for (std::size_t i = 0; i < kAreaIds.size(); ++i) {
            if (control.id == kAreaIds[i]) {
                areas[i] = &control;
            }
        }
    }
    return areas;
}

GridFrames EditorFrames() {
    const auto areas = AreaControls();
    return {ToGridRect(ControlRect(*areas[0])), ToGridRect(ControlRect(*areas[1])),
            ToGridRect(ControlRect(*areas[2])), ToGridRect(ControlRect(*areas[3])),
            ToGridRect(ControlRect(*areas[4]))};
}

// The frame statics draw their borders over what the dialog painted inside them.
void PaintAreaBorders(QPainter& painter, const QPalette& colours) {
    for (const DialogControl* control : AreaControls()) {
        if (control->kind == ControlKind::EtchedFrame) {
            PaintEtchedFrame(painter, ControlRect(*control), colours);
        } else if (control->kind == ControlKind::BlackFrame) {
            PaintBlackFrame(painter, ControlRect(*control));
        }
    }
}

} // namespace

QRect PaletteAreasRect() {
    QRect areas;
    for (const DialogControl* control : AreaControls()) {
        areas |= ControlRect(*control);
    }
    return areas;
}

QImage PalettePicture(const PaletteEntry& palette, int background) {
    // Painted at client coordinates over the whole client area, then cut out, so that
    // every pixel is placed exactly as in the window.
    const DialogTemplate& dialog = EditorTemplate();
    const QPalette colours = QApplication::palette();
    QImage client(DluRectToPixels(0, 0, dialog.cx, dialog.cy).size(), QImage::Format_RGB32);
    client.fill(colours.color(QPalette::Window));
    {
        QPainter painter(&client);
        PaintPaletteAreas(painter, EditorFrames(),
                          palette.m_Colours[background != 0 ? kDarkBackground : kLightBackground],
                          kSelectedPen);
        PaintAreaBorders(painter, colours);
    }
    return client.copy(PaletteAreasRect());
}

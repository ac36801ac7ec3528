// Border painting of the frame and line statics.
#include "platform/static_frame.h"

#include <QPainter>
#include <algorithm>

namespace {

// A line one pixel wide along a row or a column, both ends included, in the pixels a
// one-pixel pen draws; filled rather than stroked, which costs a fraction of the rasteriser's
// work for a line.
void FillLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour) {
    painter.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                           QPoint(std::max(x1, x2), std::max(y1, y2))),
                     colour);
}

} // namespace

void PaintEtchedFrame(QPainter& painter, const QRect& rect, const QPalette& palette) {
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor highlight = palette.color(QPalette::Light);
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right(); // the last pixel column inside
    const int b = rect.bottom();
    // Outer edge sunken, inner edge raised: shadow-highlight pairs facing each other.
    FillLine(painter, l, t, r - 1, t, shadow);
    FillLine(painter, l, t, l, b - 1, shadow);
    FillLine(painter, l + 1, b - 1, r - 1, b - 1, shadow);
    FillLine(painter, r - 1, t + 1, r - 1, b - 1, shadow);
    FillLine(painter, l + 1, t + 1, r - 2, t + 1, highlight);
    FillLine(painter, l + 1, t + 1, l + 1, b - 2, highlight);
    FillLine(painter, l, b, r, b, highlight);
    FillLine(painter, r, t, r, b, highlight);
}

void PaintEtchedLine(QPainter& painter, const QRect& rect, const QPalette& palette) {
    FillLine(painter, rect.left(), rect.top(), rect.right(), rect.top(),
             palette.color(QPalette::Dark));
    FillLine(painter, rect.left(), rect.top() + 1, rect.right(), rect.top() + 1,
             palette.color(QPalette::Light));
}

void PaintBlackFrame(QPainter& painter, const QRect& rect) {
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

StaticFrame::StaticFrame(ControlKind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    // The dialog paints inside the frame and takes the pointer over it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
}

void StaticFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    switch (m_kind) {
    case ControlKind::EtchedFrame:
        PaintEtchedFrame(painter, rect(), palette());
        break;
    case ControlKind::BlackFrame:
        PaintBlackFrame(painter, rect());
        break;
    case ControlKind::EtchedHorz:
        PaintEtchedLine(painter, rect(), palette());
        break;
    default:
        break;
    }
}

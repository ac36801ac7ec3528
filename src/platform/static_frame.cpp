// Border painting of the frame and line statics.
#include "platform/static_frame.h"

#include <QPainter>

void PaintEtchedFrame(QPainter& painter, const QRect& rect, const QPalette& palette) {
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor highlight = palette.color(QPalette::Light);
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right(); // the last pixel column inside
    const int b = rect.bottom();
    // Outer edge sunken, inner edge raised: shadow-highlight pairs facing each other.
    painter.setPen(shadow);
    painter.drawLine(l, t, r - 1, t);
    painter.drawLine(l, t, l, b - 1);
    painter.drawLine(l + 1, b - 1, r - 1, b - 1);
    painter.drawLine(r - 1, t + 1, r - 1, b - 1);
    painter.setPen(highlight);
    painter.drawLine(l + 1, t + 1, r - 2, t + 1);
    painter.drawLine(l + 1, t + 1, l + 1, b - 2);
    painter.drawLine(l, b, r, b);
    painter.drawLine(r, t, r, b);
}

void PaintEtchedLine(QPainter& painter, const QRect& rect, const QPalette& palette) {
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(rect.left(), rect.top(), rect.right(), rect.top());
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(rect.left(), rect.top() + 1, rect.right(), rect.top() + 1);
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

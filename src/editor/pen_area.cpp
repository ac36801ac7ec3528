// PenArea: keys, focus indication and accessibility events over the editor's pen grids.
#include "editor/pen_area.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "editor/palette_painter.h"
#include "editor/pen_area_accessible.h"

namespace {

constexpr int kFirstPen = 1;
constexpr int kLastPen = 255;

QRect UnionOf(const GridFrames& frames) {
    QRect area;
    for (const GridRect* rect : {&frames.main, &frames.secondary, &frames.standard,
                                 &frames.penSwatch, &frames.markerSwatch}) {
        area |= ToQRect(*rect);
    }
    return area;
}

std::optional<PenStep> StepOfKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        return PenStep::Left;
    case Qt::Key_Right:
        return PenStep::Right;
    case Qt::Key_Up:
        return PenStep::Up;
    case Qt::Key_Down:
        return PenStep::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

PenArea::PenArea(PenAreaHost& host, QWidget* client) : QWidget(client), m_pHost(&host) {
    InstallPenAreaAccessibility();
    setObjectName(QStringLiteral("penArea"));
    setGeometry(UnionOf(host.PenFrames()));
    // Clicks belong to the editor underneath, and they do not show the focus indication.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

QRect PenArea::FromClient(const GridRect& rect) const {
    return ToQRect(rect).translated(-pos());
}

QRect PenArea::PenRect(int pen) const {
    const std::optional<GridCell> cell = CellOfPen(pen);
    if (!cell) {
        return {};
    }
    const GridFrames frames = m_pHost->PenFrames();
    return FromClient(DrawnCell(cell->grid, frames.Of(cell->grid), cell->row, cell->column));
}

QRect PenArea::SwatchRect(bool marker) const {
    const GridFrames frames = m_pHost->PenFrames();
    return FromClient(marker ? frames.markerSwatch : frames.penSwatch);
}

void PenArea::SelectionChanged(int oldPen) {
    update();
    NotifyPenSelection(*this, oldPen, m_pHost->SelectedPen());
}

void PenArea::paintEvent(QPaintEvent*) {
    if (!hasFocus()) {
        return;
    }
    // A dotted ring in the gap around the cell, black over white so that it shows on any
    // colour and on the window background alike.
    const QRect cell = PenRect(m_pHost->SelectedPen());
    const QRect ring(cell.x() - 1, cell.y() - 1, cell.width() + 1, cell.height() + 1);
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(ring);
}

void PenArea::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_F2) &&
        (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        m_pHost->EditPen(modifiers == Qt::ShiftModifier ? 0 : m_pHost->SelectedPen());
        return;
    }
    if (modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (const std::optional<PenStep> step = StepOfKey(key)) {
        Step(PenAfterStep(m_pHost->PenFrames(), m_pHost->SelectedPen(), *step));
    } else if (key == Qt::Key_Home || key == Qt::Key_End) {
        Step(key == Qt::Key_Home ? kFirstPen : kLastPen);
    } else {
        // Enter, Esc, F1 and the rest are the window's.
        QWidget::keyPressEvent(event);
    }
}

void PenArea::Step(int pen) {
    if (pen != m_pHost->SelectedPen()) {
        m_pHost->SelectPen(pen);
    }
}

void PenArea::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    NotifyPenSelection(*this, m_pHost->SelectedPen(), m_pHost->SelectedPen());
}

void PenArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

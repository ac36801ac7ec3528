// PenArea: keys, focus indication and accessibility events over the editor's pen grids.
#include "editor/pen_area.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "editor/palette_painter.h"
#include "editor/pen_area_accessible.h"

namespace {

constexpr int kFirstPen = 1;
constexpr int kLastPen = 255;
// Digits typed closer together than this make one pen number.
constexpr quint64 kTypingPauseMs = 1000;
// Above every pen number, so that a longer run of digits stays out of range.
constexpr int kNoPenNumber = 1000;

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

bool OpensChooser(int key) {
    return key == Qt::Key_Space || key == Qt::Key_F2 || key == Qt::Key_Return ||
           key == Qt::Key_Enter;
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

QRect PenArea::FrameRect(PenGrid grid) const {
    return FromClient(m_pHost->PenFrames().Of(grid));
}

void PenArea::ColoursShown() {
    std::array<COLORREF, kPenCount> shown{};
    for (int pen = 0; pen < kPenCount; ++pen) {
        shown[static_cast<std::size_t>(pen)] = m_pHost->ShownColour(pen);
    }
    if (m_announced) {
        for (int pen = 0; pen < kPenCount; ++pen) {
            if ((*m_announced)[static_cast<std::size_t>(pen)] !=
                shown[static_cast<std::size_t>(pen)]) {
                NotifyColourChanged(*this, pen);
            }
        }
    }
    m_announced = shown;
}

QRect PenArea::RingRect(int pen) const {
    const QRect cell = PenRect(pen);
    return cell.isNull() ? QRect() : cell.adjusted(-1, -1, 1, 1);
}

void PenArea::UpdateRing(int pen) {
    // The ring's own pixels only: they lie in the gap around the cell, so the cells (and a
    // hover mark on them) are not painted again.
    const QRect ring = RingRect(pen);
    if (!ring.isNull()) {
        update(QRegion(ring).subtracted(QRegion(ring.adjusted(1, 1, -1, -1))));
    }
}

void PenArea::SelectionChanged(int oldPen) {
    if (hasFocus() && oldPen != m_pHost->SelectedPen()) {
        UpdateRing(oldPen);
        UpdateRing(m_pHost->SelectedPen());
    }
    NotifyPenSelection(*this, oldPen, m_pHost->SelectedPen());
}

void PenArea::paintEvent(QPaintEvent*) {
    if (!hasFocus()) {
        return;
    }
    // A dotted ring in the gap around the cell, black over white so that it shows on any
    // colour and on the window background alike.
    const QRect outer = RingRect(m_pHost->SelectedPen());
    const QRect ring(outer.x(), outer.y(), outer.width() - 1, outer.height() - 1);
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(ring);
}

void PenArea::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (OpensChooser(key) && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
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
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        TypeDigit(key - Qt::Key_0, event->timestamp());
    } else {
        // Esc, F1 and the rest are the window's.
        QWidget::keyPressEvent(event);
    }
}

void PenArea::TypeDigit(int digit, quint64 time) {
    const bool continues = m_nTypedNumber != kNoTypedNumber && time - m_typedAt < kTypingPauseMs;
    m_nTypedNumber = continues ? std::min(m_nTypedNumber * 10 + digit, kNoPenNumber) : digit;
    m_typedAt = time;
    // Pen 0 lies in no grid, and numbers above the last pen name nothing.
    if (m_nTypedNumber >= kFirstPen && m_nTypedNumber <= kLastPen) {
        Step(m_nTypedNumber);
    }
}

void PenArea::Step(int pen) {
    if (pen != m_pHost->SelectedPen()) {
        m_pHost->SelectPen(pen);
    }
}

void PenArea::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    UpdateRing(m_pHost->SelectedPen());
    // Qt reports the focus on the area itself after this handler; the pen's report must
    // come last, or the screen reader stays on the area.
    QTimer::singleShot(0, this, [this]() { NotifyPenFocus(*this); });
}

void PenArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    UpdateRing(m_pHost->SelectedPen());
}

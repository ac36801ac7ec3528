// Empty static controls that draw only a border (etched frame, black frame, etched line),
// and the border painting itself, so that an image of the window can draw the same borders.
// They fill nothing: what the dialog paints inside them shows through, and their border is
// drawn on top of it.
#pragma once

#include <QWidget>

#include "platform/dialog_template.h"

class QPainter;

// Two-pixel etched border of rect: shadow line outside-top-left, highlight inside.
void PaintEtchedFrame(QPainter& painter, const QRect& rect, const QPalette& palette);
// Etched line along the top of rect.
void PaintEtchedLine(QPainter& painter, const QRect& rect, const QPalette& palette);
// One-pixel black border of rect.
void PaintBlackFrame(QPainter& painter, const QRect& rect);

class StaticFrame : public QWidget {
public:
    StaticFrame(ControlKind kind, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ControlKind m_kind;
};

// PenArea: the three pen grids and the two swatches as one keyboard stop. It lies over the
// editor's client area and lets the pointer through, so clicks and painting stay the
// editor's; it adds the keys, the focus indication on the selected pen's cell, and the
// object that screen readers walk (pen_area_accessible.h).
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "editor/pen_grid_layout.h"
#include "model/colour.h"
#include "model/palette_entry.h"

// What the pen area needs of the editor window.
class PenAreaHost {
public:
    // The five areas in the client coordinates of the widget the pen area lies on.
    virtual GridFrames PenFrames() const = 0;
    virtual int SelectedPen() const = 0;
    // Selects pen as a click on its cell does.
    virtual void SelectPen(int pen) = 0;
    virtual COLORREF ShownColour(int pen) const = 0;
    // Opens the colour chooser for pen as a double click on its swatch does (the selected
    // pen, or 0 for the marker pen).
    virtual void EditPen(int pen) = 0;
    // Whether the window marks pen as standing out too little from its background.
    virtual bool ShowsLowContrast(int pen) const = 0;

protected:
    ~PenAreaHost() = default;
};

class PenArea : public QWidget {
public:
    // Lies over client, covering the five areas; a tab stop that clicks do not focus.
    PenArea(PenAreaHost& host, QWidget* client);

    PenAreaHost& Host() const { return *m_pHost; }
    // The drawn cell of pen (1 to 255) in this widget's coordinates; the two swatches.
    QRect PenRect(int pen) const;
    QRect SwatchRect(bool marker) const;
    QRect FrameRect(PenGrid grid) const;

    // Tells the pen area (and assistive technology) that the selection moved from oldPen.
    void SelectionChanged(int oldPen);
    // Tells assistive technology which shown colours changed since it was last told. Every
    // change of a shown colour repaints the window, whatever caused it, so the painting
    // calls this.
    void ColoursShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QRect FromClient(const GridRect& rect) const;
    // The focus ring of pen: the one-pixel line just outside its cell.
    QRect RingRect(int pen) const;
    void UpdateRing(int pen);
    void Step(int pen);
    // Digits typed within a second of each other select the pen of that number.
    void TypeDigit(int digit, quint64 time);

    static constexpr int kNoTypedNumber = -1;

    PenAreaHost* m_pHost;
    int m_nTypedNumber = kNoTypedNumber;
    quint64 m_typedAt = 0;
    // The colours assistive technology was last told of; empty before the first painting.
    std::optional<std::array<COLORREF, kPenCount>> m_announced;
};

// Measuring and widening controls for translated texts.
#include "platform/text_fit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

#include "platform/dialog_units.h"

namespace {

// A control's text as drawn: the mnemonic marker takes no room.
QString ShownText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    shown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return shown;
}

int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

int PushButtonWidth(const QPushButton& button) {
    // The style's own size hint has a minimum width wider than the template's buttons;
    // what matters is the room the text needs between the button's frame and margins.
    const QStyle* style = button.style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                             style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button));
    return button.fontMetrics().horizontalAdvance(ShownText(button.text())) + margins;
}

bool SameRow(const QRect& a, const QRect& b) {
    return a.top() < b.bottom() && b.top() < a.bottom();
}

// Widens control by extra pixels, moving the controls to its right on its row along, and
// the controls aligned with them in other rows (an edit's column, say); adds every control
// it touches to touched.
void Widen(QWidget& control, int extra, const std::vector<QWidget*>& controls,
           std::vector<QWidget*>& touched) {
    const QRect before = control.geometry();
    control.resize(before.width() + extra, before.height());
    touched.push_back(&control);
    std::vector<int> columns; // the left edges of what moved, where other rows align
    for (QWidget* other : controls) {
        const QRect rect = other->geometry();
        if (other != &control && rect.left() >= before.right() && SameRow(rect, before)) {
            columns.push_back(rect.left());
        }
    }
    for (QWidget* other : controls) {
        const QRect rect = other->geometry();
        if (other != &control && std::ranges::count(columns, rect.left()) > 0) {
            other->move(rect.x() + extra, rect.y());
            touched.push_back(other);
        }
    }
}

} // namespace

int NeededTextWidth(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text().isEmpty() ? 0 : WidestLine(label->fontMetrics(), label->text());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return PushButtonWidth(*button);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return button->text().isEmpty() ? 0 : button->sizeHint().width();
    }
    return 0;
}

bool TextFits(const QWidget& control) {
    const auto* label = qobject_cast<const QLabel*>(&control);
    if (label != nullptr && label->wordWrap() && !label->text().isEmpty()) {
        return label->heightForWidth(label->width()) <= label->height();
    }
    return NeededTextWidth(control) <= control.width();
}

void FitTexts(QWidget& client, const std::vector<QWidget*>& controls) {
    std::vector<QWidget*> touched;
    for (QWidget* control : controls) {
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label != nullptr && label->wordWrap()) {
            // A wrapping text is given more width, a little at a time, until its lines fit.
            while (!TextFits(*control) && control->width() < 4 * client.width()) {
                Widen(*control, DluToPixelsX(8), controls, touched);
            }
        } else if (const int extra = NeededTextWidth(*control) - control->width(); extra > 0) {
            Widen(*control, extra, controls, touched);
        }
    }
    int width = client.width();
    for (const QWidget* control : touched) {
        width = std::max(width, control->geometry().right() + 1 + DluToPixelsX(7));
    }
    if (width == client.width()) {
        return;
    }
    // Lines drawn across the whole dialog stay across it.
    for (QWidget* control : controls) {
        if (control->x() == 0 && control->width() == client.width()) {
            control->resize(width, control->height());
        }
    }
    client.setFixedWidth(width);
}

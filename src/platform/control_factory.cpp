// One Qt widget per control kind.
#include "platform/control_factory.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "platform/controls.h"
#include "platform/dialog_units.h"
#include "platform/icons.h"
#include "platform/qt_text.h"
#include "platform/static_frame.h"
#include "platform/translation.h"

namespace {

constexpr int kIconSize = 32;
constexpr int kTwoLines = 16; // dialog units

QWidget* CreateStaticText(const DialogControl& control, QWidget* client) {
    auto* label = new QLabel(Translated(control.text), client);
    // Texts show as they are: palette names may hold '<' or '&'.
    label->setTextFormat(Qt::PlainText);
    // Texts wrap where the control has room for more than one line; a one-line control
    // shows its text whole rather than breaking it into a line nobody sees.
    label->setWordWrap(control.cy >= kTwoLines);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if ((control.style & SS_CENTER) != 0) {
        horizontal = Qt::AlignHCenter;
    } else if ((control.style & SS_RIGHT) != 0) {
        horizontal = Qt::AlignRight;
    }
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setContentsMargins(0, 0, 0, 0);
    label->setMargin(0);
    // A text whose content changes while the pointer moves fills its own background, so
    // that changing it repaints the label alone and never the dialog under it.
    label->setAutoFillBackground(true);
    return label;
}

QWidget* CreateIcon(const DialogControl& control, QWidget* client) {
    auto* label = new QLabel(client);
    label->setPixmap(IconPixmap(control.image, kIconSize, client->devicePixelRatioF()));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateButton(const DialogControl& control, QWidget* client) {
    const QString text = Translated(control.text);
    switch (control.kind) {
    case ControlKind::CheckBox:
        return new QCheckBox(text, client);
    case ControlKind::RadioButton: {
        // Exclusive: screen readers see a radio button only then (a non-exclusive one is a
        // check box to them), and the arrow keys move within the group. Which buttons form
        // the group is the template's (CDialog puts each in a button group, which overrides
        // sharing a parent).
        return new QRadioButton(text, client);
    }
    default:
        break;
    }
    auto* button = new QPushButton(text, client);
    // A focused push button takes Enter, as the dialog manager does.
    button->setAutoDefault(true);
    button->setDefault(control.kind == ControlKind::DefPushButton);
    return button;
}

QWidget* CreateListBox(const DialogControl& control, QWidget* client) {
    auto* list = new QListWidget(client);
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy((control.style & WS_VSCROLL) != 0 ? Qt::ScrollBarAsNeeded
                                                                       : Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy((control.style & WS_HSCROLL) != 0 ? Qt::ScrollBarAsNeeded
                                                                         : Qt::ScrollBarAlwaysOff);
    list->setFrameShape((control.style & WS_BORDER) != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
    return list;
}

QWidget* CreateEdit(const DialogControl& control, QWidget* client) {
    auto* edit = new QLineEdit(ToQString(control.text), client);
    edit->setFrame((control.style & WS_BORDER) != 0);
    // Names and descriptions of any length a palette file holds must survive an edit.
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QWidget* CreateWidget(const DialogControl& control, QWidget* client) {
    switch (control.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        return CreateButton(control, client);
    case ControlKind::StaticText:
        return CreateStaticText(control, client);
    case ControlKind::EtchedFrame:
    case ControlKind::BlackFrame:
    case ControlKind::EtchedHorz:
        return new StaticFrame(control.kind, client);
    case ControlKind::Icon:
        return CreateIcon(control, client);
    case ControlKind::Edit:
        return CreateEdit(control, client);
    case ControlKind::ListBox:
        break;
    }
    return CreateListBox(control, client);
}

bool IsStatic(ControlKind kind) {
    return kind == ControlKind::StaticText || kind == ControlKind::EtchedFrame ||
           kind == ControlKind::BlackFrame || kind == ControlKind::EtchedHorz ||
           kind == ControlKind::Icon;
}

} // namespace

QWidget* CreateControl(const DialogControl& control, QWidget* client) {
    QWidget* widget = CreateWidget(control, client);
    SetControlId(widget, control.id);
    if (control.id != IDC_STATIC) {
        widget->setObjectName(QStringLiteral("control%1").arg(control.id));
    }
    QRect rect = DluRectToPixels(control.x, control.y, control.cx, control.cy);
    if (control.kind == ControlKind::Icon) {
        // An icon static takes the size of its icon, whatever the template says.
        rect.setSize(QSize(kIconSize, kIconSize));
    }
    widget->setGeometry(rect);
    if (IsStatic(control.kind) && (control.style & SS_NOTIFY) == 0) {
        // Statics let the pointer through to the dialog, which does its own hit testing.
        widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const bool tabStop = (control.style & WS_TABSTOP) != 0 || control.kind == ControlKind::Edit ||
                         control.kind == ControlKind::ListBox;
    if (!IsStatic(control.kind)) {
        widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    }
    return widget;
}

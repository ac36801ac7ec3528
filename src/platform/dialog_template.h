// Dialog templates and menus as data, what a resource script holds: controls with their ids,
// kinds, texts, styles and positions in dialog units. The program's own templates are in
// resources/dialog_templates.cpp; CDialog looks them up by id and builds the widgets.
//
// Adding a dialog: give it an id in resources/resource.h, a DialogTemplate in
// resources/dialog_templates.cpp (listed in its table), and derive from CDialog with that id.
#pragma once

#include <vector>

// Control ids of the dialog manager.
inline constexpr int IDC_STATIC = -1; // a control nobody looks up

enum class ControlKind {
    PushButton,
    DefPushButton, // the button Enter presses
    CheckBox,      // automatic: toggles itself when clicked
    RadioButton,   // automatic: exclusive within its group
    StaticText,
    EtchedFrame, // empty static with an etched border
    BlackFrame,  // empty static with a one-pixel black border
    EtchedHorz,  // etched horizontal line
    Icon,        // static showing the icon resource DialogControl::image at 32 x 32
    Edit,
    ListBox,
};

// Style flags of a control (the window and control styles the window layer honours).
enum ControlStyle : unsigned {
    WS_GROUP = 1u << 0,        // starts a group (radio buttons exclusive up to the next one)
    WS_TABSTOP = 1u << 1,      // reached with Tab
    WS_BORDER = 1u << 2,       // edits and list boxes: sunken border
    WS_VSCROLL = 1u << 3,      // vertical scroll bar when needed
    WS_HSCROLL = 1u << 4,      // horizontal scroll bar when needed
    SS_NOPREFIX = 1u << 5,     // static text shows '&' as it is
    SS_CENTER = 1u << 6,       // static text centred
    SS_RIGHT = 1u << 7,        // static text right-aligned
    SS_NOTIFY = 1u << 8,       // static takes pointer input (otherwise it lets it through)
    LBS_NOTIFY = 1u << 9,      // list box reports double clicks and selection changes
    ES_AUTOHSCROLL = 1u << 10, // edit scrolls horizontally while typing
    LBS_NOINTEGRALHEIGHT = 1u << 11,
};

struct DialogControl {
    int id = IDC_STATIC;
    ControlKind kind = ControlKind::StaticText;
    const wchar_t* text = L"";
    int x = 0; // left, top, width and height in dialog units
    int y = 0;
    int cx = 0;
    int cy = 0;
    unsigned style = 0;
    int image = 0; // icon resource id of an Icon control
};

// Styles of a whole dialog.
enum DialogStyle : unsigned {
    WS_EX_APPWINDOW = 1u << 0, // a window of its own in the taskbar (the main window)
};

struct DialogTemplate {
    int id = 0;
    const wchar_t* caption = L"";
    int cx = 0; // client size in dialog units
    int cy = 0;
    int menu = 0; // menu resource id, 0 for none
    unsigned style = 0;
    std::vector<DialogControl> controls;
};

// Styles of a menu item.
enum MenuItemStyle : unsigned {
    MFT_CHECK = 1u << 0,      // shows a check mark that a choice turns on and off
    MFT_RADIOCHECK = 1u << 1, // one of a choice: exclusive with its neighbours of this style
};

// One menu item; a null text is a separator.
struct MenuItem {
    const wchar_t* text = nullptr;
    int id = 0;
    unsigned style = 0;
};

struct MenuPopup {
    const wchar_t* text = L"";
    std::vector<MenuItem> items;
};

struct MenuTemplate {
    int id = 0;
    std::vector<MenuPopup> popups;
};

// The program's templates by id; null for an unknown id.
const DialogTemplate* FindDialogTemplate(int id);
const MenuTemplate* FindMenuTemplate(int id);

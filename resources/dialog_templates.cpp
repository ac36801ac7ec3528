// The program's dialog templates and its menu, in dialog units, as a resource script would
// hold them.
#include <array>

#include "platform/dialog_template.h"
#include "resources/resource.h"
#include "shared/translatable.h"
#include "shared/xmessagebox.h"

namespace {

using K = ControlKind;

const DialogTemplate kAboutBox = {
    IDD_ABOUTBOX,
    L"" QT_TRANSLATE_NOOP("Tintora", "About Tintora"),
    235,
    55,
    0,
    0,
    {
        {IDC_STATIC, K::Icon, L"", 11, 17, 20, 20, 0, IDR_MAINFRAME},
        {IDC_VERSION, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "Tintora Version 1.1"), 40,
         10, 119, 8, SS_NOPREFIX},
        {IDOK, K::DefPushButton, L"" QT_TRANSLATE_NOOP("Tintora", "OK"), 178, 32, 50, 16,
         WS_GROUP | WS_TABSTOP},
    },
};

const DialogTemplate kEditor = {
    IDD_TINTORA_DIALOG,
    L"" QT_TRANSLATE_NOOP("Tintora", "Tintora"),
    302,
    231,
    IDR_MENU,
    WS_EX_APPWINDOW,
    {
        {IDC_STATIC, K::EtchedHorz, L"", 0, 0, 302, 1},
        {IDC_PALETTE_LABEL, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "Current palette:"), 7,
         8, 288, 8, SS_NOPREFIX},
        {IDC_LIGHT_BACKGROUND, K::RadioButton, L"" QT_TRANSLATE_NOOP("Tintora", "Light background"),
         7, 25, 80, 10, WS_GROUP | WS_TABSTOP},
        {IDC_DARK_BACKGROUND, K::RadioButton, L"" QT_TRANSLATE_NOOP("Tintora", "Dark background"),
         95, 25, 80, 10},
        {IDC_MAIN_GRID, K::EtchedFrame, L"", 7, 46, 153, 19},
        {IDC_SECONDARY_GRID, K::EtchedFrame, L"", 193, 46, 102, 19},
        {IDC_STANDARD_GRID, K::EtchedFrame, L"", 7, 71, 288, 100},
        {IDC_PEN_OVER, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "Pen Over:"), 7, 175, 140,
         8},
        {IDC_RGB_OVER, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "RGB Over:"), 155, 175, 140,
         8, SS_RIGHT},
        {IDC_PEN_SWATCH, K::BlackFrame, L"", 19, 188, 110, 20},
        {IDC_MARKER_SWATCH, K::BlackFrame, L"", 177, 188, 110, 20},
        {IDC_PEN_LABEL, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "Pen: 0"), 19, 211, 110, 8,
         SS_CENTER},
        {IDC_PEN_RGB, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "R: 255 G: 255 B: 255"), 19,
         220, 110, 8, SS_CENTER},
        {IDC_STATIC, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "Pen: 0 (Marker)"), 177, 211,
         110, 8, SS_CENTER},
        {IDC_MARKER_RGB, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "R: 255 G: 255 B: 255"),
         177, 220, 110, 8, SS_CENTER},
    },
};

const DialogTemplate kSelectPalette = {
    IDD_SELPALETTE_DIALOG,
    L"" QT_TRANSLATE_NOOP("Tintora", "Select Palette"),
    186,
    95,
    0,
    0,
    {
        {IDC_PALETTE_LIST, K::ListBox, L"", 7, 7, 172, 62,
         WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT},
        {IDOK, K::DefPushButton, L"" QT_TRANSLATE_NOOP("Tintora", "OK"), 35, 74, 50, 14,
         WS_TABSTOP},
        {IDCANCEL, K::PushButton, L"" QT_TRANSLATE_NOOP("Tintora", "Cancel"), 101, 74, 50, 14,
         WS_TABSTOP},
    },
};

const DialogTemplate kAddPalette = {
    IDD_ADDPALETTE_DIALOG,
    L"" QT_TRANSLATE_NOOP("Tintora", "Add Palette"),
    186,
    82,
    0,
    0,
    {
        {IDC_STATIC, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "Name"), 7, 10, 19, 8},
        {IDC_PALETTE_NAME, K::Edit, L"", 71, 7, 108, 14, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP},
        {IDC_STATIC, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "Description"), 7, 33, 36, 8},
        {IDC_PALETTE_DESCRIPTION, K::Edit, L"", 71, 30, 108, 14,
         WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP},
        {IDOK, K::DefPushButton, L"" QT_TRANSLATE_NOOP("Tintora", "OK"), 35, 61, 50, 14,
         WS_TABSTOP},
        {IDCANCEL, K::PushButton, L"" QT_TRANSLATE_NOOP("Tintora", "Cancel"), 101, 61, 50, 14,
         WS_TABSTOP},
    },
};

const DialogTemplate kWarning = {
    IDD_WARNING_DIALOG,
    L"" QT_TRANSLATE_NOOP("Tintora", "Important Message"),
    316,
    136,
    0,
    0,
    {
        {IDOK, K::DefPushButton, L"" QT_TRANSLATE_NOOP("Tintora", "OK"), 259, 115, 50, 14,
         WS_TABSTOP},
        {IDC_DONT_SHOW, K::CheckBox, L"" QT_TRANSLATE_NOOP("Tintora", "Do not show this again"), 7,
         119, 89, 10, WS_TABSTOP},
        {IDC_STATIC, K::StaticText,
         L"" QT_TRANSLATE_NOOP(
             "Tintora",
             "Modified files should NOT be written back to the All Users folder as they can and "
             "will be overwritten when updates are installed."),
         7, 7, 302, 19},
        {IDC_STATIC, K::StaticText,
         L"" QT_TRANSLATE_NOOP(
             "Tintora",
             "Modified files should be stored in the Shared folder (if available) or the User "
             "folder which the program will always use in preference to the All Users folder "
             "when trying to locate a file."),
         7, 33, 302, 20},
        {IDC_STATIC, K::StaticText,
         L"" QT_TRANSLATE_NOOP(
             "Tintora",
             "The File Open and Save dialogs offer the following shortcut icons for quick access "
             "to the relevant folders:"),
         7, 60, 302, 20},
        {IDC_STATIC, K::Icon, L"", 55, 84, 21, 20, 0, IDI_SHARED_FOLDER},
        {IDC_STATIC, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "Shared folder"), 83, 90, 44,
         8},
        {IDC_STATIC, K::Icon, L"", 137, 84, 21, 20, 0, IDI_ALLUSERS},
        {IDC_STATIC, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "All Users"), 165, 90, 28, 8},
        {IDC_STATIC, K::Icon, L"", 215, 84, 21, 20, 0, IDI_USER},
        {IDC_STATIC, K::StaticText, L"" QT_TRANSLATE_NOOP("Tintora", "User"), 243, 90, 16, 8},
    },
};

const MenuTemplate kMenu = {
    IDR_MENU,
    {
        {L"" QT_TRANSLATE_NOOP("Tintora", "&File"),
         {
             {L"" QT_TRANSLATE_NOOP("Tintora", "&New"), ID_FILE_NEW},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Open"), ID_FILE_OPEN},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Save"), ID_FILE_SAVE},
             {L"" QT_TRANSLATE_NOOP("Tintora", "Save &As"), ID_FILE_SAVE_AS},
             {},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Import Veldra 3.x"), ID_IMPORT_VELDRA},
             {L"" QT_TRANSLATE_NOOP("Tintora", "Import &Palette\u2026"), ID_IMPORT_PALETTE},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Export Palette\u2026"), ID_EXPORT_PALETTE},
             {},
             {L"" QT_TRANSLATE_NOOP("Tintora", "E&xit"), ID_EXIT},
         }},
        {L"" QT_TRANSLATE_NOOP("Tintora", "&Edit"),
         {
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Select Palette"), ID_SELECT_PALETTE},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Add Palette"), ID_ADD_PALETTE},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Delete Palette"), ID_DELETE_PALETTE},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Rename Palette"), ID_RENAME_PALETTE},
             {},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Undo"), ID_EDIT_UNDO},
             {L"" QT_TRANSLATE_NOOP("Tintora", "R&edo"), ID_EDIT_REDO},
             {},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Copy Colour"), ID_EDIT_COPY},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Paste Colour"), ID_EDIT_PASTE},
             {},
             {L"" QT_TRANSLATE_NOOP("Tintora", "Derive Dar&k Colours"), ID_DERIVE_DARK},
             {L"" QT_TRANSLATE_NOOP("Tintora", "Derive &Light Colours"), ID_DERIVE_LIGHT},
         }},
        {L"" QT_TRANSLATE_NOOP("Tintora", "&View"),
         {
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Normal Vision"), ID_VIEW_NORMAL, MFT_RADIOCHECK},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Protanopia"), ID_VIEW_PROTANOPIA, MFT_RADIOCHECK},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Deuteranopia"), ID_VIEW_DEUTERANOPIA,
              MFT_RADIOCHECK},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Tritanopia"), ID_VIEW_TRITANOPIA, MFT_RADIOCHECK},
             {},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&Mark Low-Contrast Pens"),
              ID_VIEW_MARK_LOW_CONTRAST, MFT_CHECK},
         }},
        {L"" QT_TRANSLATE_NOOP("Tintora", "&Help"),
         {
             {L"" QT_TRANSLATE_NOOP("Tintora", "Contents"), ID_HELP_CONTENTS},
             {L"" QT_TRANSLATE_NOOP("Tintora", "&About Tintora"), ID_ABOUT},
         }},
    },
};

const std::array<const DialogTemplate*, 5> kDialogs = {&kAboutBox, &kEditor, &kSelectPalette,
                                                       &kAddPalette, &kWarning};

} // namespace

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate* dialog : kDialogs) {
        if (dialog->id == id) {
            return dialog;
        }
    }
    return nullptr;
}

const MenuTemplate* FindMenuTemplate(int id) {
    return id == kMenu.id ? &kMenu : nullptr;
}

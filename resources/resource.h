// Resource ids of the program: dialog templates, menu, icons, controls and commands.
#pragma once

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_TINTORA_DIALOG = 102;
inline constexpr int IDD_SELPALETTE_DIALOG = 130;
inline constexpr int IDD_ADDPALETTE_DIALOG = 131;
inline constexpr int IDD_WARNING_DIALOG = 135;

// Menu and icons.
inline constexpr int IDR_MAINFRAME = 128; // the application icon
inline constexpr int IDR_MENU = 129;
inline constexpr int IDI_ALLUSERS = 132;
inline constexpr int IDI_SHARED_FOLDER = 133;
inline constexpr int IDI_USER = 134;

// Controls of the editor dialog (template 102).
inline constexpr int IDC_MAIN_GRID = 1000;
inline constexpr int IDC_SECONDARY_GRID = 1001;
inline constexpr int IDC_STANDARD_GRID = 1002;
inline constexpr int IDC_PEN_OVER = 1003;
inline constexpr int IDC_RGB_OVER = 1004;
inline constexpr int IDC_PEN_SWATCH = 1005;
inline constexpr int IDC_PEN_LABEL = 1006;
inline constexpr int IDC_PEN_RGB = 1007;
inline constexpr int IDC_PALETTE_LABEL = 1008;
inline constexpr int IDC_MARKER_SWATCH = 1009;
inline constexpr int IDC_MARKER_RGB = 1012;
inline constexpr int IDC_LIGHT_BACKGROUND = 1014;
inline constexpr int IDC_DARK_BACKGROUND = 1015;

// Controls of the small dialogs.
inline constexpr int IDC_PALETTE_LIST = 1010;        // template 130
inline constexpr int IDC_PALETTE_NAME = 1011;        // template 131
inline constexpr int IDC_PALETTE_DESCRIPTION = 1013; // template 131
inline constexpr int IDC_VERSION = 1016;             // template 100
inline constexpr int IDC_DONT_SHOW = 1017;           // template 135

// Menu commands (menu 129).
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_IMPORT_VELDRA = 32782;
inline constexpr int ID_IMPORT_PALETTE = 32783;
inline constexpr int ID_EXPORT_PALETTE = 32784;
inline constexpr int ID_EXIT = 32774;
inline constexpr int ID_SELECT_PALETTE = 32775;
inline constexpr int ID_ABOUT = 32776;
inline constexpr int ID_ADD_PALETTE = 32777;
inline constexpr int ID_DELETE_PALETTE = 32779;
inline constexpr int ID_RENAME_PALETTE = 32780;
inline constexpr int ID_HELP_CONTENTS = 32781;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_DERIVE_DARK = 32785;
inline constexpr int ID_DERIVE_LIGHT = 32786;
inline constexpr int ID_VIEW_NORMAL = 32787; // the four visions in the order of Vision
inline constexpr int ID_VIEW_PROTANOPIA = 32788;
inline constexpr int ID_VIEW_DEUTERANOPIA = 32789;
inline constexpr int ID_VIEW_TRITANOPIA = 32790;
inline constexpr int ID_VIEW_MARK_LOW_CONTRAST = 32791;

// Shortcut buttons of the file dialog.
inline constexpr int ID_OPEN_SHARED_FOLDER = 40791;
inline constexpr int ID_OPEN_ALLUSERS_FOLDER = 40792;
inline constexpr int ID_OPEN_USER_FOLDER = 40793;

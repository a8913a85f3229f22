// The resources of a program in plain structures: dialog templates, icons
// and strings. The program's resource units define one AfxResources table
// and the entry point registers it with AfxSetResources.
//
// Plain declarations only: the resource units that include this header are
// compiled to code page 949 and may include nothing else.
#pragma once

// Kinds of dialog controls.
enum AfxControlKind {
    AFX_CTL_STATIC,
    AFX_CTL_BUTTON,
    AFX_CTL_CHECKBOX,
    AFX_CTL_EDIT,
    AFX_CTL_COMBOBOX,
    AFX_CTL_LISTVIEW,
};

// Control styles.
enum AfxControlStyle : unsigned {
    AFX_CS_HIDDEN = 0x0001,          // created hidden
    AFX_CS_DISABLED = 0x0002,        // created disabled
    AFX_CS_CENTER = 0x0004,          // centred text (statics, edits)
    AFX_CS_AUTOHSCROLL = 0x0008,     // edit scrolls; without it the text stops at the width
    AFX_CS_DROPDOWNLIST = 0x0010,    // combo box without typing
    AFX_CS_VSCROLL = 0x0020,
    AFX_CS_REPORT = 0x0040,          // list control in report view
    AFX_CS_SINGLESEL = 0x0080,       // list control: one selected row at most
    AFX_CS_SHOWSELALWAYS = 0x0100,   // list control: selection shown without focus
    AFX_CS_BORDER = 0x0200,
    AFX_CS_DEFPUSHBUTTON = 0x0400,
};

// Dialog styles.
enum AfxDialogStyle : unsigned {
    AFX_DS_CAPTION = 0x0001,
    AFX_DS_SYSMENU = 0x0002,      // system menu and close box
    AFX_DS_MINIMIZEBOX = 0x0004,
    AFX_DS_MODALFRAME = 0x0008,
    AFX_DS_APPWINDOW = 0x0010,    // shown in the task bar
    AFX_DS_CLIENTEDGE = 0x0020,
    AFX_DS_VISIBLE = 0x0040,      // shown as soon as it is created
};

// The id of a control that the program never addresses.
#define IDC_STATIC (-1)
// The ids of a dialog's OK and Cancel buttons (the same as in win32/Win32.h).
#define IDOK 1
#define IDCANCEL 2

// One control: position and size in dialog units.
struct AfxDialogItem {
    int id;
    AfxControlKind kind;
    const char* text;  // code page 949
    int x, y, cx, cy;
    unsigned style;    // AfxControlStyle bits
};

struct AfxDialogTemplate {
    int id;
    int cx, cy;            // client area in dialog units
    unsigned style;        // AfxDialogStyle bits
    const char* caption;   // code page 949
    const char* fontName;  // code page 949; the platform's replacement face is used
    int pointSize;
    const AfxDialogItem* items;  // in template order, which is also the tab order
    int itemCount;
};

// An icon drawn as rows of characters, each character a colour of the
// palette (a character without an entry is transparent).
struct AfxIconColour {
    char key;
    unsigned argb;
};

struct AfxIcon {
    int id;
    int width, height;
    const char* const* rows;  // height rows of width characters
    const AfxIconColour* palette;
    int paletteCount;
};

struct AfxString {
    unsigned id;
    const char* text;  // code page 949
};

struct AfxResources {
    const AfxDialogTemplate* dialogs;
    int dialogCount;
    const AfxIcon* icons;
    int iconCount;
    const AfxString* strings;
    int stringCount;
};

// The framework's own strings.
#define AFX_IDP_PARSE_INT 0xF110u  // "enter an integer", the data exchange's prompt

// Registers the resources that the framework looks templates, icons and
// strings up in (null: none).
void AfxSetResources(const AfxResources* resources);

// The executable's resources, defined in res/.
extern const AfxResources g_appResources;

// Window messages, notification codes, key codes and the other plain values
// and functions of the window system that the framework's classes use.
#pragma once

#include "win32/Win32.h"

// ---- Messages -------------------------------------------------------------
#define WM_NULL 0x0000u
#define WM_MOVE 0x0003u
#define WM_PAINT 0x000Fu
#define WM_CLOSE 0x0010u
#define WM_ICONERASEBKGND 0x0027u
#define WM_QUERYDRAGICON 0x0037u
#define WM_KEYDOWN 0x0100u
#define WM_KEYUP 0x0101u
#define WM_SYSKEYDOWN 0x0104u
#define WM_COMMAND 0x0111u

// A message as the message loop hands it to PreTranslateMessage.
struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
typedef MSG* LPMSG;

#define MAKELPARAM(lo, hi) ((LPARAM)(DWORD)(((WORD)(lo)) | (((DWORD)(WORD)(hi)) << 16)))
#define MAKEWPARAM(lo, hi) ((WPARAM)(DWORD)(((WORD)(lo)) | (((DWORD)(WORD)(hi)) << 16)))

// ---- Virtual-key codes (letters and digits are their ASCII capitals) -----
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F1 0x70

// ---- Control notifications (WM_COMMAND, in the high word) ---------------
#define BN_CLICKED 0
#define CBN_SELCHANGE 1
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300

// ---- Command ids ---------------------------------------------------------
#define ID_HELP 0xE146

// ---- Showing windows -----------------------------------------------------
#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_RESTORE 9

// ---- Combo boxes ---------------------------------------------------------
#define CB_ERR (-1)

// ---- Button states -------------------------------------------------------
#define BST_UNCHECKED 0
#define BST_CHECKED 1
#define BST_INDETERMINATE 2

// ---- List controls -------------------------------------------------------
#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002

#define LVS_EX_GRIDLINES 0x00000001u
#define LVS_EX_FULLROWSELECT 0x00000020u

#define LVIF_TEXT 0x0001u

struct LVITEMA {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
};
typedef LVITEMA LVITEM;

// A position in an iteration (the framework's list positions).
typedef struct __POSITION* POSITION;

// ---- Cursors, icons, system metrics --------------------------------------
#define MAKEINTRESOURCE(i) ((LPCSTR)(uintptr_t)(WORD)(i))
#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_WAIT MAKEINTRESOURCE(32514)

// The named system cursor (instance null); null for an unknown name.
HCURSOR LoadCursor(HANDLE instance, LPCSTR name);
// Shows the cursor over the whole application (the wait cursor while the
// program works) and returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);

#define SM_CXICON 11
#define SM_CYICON 12
int GetSystemMetrics(int index);

// ---- File dialogs --------------------------------------------------------
#define OFN_READONLY 0x00000001u
#define OFN_OVERWRITEPROMPT 0x00000002u
#define OFN_HIDEREADONLY 0x00000004u
#define OFN_NOCHANGEDIR 0x00000008u
#define OFN_PATHMUSTEXIST 0x00000800u
#define OFN_FILEMUSTEXIST 0x00001000u

// Marks message handlers in class declarations.
#define afx_msg

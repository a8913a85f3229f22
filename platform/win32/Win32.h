// The Windows basics that the program's own code calls: types, rectangles,
// colours, result codes, message boxes, window rectangles, files, display
// settings and GDI drawing on a surface's device context.
//
// The program is an ANSI program: every text passed here is a zero-ended
// byte string in code page 949.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint32_t UINT;
typedef int32_t HRESULT;
typedef DWORD COLORREF;
typedef char CHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef const char* LPCTSTR;
typedef char* LPTSTR;
typedef void* LPVOID;
typedef void* HANDLE;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

struct POINT {
    LONG x;
    LONG y;
};

// Opaque handles. A window handle names a live window of the platform layer;
// one whose window is gone is simply no longer valid.
typedef struct HWND__* HWND;
typedef struct HDC__* HDC;
typedef struct HICON__* HICON;
typedef struct HCURSOR__* HCURSOR;

#define MAKEWORD(lo, hi) ((WORD)(((BYTE)(lo)) | (((WORD)((BYTE)(hi))) << 8)))
#define LOWORD(v) ((WORD)(((uintptr_t)(v)) & 0xFFFF))
#define HIWORD(v) ((WORD)((((uintptr_t)(v)) >> 16) & 0xFFFF))

// COLORREF: 0x00BBGGRR.
#define RGB(r, g, b) \
    ((COLORREF)(((BYTE)(r)) | (((WORD)((BYTE)(g))) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)((c) & 0xFF))
#define GetGValue(c) ((BYTE)(((c) >> 8) & 0xFF))
#define GetBValue(c) ((BYTE)(((c) >> 16) & 0xFF))
#define CLR_INVALID 0xFFFFFFFFu

// HRESULT.
#define S_OK ((HRESULT)0)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#define E_NOTIMPL ((HRESULT)0x80004001u)
#define E_FAIL ((HRESULT)0x80004005u)
#define CO_E_NOTINITIALIZED ((HRESULT)0x800401F0u)
#define E_OUTOFMEMORY ((HRESULT)0x8007000Eu)
#define E_INVALIDARG ((HRESULT)0x80070057u)

// Message boxes: buttons, icons, default button, answers.
#define MB_OK 0x00000000u
#define MB_OKCANCEL 0x00000001u
#define MB_YESNOCANCEL 0x00000003u
#define MB_YESNO 0x00000004u
#define MB_TYPEMASK 0x0000000Fu
#define MB_ICONHAND 0x00000010u
#define MB_ICONQUESTION 0x00000020u
#define MB_ICONEXCLAMATION 0x00000030u
#define MB_ICONASTERISK 0x00000040u
#define MB_ICONMASK 0x000000F0u
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000u
#define MB_DEFBUTTON2 0x00000100u
#define MB_DEFBUTTON3 0x00000200u
#define MB_DEFMASK 0x00000F00u

#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

// Shows a modal message box owned by owner (none when null) and returns the
// answer (IDOK, IDCANCEL, IDYES, IDNO).
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// The window's rectangle in screen coordinates. FALSE for an invalid handle.
BOOL GetWindowRect(HWND hWnd, LPRECT rect);
BOOL IsWindow(HWND hWnd);

// Files by the program's names; the file system holds the names in UTF-8.
// OpenFileA opens with fopen's mode ("rb", "wb", ...) and gives null when the
// file cannot be opened. MoveFileReplaceA renames a file, replacing a file
// of the new name; DeleteFileA deletes a file (never a folder). Both give
// FALSE on failure.
FILE* OpenFileA(LPCSTR fileName, LPCSTR mode);
BOOL MoveFileReplaceA(LPCSTR from, LPCSTR to);
BOOL DeleteFileA(LPCSTR fileName);

// Display settings: only the bits per pixel of the current mode are reported.
#define ENUM_CURRENT_SETTINGS ((DWORD)-1)
struct DEVMODEA {
    WORD dmSize;
    DWORD dmFields;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
};
BOOL EnumDisplaySettingsA(LPCSTR deviceName, DWORD modeNum, DEVMODEA* devMode);
#define EnumDisplaySettings EnumDisplaySettingsA
typedef DEVMODEA DEVMODE;

// GDI on a device context. A surface's device context draws on the surface's
// own pixels; what was drawn is there once the context is released.
#define TRANSPARENT 1
#define OPAQUE 2
COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
COLORREF SetTextColor(HDC dc, COLORREF colour);
int SetBkMode(HDC dc, int mode);
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length);

// Formatted printing into a buffer, as the Windows function: at most 1024
// bytes including the terminating zero. Returns the number of bytes written
// without the zero.
int wsprintfA(LPSTR buffer, LPCSTR format, ...) __attribute__((format(printf, 2, 3)));

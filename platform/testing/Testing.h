// Hooks for tests: scripted message boxes, DirectDraw and file fault
// injection and the emulated display's depth and pixel format. The program itself never
// calls these; a test sets them up before it drives the program.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "win32/Win32.h"

struct IDirectDrawSurface7;

namespace testhooks {

// ---- Message boxes -------------------------------------------------------
// While capturing, no box is shown: each one is recorded and answered from
// the queue of scripted answers, or with its default button when the queue
// is empty. Every message box of the program passes through here
// (MessageBoxA, CWnd::MessageBox, AfxMessageBox, the framework's prompts).
struct ShownMessageBox {
    std::string text;     // as the program passed it (code page 949 bytes)
    std::string caption;  // likewise
    UINT type = 0;        // MB_ flags as passed
    HWND owner = nullptr;
    int answer = 0;       // what the box returned

    UINT buttons() const { return type & MB_TYPEMASK; }
    UINT icon() const { return type & MB_ICONMASK; }
    UINT defaultButton() const { return type & MB_DEFMASK; }
};

void CaptureMessageBoxes(bool on = true);
bool CapturingMessageBoxes();
void AnswerNextMessageBoxes(const std::vector<int>& answers);
const std::vector<ShownMessageBox>& ShownMessageBoxes();
void ClearMessageBoxes();

// ---- DirectDraw faults ---------------------------------------------------
// Operation names are the DirectDraw names: "DirectDrawCreateEx",
// "SetCooperativeLevel", "SetDisplayMode", "CreateClipper", "CreateSurface",
// "GetAttachedSurface", "SetHWnd", "SetClipper", "Blt", "BltFast", "Lock",
// "Unlock", "GetDC", "ReleaseDC", "GetSurfaceDesc", "SetColorKey", "Restore".
// After `skip` further calls of the operation succeed as usual, the next
// `times` calls (every one when times is -1) return hr and do nothing else.
void FailDirectDraw(const std::string& operation, HRESULT hr, int skip = 0, int times = 1);
void ClearDirectDrawFaults();

// How often each operation was called since the last reset (failed calls
// included), and how many DirectDraw objects, surfaces and clippers are alive.
int DirectDrawCalls(const std::string& operation);
int DirectDrawCallsTotal();
void ResetDirectDrawCalls();
int LiveDirectDrawObjects();
int LiveSurfaces();
int LiveClippers();

// A surface's pixels as a test reads them: row by row, without the rows'
// padding. Empty (0 x 0) when the surface cannot be locked; the read counts
// as a Lock and an Unlock.
struct SurfaceImage {
    int width = 0;
    int height = 0;
    std::vector<WORD> pixels;
    WORD At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
SurfaceImage ReadSurface(IDirectDrawSurface7* surface);

// ---- Lists ---------------------------------------------------------------
// Clicks the row of a list control as a user does (a press and release of
// the left button on its first visible cell, scrolled into view), so that the
// list's own selection handling runs. Nothing happens for a row the list
// does not have, or while the list is disabled.
void ClickListRow(HWND list, int row);

// ---- Files --------------------------------------------------------------
// Tests run as root, where permissions stop nothing. While armed, every file
// that OpenFileA opens for writing passes on its first afterBytes bytes and
// then fails as a full disk does (errno ENOSPC): the write, flush or close
// that hands the stream's buffer on reports it. Each file counts its own
// bytes. While renames fail, MoveFileReplaceA fails and renames nothing.
void FailFileWrites(size_t afterBytes);
void FailFileRenames(bool on = true);
void ClearFileFaults();

// ---- Emulated display ----------------------------------------------------
// What EnumDisplaySettings reports (16 by default) and the format of the
// 16-bit surfaces that DirectDraw makes (RGB565 by default, else RGB555).
void SetDisplayBitsPerPixel(int bpp);
void SetDisplayFormat565(bool is565);
void ResetDisplay();

// ---- Text ----------------------------------------------------------------
// Code page 949 to UTF-8 and back, so that tests can state texts in Korean.
std::string Utf8(const std::string& cp949);
std::string Cp949(const std::string& utf8);

// Resets every hook above, and the scripted file dialogs, to their defaults
// (capturing stays as it is).
void ResetAll();

// ---- For the platform layer ----------------------------------------------
// Records a message box shown while capturing and returns its answer: the
// next scripted answer, else defaultAnswer (the box's default button).
int RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type, int defaultAnswer);

}  // namespace testhooks

// The framework's internals shared by its classes (Qt side; never included
// by the program).
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>

#include "mfc/AfxRes.h"
#include "mfc/AfxWin.h"

namespace afx {

// Resources.
const AfxDialogTemplate* FindDialogTemplate(int id);
HICON LoadIconResource(int id);
QImage IconImage(HICON icon);
// A string of the registered string table, or fallback.
LPCSTR FrameworkString(unsigned id, LPCSTR fallback);

// Makes the window system's own texts Korean (message-box buttons, file
// dialogs), as on the Korean desktop the program is made for; false when
// Qt's Korean translation is not installed.
bool InstallKoreanSystemTexts();
// The window system's own windows (message boxes, file dialogs) as the
// program's dialogs: in the dialog font, with Korean texts. False when the
// Korean texts are missing.
bool SetUpSystemWindows();

// The dialog font: the template's face is replaced by NanumGothicCoding.
QFont DialogFont(int pointSize = 9);
// Dialog units to pixels for a font, as the window system does: the base
// units are the font's average width of the 52 Latin letters and its height.
struct DialogUnits {
    int baseX;
    int baseY;
    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int cx, int cy) const;
};
DialogUnits DialogUnitsOf(const QFont& font);

// Control notifications are not dispatched to this window while it
// exchanges its data.
HWND LockoutNotifyWindow();
void SetLockoutNotifyWindow(HWND hWnd);

// Kill-focus notifications are not dispatched while the framework's prompt
// is up and while it moves the focus back (nests).
void SuppressKillFocus(bool on);
bool KillFocusSuppressed();

}  // namespace afx

namespace afx {

// Set while a control's kill-focus notification is being handled: the
// focus is moving, so the framework moves it again only afterwards.
void EnterFocusChange(bool on);
bool InFocusChange();

}  // namespace afx

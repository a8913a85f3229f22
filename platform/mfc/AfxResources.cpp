// The registered resources, the dialog font and units, icons, cursors and
// system metrics.
#include <QApplication>
#include <QColor>
#include <QCursor>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <map>
#include <memory>

#include "mfc/AfxInternal.h"

namespace {

const AfxResources* resources = nullptr;

struct IconData {
    QImage image;
};

// Made once per icon resource and kept, so that a handle stays valid for
// the life of the process.
std::map<const AfxIcon*, std::unique_ptr<IconData>>& Icons()
{
    static std::map<const AfxIcon*, std::unique_ptr<IconData>> icons;
    return icons;
}

HWND lockoutWindow = nullptr;
int killFocusSuppressed = 0;

const uintptr_t kArrowCursor = 32512;
const uintptr_t kWaitCursor = 32514;
bool waitCursorShown = false;

const int kIconSize = 32;

}  // namespace

void AfxSetResources(const AfxResources* table)
{
    resources = table;
}

namespace afx {

const AfxDialogTemplate* FindDialogTemplate(int id)
{
    if (!resources) return nullptr;
    for (int i = 0; i < resources->dialogCount; ++i) {
        if (resources->dialogs[i].id == id) return &resources->dialogs[i];
    }
    return nullptr;
}

HICON LoadIconResource(int id)
{
    if (!resources) return nullptr;
    for (int i = 0; i < resources->iconCount; ++i) {
        const AfxIcon& icon = resources->icons[i];
        if (icon.id != id) continue;
        auto known = Icons().find(&icon);
        if (known != Icons().end()) return reinterpret_cast<HICON>(known->second.get());
        auto data = std::make_unique<IconData>();
        data->image = QImage(icon.width, icon.height, QImage::Format_ARGB32);
        data->image.fill(Qt::transparent);
        for (int y = 0; y < icon.height; ++y) {
            for (int x = 0; x < icon.width && icon.rows[y][x] != '\0'; ++x) {
                for (int c = 0; c < icon.paletteCount; ++c) {
                    if (icon.palette[c].key == icon.rows[y][x]) {
                        data->image.setPixel(x, y, icon.palette[c].argb);
                        break;
                    }
                }
            }
        }
        HICON handle = reinterpret_cast<HICON>(data.get());
        Icons()[&icon] = std::move(data);
        return handle;
    }
    return nullptr;
}

QImage IconImage(HICON icon)
{
    for (const auto& entry : Icons()) {
        if (reinterpret_cast<HICON>(entry.second.get()) == icon) return entry.second->image;
    }
    return QImage();
}

LPCSTR FrameworkString(unsigned id, LPCSTR fallback)
{
    if (resources) {
        for (int i = 0; i < resources->stringCount; ++i) {
            if (resources->strings[i].id == id) return resources->strings[i].text;
        }
    }
    return fallback;
}

bool InstallKoreanSystemTexts()
{
    static QTranslator* installed = nullptr;
    if (installed) return true;
    // The application owns it, so it goes with the application.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Korean, QLocale::SouthKorea), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed = translator;
    return true;
}

bool SetUpSystemWindows()
{
    QApplication::setFont(DialogFont());
    return InstallKoreanSystemTexts();
}

QFont DialogFont(int pointSize)
{
    QFont font(QStringLiteral("NanumGothicCoding"));
    font.setPointSize(pointSize > 0 ? pointSize : 9);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

int DialogUnits::X(int units) const
{
    // Rounded as the window system's MulDiv does.
    return (units * baseX + (units >= 0 ? 2 : -2)) / 4;
}

int DialogUnits::Y(int units) const
{
    return (units * baseY + (units >= 0 ? 4 : -4)) / 8;
}

QRect DialogUnits::Rect(int x, int y, int cx, int cy) const
{
    return QRect(X(x), Y(y), X(cx), Y(cy));
}

DialogUnits DialogUnitsOf(const QFont& font)
{
    QFontMetrics metrics(font);
    int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits{(width / 26 + 1) / 2, metrics.height()};
}

HWND LockoutNotifyWindow()
{
    return lockoutWindow;
}

void SetLockoutNotifyWindow(HWND hWnd)
{
    lockoutWindow = hWnd;
}

void SuppressKillFocus(bool on)
{
    killFocusSuppressed += on ? 1 : -1;
}

bool KillFocusSuppressed()
{
    return killFocusSuppressed > 0;
}

}  // namespace afx

HCURSOR LoadCursor(HANDLE instance, LPCSTR name)
{
    uintptr_t id = reinterpret_cast<uintptr_t>(name);
    if (instance != nullptr || (id != kArrowCursor && id != kWaitCursor)) return nullptr;
    return reinterpret_cast<HCURSOR>(id);
}

HCURSOR SetCursor(HCURSOR cursor)
{
    HCURSOR previous = reinterpret_cast<HCURSOR>(waitCursorShown ? kWaitCursor : kArrowCursor);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return previous;
    bool wait = reinterpret_cast<uintptr_t>(cursor) == kWaitCursor;
    if (wait && !waitCursorShown) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        waitCursorShown = true;
    } else if (!wait && waitCursorShown) {
        QApplication::restoreOverrideCursor();
        waitCursorShown = false;
    }
    return previous;
}

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXICON:
    case SM_CYICON: return kIconSize;
    default: return 0;
    }
}

namespace {

int focusChange = 0;

}  // namespace

namespace afx {

void EnterFocusChange(bool on)
{
    focusChange += on ? 1 : -1;
}

bool InFocusChange()
{
    return focusChange > 0;
}

}  // namespace afx

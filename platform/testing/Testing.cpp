// Test hooks: scripted message boxes, the emulated display and text
// conversion. The DirectDraw faults and counters are in DirectDrawFaults.cpp.
#include "testing/Testing.h"

#include <QApplication>
#include <QByteArray>
#include <QMouseEvent>
#include <QString>

#include <deque>

#include "ddraw/DDraw.h"
#include "mfc/ListView.h"
#include "testing/FileDialogs.h"
#include "win32/Window.h"

namespace {

struct MessageBoxes {
    bool capturing = false;
    std::deque<int> answers;
    std::vector<testhooks::ShownMessageBox> shown;
};

MessageBoxes& Boxes()
{
    static MessageBoxes boxes;
    return boxes;
}

const int kDefaultBitsPerPixel = 16;
int displayBitsPerPixel = kDefaultBitsPerPixel;
bool displayIs565 = true;

}  // namespace

namespace testhooks {

void CaptureMessageBoxes(bool on)
{
    Boxes().capturing = on;
}

bool CapturingMessageBoxes()
{
    return Boxes().capturing;
}

void AnswerNextMessageBoxes(const std::vector<int>& answers)
{
    Boxes().answers.insert(Boxes().answers.end(), answers.begin(), answers.end());
}

const std::vector<ShownMessageBox>& ShownMessageBoxes()
{
    return Boxes().shown;
}

void ClearMessageBoxes()
{
    Boxes().shown.clear();
    Boxes().answers.clear();
}

int RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type, int defaultAnswer)
{
    ShownMessageBox box;
    box.text = text ? text : "";
    box.caption = caption ? caption : "";
    box.type = type;
    box.owner = owner;
    box.answer = defaultAnswer;
    if (!Boxes().answers.empty()) {
        box.answer = Boxes().answers.front();
        Boxes().answers.pop_front();
    }
    Boxes().shown.push_back(box);
    return box.answer;
}

void SetDisplayBitsPerPixel(int bpp)
{
    displayBitsPerPixel = bpp;
}

void SetDisplayFormat565(bool is565)
{
    displayIs565 = is565;
}

void ResetDisplay()
{
    displayBitsPerPixel = kDefaultBitsPerPixel;
    displayIs565 = true;
}

std::string Utf8(const std::string& cp949)
{
    return win32::FromCp949(cp949.data(), static_cast<int>(cp949.size())).toStdString();
}

std::string Cp949(const std::string& utf8)
{
    return win32::ToCp949(QString::fromStdString(utf8)).toStdString();
}

SurfaceImage ReadSurface(IDirectDrawSurface7* surface)
{
    SurfaceImage image;
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    if (!surface || surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr) != DD_OK)
        return image;
    image.width = static_cast<int>(desc.dwWidth);
    image.height = static_cast<int>(desc.dwHeight);
    for (int y = 0; y < image.height; ++y) {
        const auto* row = reinterpret_cast<const WORD*>(static_cast<const BYTE*>(desc.lpSurface) +
                                                        static_cast<ptrdiff_t>(y) * desc.lPitch);
        image.pixels.insert(image.pixels.end(), row, row + image.width);
    }
    surface->Unlock(nullptr);
    return image;
}

void ClickListRow(HWND list, int row)
{
    auto* view = dynamic_cast<ListView*>(win32::WidgetOf(list));
    if (!view || row < 0 || row >= view->Cells().Rows()) return;
    int column = 0;
    while (column < view->Cells().Columns() && view->isColumnHidden(column)) ++column;
    if (column == view->Cells().Columns()) return;

    // Rows inserted since the view last laid itself out are not placed yet.
    view->doItemsLayout();
    const QModelIndex cell = view->Cells().index(row, column);
    view->scrollTo(cell);
    QWidget* viewport = view->viewport();
    const QPoint point = view->visualRect(cell).center();
    if (!viewport->rect().contains(point)) return;  // no room to show it
    const QPoint global = viewport->mapToGlobal(point);
    QMouseEvent press(QEvent::MouseButtonPress, point, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
}

void ResetAll()
{
    ClearMessageBoxes();
    ClearFileDialogs();
    ResetDisplay();
    ClearDirectDrawFaults();
    ResetDirectDrawCalls();
}

}  // namespace testhooks

namespace win32 {

int DisplayBitsPerPixel()
{
    return displayBitsPerPixel;
}

bool DisplayIs565()
{
    return displayIs565;
}

}  // namespace win32

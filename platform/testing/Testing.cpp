// Test hooks: scripted message boxes, the emulated display and text
// conversion. The DirectDraw faults and counters are in DirectDrawFaults.cpp,
// the file faults in FileFaults.cpp.
#include "testing/Testing.h"

#include <QByteArray>
#include <QString>

#include <deque>

#include "ddraw/DDraw.h"
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

void ResetAll()
{
    ClearMessageBoxes();
    ClearFileDialogs();
    ResetDisplay();
    ClearDirectDrawFaults();
    ResetDirectDrawCalls();
    ClearFileFaults();
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

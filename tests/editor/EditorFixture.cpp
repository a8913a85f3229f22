#include "EditorFixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <string>

#include "Resource.h"
#include "win32/Gdi.h"
#include "win32/Window.h"

void EditorTest::SetUp()
{
    AfxSetResources(&g_appResources);
    testhooks::ResetAll();
}

void EditorTest::TearDown()
{
    Settle();
    EmptyImageStore();
    testhooks::ResetAll();
    EXPECT_EQ(testhooks::LiveSurfaces(), 0);
    EXPECT_EQ(testhooks::LiveDirectDrawObjects(), 0);
}

int EditorTest::RunEditor(const std::function<void(CVantrelDlg&)>& body, bool* ran,
                          bool bodyEndsIt)
{
    CVantrelDlg dlg;
    theApp.m_pMainWnd = &dlg;
    bool bodyRan = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        bodyRan = true;
        Settle();
        body(dlg);
        if (!bodyEndsIt)
            dlg.EndDialog(IDCANCEL);
    });
    timer.start(0);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        ADD_FAILURE() << "the dialog did not end";
        dlg.EndDialog(-2);
    });
    if (bodyEndsIt)
        watchdog.start(1000);
    int result = dlg.DoModal();
    if (ran != nullptr)
        *ran = bodyRan;
    else if (!bodyRan)
        ADD_FAILURE() << "the editor did not start (is vantrel.bfc in the current folder?)";
    return result;
}

std::string EditorTest::BoxText(size_t i)
{
    const auto& boxes = testhooks::ShownMessageBoxes();
    return i < boxes.size() ? testhooks::Utf8(boxes[i].text) : std::string("<no box>");
}

WORD EditorTest::Pack(CVantrelDlg& dlg, int r, int g, int b)
{
    return win32::PackColour(RGB(r, g, b), dlg.m_graphics.m_is565);
}

void EditorTest::AddCharacter(CVantrelDlg& dlg, const char* typeUtf8, int x, int y,
                              const char* facingUtf8)
{
    CListCtrl& list = dlg.m_characterList;
    int row = list.GetItemCount();
    std::string number = std::to_string(row);
    list.InsertItem(row, number.c_str());
    list.SetItemText(row, 1, testhooks::Cp949(typeUtf8).c_str());
    list.SetItemText(row, 2, std::to_string(x).c_str());
    list.SetItemText(row, 3, std::to_string(y).c_str());
    list.SetItemText(row, 4, testhooks::Cp949(facingUtf8).c_str());
}

void EditorTest::EmptyImageStore()
{
    for (SpriteEntry& entry : theScreen.m_sprites) {
        if (entry.surface != nullptr)
            entry.surface->Release();
        entry = SpriteEntry{};
    }
    for (SpriteEntry& entry : theScreen.m_backgrounds) {
        if (entry.surface != nullptr)
            entry.surface->Release();
        entry = SpriteEntry{};
    }
}

#include "EditorFixture.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>

#include <cstdlib>

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

void EditorTest::AddEventRow(CVantrelDlg& dlg, const std::vector<std::string>& cellsUtf8)
{
    CListCtrl& list = dlg.m_eventList;
    int row = list.GetItemCount();
    list.InsertItem(row, std::to_string(row).c_str());
    for (size_t i = 0; i < cellsUtf8.size(); i++)
        list.SetItemText(row, static_cast<int>(i) + 1, testhooks::Cp949(cellsUtf8[i]).c_str());
}

std::string EditorTest::CellText(const CListCtrl& list, int row, int column)
{
    return testhooks::Utf8(static_cast<LPCSTR>(list.GetItemText(row, column)));
}

std::vector<int> EditorTest::RowNumbers(const CListCtrl& list)
{
    std::vector<int> numbers;
    for (int row = 0; row < list.GetItemCount(); row++)
        numbers.push_back(std::atoi(list.GetItemText(row, 0)));
    return numbers;
}

void EditorTest::ClickButton(CWnd& dialog, int id)
{
    QWidget* button = Control(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

void EditorTest::PickEntry(CWnd& dialog, int id, int index)
{
    auto* combo = qobject_cast<QComboBox*>(Control(dialog, id));
    ASSERT_NE(combo, nullptr) << id;
    combo->setFocus();
    while (combo->currentIndex() < index)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index)
        QTest::keyClick(combo, Qt::Key_Up);
}

void EditorTest::Retype(CWnd& dialog, int id, const QString& text)
{
    QWidget* edit = Control(dialog, id);
    ASSERT_NE(edit, nullptr) << id;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        Type(edit, text);
}

#include "EditorFixture.h"

#include <QTableView>
#include <QTimer>

#include <algorithm>

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
    QObject scope;  // ends the timers with this call
    QTimer::singleShot(0, &scope, [&] {
        bodyRan = true;
        Settle();
        body(dlg);
        if (!bodyEndsIt)
            dlg.EndDialog(IDCANCEL);
    });
    if (bodyEndsIt) {
        QTimer::singleShot(1000, &scope, [&] {
            ADD_FAILURE() << "the dialog did not end";
            dlg.EndDialog(-2);
        });
    }
    int result = dlg.DoModal();
    if (ran != nullptr)
        *ran = bodyRan;
    else if (!bodyRan)
        ADD_FAILURE() << "the editor did not start (is vantrel.bfc in the current folder?)";
    return result;
}

void EditorTest::EmptyImageStore()
{
    auto empty = [](SpriteEntry& entry) {
        if (entry.surface != nullptr)
            entry.surface->Release();
        entry = SpriteEntry{};
    };
    std::for_each(std::begin(theScreen.m_sprites), std::end(theScreen.m_sprites), empty);
    std::for_each(std::begin(theScreen.m_backgrounds), std::end(theScreen.m_backgrounds), empty);
}

std::string BoxText(size_t i)
{
    const auto& boxes = testhooks::ShownMessageBoxes();
    return i < boxes.size() ? testhooks::Utf8(boxes[i].text) : std::string("<no box>");
}

void ExpectOneBox(const std::string& text, const std::string& caption, UINT type)
{
    const auto& boxes = testhooks::ShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u) << BoxText(0);
    EXPECT_EQ(BoxText(0), text);
    EXPECT_EQ(boxes[0].caption, caption) << text;
    EXPECT_EQ(boxes[0].type, type) << text;
}

void ExpectFrameworkBox(const std::string& text)
{
    ExpectOneBox(text, AfxGetAppName(), kFrameworkBox);
}

void AddRow(CListCtrl& list, const Texts& cells)
{
    int row = list.GetItemCount();
    list.InsertItem(row, std::to_string(row).c_str());
    for (size_t i = 0; i < cells.size(); i++)
        list.SetItemText(row, static_cast<int>(i) + 1, testhooks::Cp949(cells[i]).c_str());
}

std::string CellText(const CListCtrl& list, int row, int column)
{
    return testhooks::Utf8(static_cast<LPCSTR>(list.GetItemText(row, column)));
}

Texts RowCells(const CListCtrl& list, int row, int first)
{
    Texts cells;
    for (int c = first; c < qobject_cast<QTableView*>(list.Widget())->model()->columnCount(); c++)
        cells.push_back(CellText(list, row, c));
    return cells;
}

Texts Column(const CListCtrl& list, int column)
{
    Texts cells;
    for (int row = 0; row < list.GetItemCount(); row++)
        cells.push_back(CellText(list, row, column));
    return cells;
}

std::vector<Texts> AllCells(const CListCtrl& list)
{
    std::vector<Texts> rows;
    for (int row = 0; row < list.GetItemCount(); row++)
        rows.push_back(RowCells(list, row));
    return rows;
}

Texts Numbers(int count)
{
    Texts numbers;
    for (int i = 0; i < count; i++)
        numbers.push_back(std::to_string(i));
    return numbers;
}

void SetSelectedTypes(CVantrelDlg& dlg, const std::vector<int>& types)
{
    for (int slot = 0; slot < 10; slot++)
        dlg.m_selectedTypes[slot] = slot < int(types.size()) ? types[slot] : SLOT_EMPTY;
    dlg.m_selectedTypeCount = int(types.size());
}

std::vector<int> SelectedTypes(CVantrelDlg& dlg)
{
    return std::vector<int>(dlg.m_selectedTypes, dlg.m_selectedTypes + dlg.m_selectedTypeCount);
}

bool Locked(CVantrelDlg& dlg)
{
    return !Control(dlg, IDC_CHARACTER_REGISTER)->isEnabled();
}

int DrawCalls(const std::function<void()>& action)
{
    testhooks::ResetDirectDrawCalls();
    action();
    return testhooks::DirectDrawCallsTotal();
}

testhooks::SurfaceImage Frame(CVantrelDlg& dlg)
{
    return testhooks::ReadSurface(dlg.m_graphics.m_back);
}

void LeaveClearValueClamped(CVantrelDlg& dlg)
{
    PickEntry(dlg, IDC_CLEAR_CONDITION, 0, true);
    Retype(dlg, IDC_CLEAR_VALUE, "05");
    PickEntry(dlg, IDC_CLEAR_CONDITION, 1, true);
    EXPECT_EQ(TextOf(dlg, IDC_CLEAR_VALUE), "05");
}

static QCheckBox* Box(CVantrelDlg& dlg, int type)
{
    return qobject_cast<QCheckBox*>(Control(dlg.m_dlgSelect, type < 9 ? 1024 + type : 1023 + type));
}

std::vector<int> Boxes(CVantrelDlg& dlg, const std::vector<int>* check)
{
    std::vector<int> checked;
    for (int type = 0; type < 26; type++) {
        if (type == 9)
            continue;
        if (check && Box(dlg, type)->isChecked() != (std::count(check->begin(), check->end(), type) > 0))
            QTest::mouseClick(Box(dlg, type), Qt::LeftButton);
        // A click ticks or clears a box; it never shows the third state.
        if (Box(dlg, type)->checkState() == Qt::Checked)
            checked.push_back(type);
    }
    return checked;
}

void ChooseTypes(CVantrelDlg& dlg, std::vector<int> types)
{
    Click(dlg, IDC_CHARACTER_SETTING);
    Boxes(dlg, &types);
    Click(dlg.m_dlgSelect, IDOK);
}

static const int kAppearanceFields[7] = {IDC_APPEAR_CHARACTER, IDC_APPEAR_X,    IDC_APPEAR_Y,
                                         IDC_APPEAR_FACING,    IDC_APPEAR_NAME, IDC_APPEAR_TACTIC,
                                         IDC_APPEAR_TEAM};

Texts Shown(CVantrelDlg& dlg)
{
    Texts fields;
    for (int id : kAppearanceFields) {
        QWidget* field = Control(dlg.m_dlgAppearance, id);
        auto* combo = qobject_cast<QComboBox*>(field);
        fields.push_back(combo ? std::to_string(combo->currentIndex())
                               : qobject_cast<QLineEdit*>(field)->text().toStdString());
    }
    return fields;
}

void Fill(CVantrelDlg& dlg, const Texts& fields)
{
    for (int i = 0; i < 7; i++) {
        QWidget* field = Control(dlg.m_dlgAppearance, kAppearanceFields[i]);
        if (auto* combo = qobject_cast<QComboBox*>(field))
            combo->setCurrentIndex(std::stoi(fields[i]));
        else
            qobject_cast<QLineEdit*>(field)->setText(QString::fromStdString(fields[i]));
    }
}

Texts Entries(CVantrelDlg& dlg)
{
    auto* combo = qobject_cast<QComboBox*>(Control(dlg.m_dlgAppearance, IDC_APPEAR_CHARACTER));
    Texts entries;
    for (int i = 0; combo && i < combo->count(); i++)
        entries.push_back(combo->itemText(i).toStdString());
    return entries;
}

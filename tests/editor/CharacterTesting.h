// Driving the two character dialogs as the user does: their buttons, boxes,
// combo boxes and edits.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "Resource.h"

namespace characters {

// Clicks a button (or check box) of a dialog.
inline void Click(CWnd& dialog, int id)
{
    QWidget* button = Control(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

// The check box of a character type in the selection dialog.
inline QCheckBox* Box(CVantrelDlg& dlg, int type)
{
    return qobject_cast<QCheckBox*>(Control(dlg.m_dlgSelect, type < 9 ? 1024 + type : 1023 + type));
}

// Types whose boxes are checked, in type order.
inline std::vector<int> CheckedTypes(CVantrelDlg& dlg)
{
    std::vector<int> types;
    for (int type = 0; type < 26; type++) {
        if (type != 9 && Box(dlg, type)->isChecked())
            types.push_back(type);
    }
    return types;
}

// With the selection dialog open: clicks the boxes that differ from types.
inline void SetBoxes(CVantrelDlg& dlg, const std::vector<int>& types)
{
    for (int type = 0; type < 26; type++) {
        if (type == 9)
            continue;
        bool wanted = std::find(types.begin(), types.end(), type) != types.end();
        if (Box(dlg, type)->isChecked() != wanted)
            QTest::mouseClick(Box(dlg, type), Qt::LeftButton);
    }
}

// Opens the selection with "캐릭터설정", checks exactly these types and
// presses OK.
inline void ChooseTypes(CVantrelDlg& dlg, const std::vector<int>& types)
{
    Click(dlg, IDC_CHARACTER_SETTING);
    SetBoxes(dlg, types);
    Click(dlg.m_dlgSelect, IDOK);
}

// The selected-types list as the main dialog holds it, up to its count.
inline std::vector<int> SelectedTypes(CVantrelDlg& dlg)
{
    return std::vector<int>(dlg.m_selectedTypes, dlg.m_selectedTypes + dlg.m_selectedTypeCount);
}

inline QComboBox* Combo(CWnd& dialog, int id)
{
    return qobject_cast<QComboBox*>(Control(dialog, id));
}

inline QLineEdit* Edit(CWnd& dialog, int id)
{
    return qobject_cast<QLineEdit*>(Control(dialog, id));
}

// What the appearance dialog shows, or what to put into it.
struct Appearance {
    int entry = 0;  // of the character combo
    std::string x = "0";
    std::string y = "0";
    int facing = 0;
    std::string name = "아무개";  // UTF-8
    int tactic = 0;
    std::string team = "0";
};

inline Appearance Shown(CVantrelDlg& dlg)
{
    CEditCharacter& edit = dlg.m_dlgAppearance;
    return Appearance{Combo(edit, IDC_APPEAR_CHARACTER)->currentIndex(),
                      Edit(edit, IDC_APPEAR_X)->text().toStdString(),
                      Edit(edit, IDC_APPEAR_Y)->text().toStdString(),
                      Combo(edit, IDC_APPEAR_FACING)->currentIndex(),
                      Edit(edit, IDC_APPEAR_NAME)->text().toStdString(),
                      Combo(edit, IDC_APPEAR_TACTIC)->currentIndex(),
                      Edit(edit, IDC_APPEAR_TEAM)->text().toStdString()};
}

inline bool operator==(const Appearance& a, const Appearance& b)
{
    return a.entry == b.entry && a.x == b.x && a.y == b.y && a.facing == b.facing &&
           a.name == b.name && a.tactic == b.tactic && a.team == b.team;
}

inline std::ostream& operator<<(std::ostream& out, const Appearance& a)
{
    return out << "{" << a.entry << ", " << a.x << ", " << a.y << ", " << a.facing << ", "
               << a.name << ", " << a.tactic << ", " << a.team << "}";
}

// Fills the open appearance dialog's controls.
inline void Fill(CVantrelDlg& dlg, const Appearance& a)
{
    CEditCharacter& edit = dlg.m_dlgAppearance;
    Combo(edit, IDC_APPEAR_CHARACTER)->setCurrentIndex(a.entry);
    Edit(edit, IDC_APPEAR_X)->setText(QString::fromStdString(a.x));
    Edit(edit, IDC_APPEAR_Y)->setText(QString::fromStdString(a.y));
    Combo(edit, IDC_APPEAR_FACING)->setCurrentIndex(a.facing);
    Edit(edit, IDC_APPEAR_NAME)->setText(QString::fromStdString(a.name));
    Combo(edit, IDC_APPEAR_TACTIC)->setCurrentIndex(a.tactic);
    Edit(edit, IDC_APPEAR_TEAM)->setText(QString::fromStdString(a.team));
}

// Registers a character: "등록", the dialog filled, OK.
inline void Register(CVantrelDlg& dlg, const Appearance& a)
{
    Click(dlg, IDC_CHARACTER_REGISTER);
    Fill(dlg, a);
    Click(dlg.m_dlgAppearance, IDOK);
}

// A cell of the character list as UTF-8.
inline std::string Cell(CVantrelDlg& dlg, int row, int column)
{
    return testhooks::Utf8(static_cast<LPCSTR>(dlg.m_characterList.GetItemText(row, column)));
}

// All eight cells of a row.
inline std::vector<std::string> Row(CVantrelDlg& dlg, int row)
{
    std::vector<std::string> cells;
    for (int column = 0; column < 8; column++)
        cells.push_back(Cell(dlg, row, column));
    return cells;
}

// One column of every row.
inline std::vector<std::string> Column(CVantrelDlg& dlg, int column)
{
    std::vector<std::string> cells;
    for (int row = 0; row < dlg.m_characterList.GetItemCount(); row++)
        cells.push_back(Cell(dlg, row, column));
    return cells;
}

// Whether an entry dialog holds the main dialog's controls.
inline bool Locked(CVantrelDlg& dlg)
{
    return !Control(dlg, IDC_CHARACTER_REGISTER)->isEnabled();
}

}  // namespace characters

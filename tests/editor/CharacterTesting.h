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

using Texts = std::vector<std::string>;

inline void Click(CWnd& dialog, int id)
{
    QWidget* button = Control(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

// The selection dialog's box of a character type.
inline QCheckBox* Box(CVantrelDlg& dlg, int type)
{
    return qobject_cast<QCheckBox*>(Control(dlg.m_dlgSelect, type < 9 ? 1024 + type : 1023 + type));
}

// With the selection open: the types whose boxes are checked (check is
// null), or clicks the boxes so that exactly those of check are checked.
inline std::vector<int> Boxes(CVantrelDlg& dlg, const std::vector<int>* check = nullptr)
{
    std::vector<int> checked;
    for (int type = 0; type < 26; type++) {
        if (type == 9)
            continue;
        if (check && Box(dlg, type)->isChecked() != (std::count(check->begin(), check->end(), type) > 0))
            QTest::mouseClick(Box(dlg, type), Qt::LeftButton);
        if (Box(dlg, type)->isChecked())
            checked.push_back(type);
    }
    return checked;
}

// "캐릭터설정", exactly these boxes, then the button (OK or Cancel).
inline void ChooseTypes(CVantrelDlg& dlg, std::vector<int> types, int button = IDOK)
{
    Click(dlg, IDC_CHARACTER_SETTING);
    Boxes(dlg, &types);
    Click(dlg.m_dlgSelect, button);
}

inline std::vector<int> SelectedTypes(CVantrelDlg& dlg)
{
    return std::vector<int>(dlg.m_selectedTypes, dlg.m_selectedTypes + dlg.m_selectedTypeCount);
}

// The appearance dialog's seven fields in the order of its result: the
// character combo's index, X, Y, the facing and tactic indices as text, the
// name, the team. Read from the dialog, or put into it.
const int kAppearanceFields[7] = {IDC_APPEAR_CHARACTER, IDC_APPEAR_X,   IDC_APPEAR_Y,
                                  IDC_APPEAR_FACING,    IDC_APPEAR_NAME, IDC_APPEAR_TACTIC,
                                  IDC_APPEAR_TEAM};

inline Texts Shown(CVantrelDlg& dlg)
{
    Texts fields;
    for (int id : kAppearanceFields) {
        QWidget* field = Control(dlg.m_dlgAppearance, id);
        if (auto* combo = qobject_cast<QComboBox*>(field))
            fields.push_back(std::to_string(combo->currentIndex()));
        else
            fields.push_back(qobject_cast<QLineEdit*>(field)->text().toStdString());
    }
    return fields;
}

inline void Fill(CVantrelDlg& dlg, const Texts& fields)
{
    for (int i = 0; i < 7; i++) {
        QWidget* field = Control(dlg.m_dlgAppearance, kAppearanceFields[i]);
        if (auto* combo = qobject_cast<QComboBox*>(field))
            combo->setCurrentIndex(std::stoi(fields[i]));
        else
            qobject_cast<QLineEdit*>(field)->setText(QString::fromStdString(fields[i]));
    }
}

// The defaults of a new character.
const Texts kNewCharacter = {"0", "0", "0", "0", "아무개", "0", "0"};

// "등록", the dialog filled, OK.
inline void Register(CVantrelDlg& dlg, const Texts& fields)
{
    Click(dlg, IDC_CHARACTER_REGISTER);
    Fill(dlg, fields);
    Click(dlg.m_dlgAppearance, IDOK);
}

inline std::string Cell(CVantrelDlg& dlg, int row, int column)
{
    return testhooks::Utf8(static_cast<LPCSTR>(dlg.m_characterList.GetItemText(row, column)));
}

inline Texts Row(CVantrelDlg& dlg, int row)
{
    Texts cells;
    for (int column = 0; column < 8; column++)
        cells.push_back(Cell(dlg, row, column));
    return cells;
}

inline Texts Column(CVantrelDlg& dlg, int column)
{
    Texts cells;
    for (int row = 0; row < dlg.m_characterList.GetItemCount(); row++)
        cells.push_back(Cell(dlg, row, column));
    return cells;
}

// Rows of these types, numbered from 0 on, named "n" and their number.
inline void AddRows(CVantrelDlg& dlg, const Texts& types)
{
    for (const std::string& type : types) {
        int row = dlg.m_characterList.GetItemCount();
        dlg.m_characterList.InsertItem(row, std::to_string(row).c_str());
        dlg.m_characterList.SetItemText(row, 1, testhooks::Cp949(type).c_str());
        dlg.m_characterList.SetItemText(row, 5, ("n" + std::to_string(row)).c_str());
    }
}

// Whether an entry dialog holds the main dialog's controls.
inline bool Locked(CVantrelDlg& dlg)
{
    return !Control(dlg, IDC_CHARACTER_REGISTER)->isEnabled();
}

}  // namespace characters

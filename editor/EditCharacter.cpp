#include "EditCharacter.h"

#include "Resource.h"
#include "StageTables.h"
#include "Texts.h"
#include "Vantrel.h"

BEGIN_MESSAGE_MAP(CEditCharacter, CDialog)
END_MESSAGE_MAP()

CEditCharacter::CEditCharacter(CWnd* pParent)
    : CDialog(IDD_EDIT_CHARACTER, pParent)
{
    // Every opening sets the road afresh; until then it counts as new.
    m_isNew = 1;
    m_team = 0;
    m_x = 0;
    m_y = 0;
    m_entryCount = 0;
}

CEditCharacter::~CEditCharacter() = default;

void CEditCharacter::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_APPEAR_CHARACTER, m_character);
    DDX_Control(pDX, IDC_APPEAR_FACING, m_facing);
    DDX_Control(pDX, IDC_APPEAR_TACTIC, m_tactic);
    DDX_Text(pDX, IDC_APPEAR_TEAM, m_team);
    DDX_Text(pDX, IDC_APPEAR_NAME, m_name);
    DDX_Text(pDX, IDC_APPEAR_X, m_x);
    DDX_Text(pDX, IDC_APPEAR_Y, m_y);
}

BOOL CEditCharacter::OnInitDialog()
{
    CDialog::OnInitDialog();

    for (int i = 0; i < FACING_COUNT; i++)
        m_facing.AddString(StageTables::RowName(StageTables::TABLE_FACING, i));
    m_facing.SetCurSel(0);

    for (int i = 0; i < TACTIC_COUNT; i++)
        m_tactic.AddString(StageTables::RowName(StageTables::TABLE_TACTIC, i));
    m_tactic.SetCurSel(0);

    // The stage's selected types in list order, each entry remembering its
    // slot; a type without an appearance name adds nothing.
    m_entryCount = 0;
    for (int slot = 0; slot < theApp.GetSelectedTypeCount() && slot < 10; slot++) {
        int type = theApp.GetSelectedType(slot);
        LPCSTR name = StageTables::RowName(StageTables::TABLE_APPEARANCE, type);
        if (name == nullptr)
            continue;
        m_character.AddString(name);
        m_entrySlots[m_entryCount++] = slot;
    }
    m_character.SetCurSel(0);

    // The defaults of a new character.
    m_x = 0;
    m_y = 0;
    m_team = 0;
    m_name = TEXT_DEFAULT_NAME;
    UpdateData(FALSE);

    m_isNew = 1;
    return TRUE;
}

void CEditCharacter::SetAppearance(int slot, int x, int y, int facing, LPCSTR name, int tactic,
                                   int team)
{
    int entry = -1;
    for (int i = 0; i < m_entryCount; i++) {
        if (m_entrySlots[i] == slot)
            entry = i;
    }
    m_character.SetCurSel(entry);
    m_x = x;
    m_y = y;
    m_facing.SetCurSel(facing);
    m_name = name;
    m_tactic.SetCurSel(tactic);
    m_team = team;
    m_isNew = 0;
    UpdateData(FALSE);
}

void CEditCharacter::OnOK()
{
    // A number field that does not parse has brought the framework's prompt
    // and holds the focus: the dialog stays open until it is corrected.
    if (!UpdateData(TRUE))
        return;
    CDialog::OnOK();

    int entry = m_character.GetCurSel();
    int slot = entry >= 0 && entry < m_entryCount ? m_entrySlots[entry] : -1;
    theApp.OnAppearanceResult(slot, m_x, m_y, m_facing.GetCurSel(), m_name, m_tactic.GetCurSel(),
                              m_team);
}

void CEditCharacter::OnCancel()
{
    CDialog::OnCancel();
    theApp.OnAppearanceResult(RESULT_CANCEL_EDIT + m_isNew, 0, 0, 0, nullptr, 0, 0);
}

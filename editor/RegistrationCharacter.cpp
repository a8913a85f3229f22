#include "RegistrationCharacter.h"

#include "Resource.h"
#include "StageTables.h"
#include "Texts.h"
#include "Vantrel.h"

namespace {

// The most character types a stage may use, and the most their cost ratios
// may add up to, in hundredths.
const int kMostTypes = 6;
const int kMostRatio = 215;

// The boxes in the order OK walks them, which is the order of the types in
// the result and decides which limit is reported when both are crossed.
struct CheckedBox {
    int type;
    BOOL CRegistrationCharacter::*state;
};
const CheckedBox kCheckOrder[SELECTION_BOX_COUNT] = {
    {16, &CRegistrationCharacter::m_boxType16}, {12, &CRegistrationCharacter::m_boxType12},
    {15, &CRegistrationCharacter::m_boxType15}, {17, &CRegistrationCharacter::m_boxType17},
    {14, &CRegistrationCharacter::m_boxType14}, {6, &CRegistrationCharacter::m_boxType6},
    {18, &CRegistrationCharacter::m_boxType18}, {13, &CRegistrationCharacter::m_boxType13},
    {25, &CRegistrationCharacter::m_boxType25}, {11, &CRegistrationCharacter::m_boxType11},
    {21, &CRegistrationCharacter::m_boxType21}, {8, &CRegistrationCharacter::m_boxType8},
    {20, &CRegistrationCharacter::m_boxType20}, {23, &CRegistrationCharacter::m_boxType23},
    {19, &CRegistrationCharacter::m_boxType19}, {22, &CRegistrationCharacter::m_boxType22},
    {10, &CRegistrationCharacter::m_boxType10}, {5, &CRegistrationCharacter::m_boxType5},
    {24, &CRegistrationCharacter::m_boxType24}, {2, &CRegistrationCharacter::m_boxType2},
    {3, &CRegistrationCharacter::m_boxType3},   {0, &CRegistrationCharacter::m_boxType0},
    {4, &CRegistrationCharacter::m_boxType4},   {1, &CRegistrationCharacter::m_boxType1},
    {7, &CRegistrationCharacter::m_boxType7},
};

}  // namespace

BEGIN_MESSAGE_MAP(CRegistrationCharacter, CDialog)
END_MESSAGE_MAP()

CRegistrationCharacter::CRegistrationCharacter(CWnd* pParent)
    : CDialog(IDD_REGISTRATION_CHARACTER, pParent)
{
    for (const CheckedBox& box : kCheckOrder)
        this->*box.state = FALSE;
}

CRegistrationCharacter::~CRegistrationCharacter() = default;

void CRegistrationCharacter::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_BOX_TYPE16, m_boxType16);
    DDX_Check(pDX, IDC_BOX_TYPE14, m_boxType14);
    DDX_Check(pDX, IDC_BOX_TYPE19, m_boxType19);
    DDX_Check(pDX, IDC_BOX_TYPE0, m_boxType0);
    DDX_Check(pDX, IDC_BOX_TYPE13, m_boxType13);
    DDX_Check(pDX, IDC_BOX_TYPE15, m_boxType15);
    DDX_Check(pDX, IDC_BOX_TYPE24, m_boxType24);
    DDX_Check(pDX, IDC_BOX_TYPE25, m_boxType25);
    DDX_Check(pDX, IDC_BOX_TYPE8, m_boxType8);
    DDX_Check(pDX, IDC_BOX_TYPE10, m_boxType10);
    DDX_Check(pDX, IDC_BOX_TYPE23, m_boxType23);
    DDX_Check(pDX, IDC_BOX_TYPE11, m_boxType11);
    DDX_Check(pDX, IDC_BOX_TYPE7, m_boxType7);
    DDX_Check(pDX, IDC_BOX_TYPE4, m_boxType4);
    DDX_Check(pDX, IDC_BOX_TYPE3, m_boxType3);
    DDX_Check(pDX, IDC_BOX_TYPE1, m_boxType1);
    DDX_Check(pDX, IDC_BOX_TYPE12, m_boxType12);
    DDX_Check(pDX, IDC_BOX_TYPE20, m_boxType20);
    DDX_Check(pDX, IDC_BOX_TYPE18, m_boxType18);
    DDX_Check(pDX, IDC_BOX_TYPE6, m_boxType6);
    DDX_Check(pDX, IDC_BOX_TYPE22, m_boxType22);
    DDX_Check(pDX, IDC_BOX_TYPE2, m_boxType2);
    DDX_Check(pDX, IDC_BOX_TYPE21, m_boxType21);
    DDX_Check(pDX, IDC_BOX_TYPE5, m_boxType5);
    DDX_Check(pDX, IDC_BOX_TYPE17, m_boxType17);
}

void CRegistrationCharacter::SetSelectedTypes(const int* types)
{
    for (const CheckedBox& box : kCheckOrder)
        this->*box.state = FALSE;
    for (int slot = 0; slot < 10 && types[slot] != SLOT_EMPTY; slot++) {
        for (const CheckedBox& box : kCheckOrder) {
            if (box.type == types[slot])
                this->*box.state = TRUE;
        }
    }
    UpdateData(FALSE);
    UpdateData(TRUE);
}

void CRegistrationCharacter::OnOK()
{
    int types[10];
    for (int& type : types)
        type = SLOT_EMPTY;
    int count = 0;
    int sum = 0;

    UpdateData(TRUE);
    UpdateData(FALSE);

    // Each checked box counts at once: the first box that crosses a limit
    // decides the message, the count before the sum.
    for (const CheckedBox& box : kCheckOrder) {
        if (!(this->*box.state))
            continue;
        types[count] = box.type;
        count++;
        sum += StageTables::SelectionBoxOfType(box.type)->ratio;
        if (count > kMostTypes) {
            AfxMessageBox(TEXT_SIX_AT_MOST);
            return;
        }
        if (sum > kMostRatio) {
            AfxMessageBox(TEXT_RATIO_EXCEEDED);
            return;
        }
    }

    CDialog::OnOK();
    theApp.OnCharacterSelectResult(1, types);
}

void CRegistrationCharacter::OnCancel()
{
    CDialog::OnCancel();
    theApp.OnCharacterSelectResult(RESULT_CANCEL_EDIT, nullptr);
}

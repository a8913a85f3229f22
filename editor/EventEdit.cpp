#include "EventEdit.h"

#include "Resource.h"
#include "StageTables.h"
#include "Texts.h"
#include "Vantrel.h"

namespace {

// What each command of the command list uses: the number (with the text of
// its label) or the dialogue group (face and three lines), or nothing.
struct CommandControls {
    const char* numberLabel;  // null: the command has no number
    bool dialogue;
};

// Index 8's label is chosen by the caller (see ShowCommandControls).
const CommandControls kCommandControls[EVENT_COMMAND_LIST_COUNT] = {
    {TEXT_LABEL_START_X, false},       // start
    {nullptr, false},                  // end
    {nullptr, true},                   // dialogue
    {nullptr, false},                  // stop music
    {nullptr, false},                  // play music
    {TEXT_LABEL_ILLUSTRATION, false},  // open illustration
    {nullptr, false},                  // close illustration
    {nullptr, false},                  // remove hidden
    {TEXT_LABEL_RELEASE, false},       // release tactic
    {TEXT_LABEL_ILLUSTRATION, false},  // another illustration command
    {TEXT_LABEL_SOUND_EFFECT, false},  // sound effect
};
const int kReleaseTactic = 8;

const int kDialogueControls[] = {IDC_EVENT_FACE, IDC_EVENT_LINE1, IDC_EVENT_LINE2,
                                 IDC_EVENT_LINE3};

}  // namespace

BEGIN_MESSAGE_MAP(CEventEdit, CDialog)
    ON_CBN_SELCHANGE(IDC_EVENT_COMMAND, OnSelchangeCommand)
    ON_EN_CHANGE(IDC_EVENT_LINE1, OnChangeLine1)
    ON_EN_CHANGE(IDC_EVENT_LINE2, OnChangeLine2)
    ON_EN_CHANGE(IDC_EVENT_LINE3, OnChangeLine3)
END_MESSAGE_MAP()

CEventEdit::CEventEdit(CWnd* pParent)
    : CDialog(IDD_EVENT_EDIT, pParent)
{
    // Every window's OnInitDialog sets the flag again; this only keeps it
    // from being undefined before the first one.
    m_isNew = 1;
    m_line1 = "";
    m_line2 = "";
    m_line3 = "";
    m_number = 0;
}

CEventEdit::~CEventEdit() = default;

void CEventEdit::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EVENT_LINE3_LABEL, m_line3Label);
    DDX_Control(pDX, IDC_EVENT_LINE2_LABEL, m_line2Label);
    DDX_Control(pDX, IDC_EVENT_LINE1_LABEL, m_line1Label);
    DDX_Control(pDX, IDC_EVENT_FACE_LABEL, m_faceLabel);
    DDX_Control(pDX, IDC_EVENT_NUMBER_LABEL, m_numberLabel);
    DDX_Control(pDX, IDC_EVENT_FACE, m_face);
    DDX_Control(pDX, IDC_EVENT_COMMAND, m_command);
    DDX_Control(pDX, IDC_EVENT_TARGET, m_target);
    // The lines come before the number: a number that does not parse stops
    // the exchange after the lines have been taken.
    DDX_Text(pDX, IDC_EVENT_LINE1, m_line1);
    DDX_Text(pDX, IDC_EVENT_LINE2, m_line2);
    DDX_Text(pDX, IDC_EVENT_LINE3, m_line3);
    DDX_Text(pDX, IDC_EVENT_NUMBER, m_number);
}

BOOL CEventEdit::OnInitDialog()
{
    CDialog::OnInitDialog();

    // The commands, then the characters for the target and the face; list
    // index equals table row.
    for (int i = 0; i < EVENT_COMMAND_LIST_COUNT; i++)
        m_command.AddString(StageTables::RowName(StageTables::TABLE_EVENT_COMMAND_LIST, i));
    m_command.SetCurSel(0);
    for (int i = 0; i < CHARACTER_TYPE_COUNT; i++)
        m_target.AddString(StageTables::RowName(StageTables::TABLE_CHARACTER_TYPE, i));
    m_target.SetCurSel(0);
    for (int i = 0; i < CHARACTER_TYPE_COUNT; i++)
        m_face.AddString(StageTables::RowName(StageTables::TABLE_CHARACTER_TYPE, i));
    m_face.SetCurSel(0);

    // A new event starts as "start" at X 0, with empty lines.
    HideOptionalControls();
    ShowCommandControls(0, TEXT_LABEL_RELEASE);
    m_isNew = 1;
    m_line1 = "";
    m_line2 = "";
    m_line3 = "";
    m_number = 0;
    UpdateData(FALSE);
    return TRUE;
}

void CEventEdit::SetEvent(int target, int command, int face, int number, LPCSTR line1,
                          LPCSTR line2, LPCSTR line3)
{
    m_target.SetCurSel(target);
    m_command.SetCurSel(command);
    m_face.SetCurSel(face);
    // The lines are shown as the row holds them, even past the limit: the
    // check applies to what the user types.
    m_line1 = line1;
    m_line2 = line2;
    m_line3 = line3;
    m_number = number;
    UpdateData(FALSE);

    // Setting the selection from here brings no selection change, so the
    // command's controls are shown here.
    HideOptionalControls();
    m_isNew = 0;
    ShowCommandControls(command, TEXT_LABEL_RELEASE_FILLED);
}

void CEventEdit::HideOptionalControls()
{
    GetDlgItem(IDC_EVENT_NUMBER)->EnableWindow(FALSE);
    for (int id : kDialogueControls)
        GetDlgItem(id)->EnableWindow(FALSE);
    m_numberLabel.ShowWindow(SW_HIDE);
    m_faceLabel.ShowWindow(SW_HIDE);
    m_line1Label.ShowWindow(SW_HIDE);
    m_line2Label.ShowWindow(SW_HIDE);
    m_line3Label.ShowWindow(SW_HIDE);
}

void CEventEdit::ShowCommandControls(int command, LPCSTR releaseLabel)
{
    if (command < 0 || command >= EVENT_COMMAND_LIST_COUNT)
        return;
    const CommandControls& controls = kCommandControls[command];
    if (controls.numberLabel != nullptr) {
        m_numberLabel.SetWindowText(command == kReleaseTactic ? releaseLabel
                                                              : controls.numberLabel);
        m_numberLabel.ShowWindow(SW_SHOW);
        GetDlgItem(IDC_EVENT_NUMBER)->EnableWindow(TRUE);
    }
    if (controls.dialogue) {
        m_faceLabel.SetWindowText(TEXT_LABEL_FACE);
        for (int id : kDialogueControls)
            GetDlgItem(id)->EnableWindow(TRUE);
        m_faceLabel.ShowWindow(SW_SHOW);
        m_line1Label.ShowWindow(SW_SHOW);
        m_line2Label.ShowWindow(SW_SHOW);
        m_line3Label.ShowWindow(SW_SHOW);
    }
}

void CEventEdit::OnSelchangeCommand()
{
    // Fields of other commands keep their values.
    HideOptionalControls();
    ShowCommandControls(m_command.GetCurSel(), TEXT_LABEL_RELEASE);
}

void CEventEdit::OnChangeLine1()
{
    CheckLineLength(m_line1);
}

void CEventEdit::OnChangeLine2()
{
    CheckLineLength(m_line2);
}

void CEventEdit::OnChangeLine3()
{
    CheckLineLength(m_line3);
}

void CEventEdit::CheckLineLength(CString& line)
{
    // The member still holds the line as the last exchange left it.
    CString previous = line;
    UpdateData(TRUE);
    if (line.GetLength() > kLineBytes) {
        AfxMessageBox(TEXT_LINE_TOO_LONG, MB_OK);
        line = previous;
    }
    UpdateData(FALSE);
}

void CEventEdit::OnOK()
{
    // A number that does not parse keeps the dialog open on the number
    // (the exchange has shown its prompt and put the focus there): closing
    // would report the previous number and lose what the user typed.
    if (!UpdateData(TRUE))
        return;
    CDialog::OnOK();
    theApp.OnEventEditResult(m_target.GetCurSel(), m_command.GetCurSel(), m_face.GetCurSel(),
                             m_number, m_line1, m_line2, m_line3);
}

void CEventEdit::OnCancel()
{
    CDialog::OnCancel();
    theApp.OnEventEditResult(RESULT_CANCEL_EDIT + m_isNew, 0, 0, 0, nullptr, nullptr, nullptr);
}

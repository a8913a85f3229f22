// The dialog templates of the editor. Positions and sizes in dialog units,
// controls in template order (the tab order).
#include "mfc/AfxRes.h"

#include "Resource.h"

namespace {

const unsigned kDropDownList = AFX_CS_DROPDOWNLIST | AFX_CS_VSCROLL;
const unsigned kReportList =
    AFX_CS_REPORT | AFX_CS_SINGLESEL | AFX_CS_SHOWSELALWAYS | AFX_CS_BORDER;

// 102: the main dialog.
const AfxDialogItem kMainDialogItems[] = {
    {IDC_SCREEN, AFX_CTL_STATIC, "Screen", 0, 0, 345, 180, AFX_CS_HIDDEN},
    {IDC_STAGE_LOAD, AFX_CTL_BUTTON, "스테이지로드", 5, 190, 55, 15, 0},
    {IDC_STAGE_SAVE, AFX_CTL_BUTTON, "스테이지저장", 5, 210, 55, 15, 0},
    {IDC_BACKGROUND, AFX_CTL_COMBOBOX, "", 65, 190, 45, 285, kDropDownList},
    {IDC_BGM, AFX_CTL_COMBOBOX, "", 115, 190, 90, 305, kDropDownList},
    {IDC_CHARACTER_SETTING, AFX_CTL_BUTTON, "캐릭터설정", 65, 210, 55, 15, 0},
    {IDC_OPTION, AFX_CTL_BUTTON, "Option", 125, 210, 50, 15, AFX_CS_DISABLED},
    {IDC_CHARACTER_LIST, AFX_CTL_LISTVIEW, "List1", 350, 5, 305, 200, kReportList},
    {IDC_STATIC, AFX_CTL_STATIC, "이동범위", 221, 181, 35, 8, 0},
    {IDC_MOVE_MAX_Y, AFX_CTL_EDIT, "", 220, 191, 25, 10, AFX_CS_CENTER | AFX_CS_DISABLED},
    {IDC_MOVE_MIN_Y, AFX_CTL_EDIT, "", 255, 191, 25, 10, AFX_CS_CENTER | AFX_CS_DISABLED},
    {IDC_STATIC, AFX_CTL_STATIC, "~", 245, 191, 10, 10, AFX_CS_CENTER},
    {IDC_STATIC, AFX_CTL_STATIC, "클리어조건", 210, 212, 40, 10, 0},
    {IDC_CLEAR_CONDITION, AFX_CTL_COMBOBOX, "", 255, 210, 60, 225, kDropDownList},
    {IDC_CLEAR_VALUE, AFX_CTL_EDIT, "", 320, 211, 25, 12, AFX_CS_CENTER},
    {IDC_CHARACTER_DELETE, AFX_CTL_BUTTON, "삭제", 615, 210, 40, 15, 0},
    {IDC_CHARACTER_MODIFY, AFX_CTL_BUTTON, "수정", 575, 210, 35, 15, 0},
    {IDC_CHARACTER_REGISTER, AFX_CTL_BUTTON, "등록", 530, 210, 40, 15, 0},
    {IDC_EVENT_LIST, AFX_CTL_LISTVIEW, "List2", 0, 230, 655, 210, kReportList},
    {IDC_EVENT_REGISTER, AFX_CTL_BUTTON, "등록", 5, 445, 45, 15, 0},
    {IDC_EVENT_MODIFY, AFX_CTL_BUTTON, "수정", 55, 445, 45, 15, 0},
    {IDC_EVENT_INSERT, AFX_CTL_BUTTON, "삽입", 105, 445, 45, 15, 0},
    {IDC_EVENT_DELETE, AFX_CTL_BUTTON, "삭제", 155, 445, 45, 15, 0},
    {IDC_CHECK, AFX_CTL_BUTTON, "검사", 605, 445, 50, 15, AFX_CS_HIDDEN | AFX_CS_DISABLED},
    {IDC_SCROLL_LEFT, AFX_CTL_BUTTON, "◀", 290, 190, 15, 15, 0},
    {IDC_SCROLL_RIGHT, AFX_CTL_BUTTON, "▶", 310, 190, 15, 15, 0},
    {IDC_STATIC, AFX_CTL_STATIC, "Q/W", 330, 193, 15, 10, 0},
    {IDC_PAS, AFX_CTL_BUTTON, "PaS", 180, 210, 25, 15, AFX_CS_DISABLED},
    {IDC_STATIC, AFX_CTL_STATIC, "배경선택", 65, 180, 45, 8, 0},
    {IDC_STATIC, AFX_CTL_STATIC, "BGM 선택", 115, 180, 45, 8, 0},
    {IDC_STATIC, AFX_CTL_STATIC, "제한시간(분)", 355, 212, 50, 8, 0},
    {IDC_TIME_LIMIT, AFX_CTL_EDIT, "", 410, 211, 30, 10, AFX_CS_CENTER | AFX_CS_AUTOHSCROLL},
};

// 254: the event-editing dialog. The number label (1058) and the face label
// (1060) get their texts before they are shown.
const AfxDialogItem kEventEditItems[] = {
    {IDOK, AFX_CTL_BUTTON, "OK", 20, 180, 50, 14, AFX_CS_DEFPUSHBUTTON},
    {IDCANCEL, AFX_CTL_BUTTON, "Cancel", 140, 180, 50, 14, 0},
    {IDC_STATIC, AFX_CTL_STATIC, "이벤트를 적용시킬 캐릭터", 5, 7, 100, 8, 0},
    {IDC_EVENT_TARGET, AFX_CTL_COMBOBOX, "", 115, 5, 85, 565, kDropDownList},
    {IDC_STATIC, AFX_CTL_STATIC, "명령", 5, 25, 105, 8, 0},
    {IDC_EVENT_COMMAND, AFX_CTL_COMBOBOX, "", 115, 25, 85, 555, kDropDownList},
    {IDC_EVENT_NUMBER_LABEL, AFX_CTL_STATIC, "Static", 5, 45, 110, 10, 0},
    {IDC_EVENT_NUMBER, AFX_CTL_EDIT, "", 115, 45, 85, 10, AFX_CS_CENTER | AFX_CS_AUTOHSCROLL},
    {IDC_EVENT_FACE_LABEL, AFX_CTL_STATIC, "Static", 5, 65, 110, 10, 0},
    {IDC_EVENT_FACE, AFX_CTL_COMBOBOX, "", 115, 65, 85, 510, kDropDownList},
    {IDC_EVENT_LINE1_LABEL, AFX_CTL_STATIC, "첫번째 줄 대사 라인", 5, 85, 110, 10, 0},
    {IDC_EVENT_LINE1, AFX_CTL_EDIT, "", 5, 100, 160, 10, AFX_CS_AUTOHSCROLL},
    {IDC_EVENT_LINE2_LABEL, AFX_CTL_STATIC, "두번째 줄 대사 라인", 5, 115, 130, 10, 0},
    {IDC_EVENT_LINE2, AFX_CTL_EDIT, "", 5, 130, 160, 10, AFX_CS_AUTOHSCROLL},
    {IDC_EVENT_LINE3_LABEL, AFX_CTL_STATIC, "세번째 줄 대사 라인", 5, 145, 140, 10, 0},
    {IDC_EVENT_LINE3, AFX_CTL_EDIT, "", 5, 160, 160, 10, AFX_CS_AUTOHSCROLL},
};

}  // namespace

extern const AfxDialogTemplate g_dialogTemplates[] = {
    {IDD_VANTREL_DIALOG, 659, 462,
     AFX_DS_CAPTION | AFX_DS_SYSMENU | AFX_DS_MINIMIZEBOX | AFX_DS_MODALFRAME |
         AFX_DS_APPWINDOW | AFX_DS_CLIENTEDGE,
     "Vantrel", "굴림체", 9, kMainDialogItems,
     static_cast<int>(sizeof kMainDialogItems / sizeof kMainDialogItems[0])},
    {IDD_EVENT_EDIT, 207, 199, AFX_DS_CAPTION | AFX_DS_SYSMENU, "이벤트 편집", "굴림체", 9,
     kEventEditItems, static_cast<int>(sizeof kEventEditItems / sizeof kEventEditItems[0])},
};
extern const int g_dialogTemplateCount =
    static_cast<int>(sizeof g_dialogTemplates / sizeof g_dialogTemplates[0]);

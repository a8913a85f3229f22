// The dialog templates of the editor. Positions and sizes in dialog units,
// controls in template order (the tab order).
#include "mfc/AfxRes.h"

#include "Resource.h"
#include "StageTableData.h"

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

// 252: the character selection. The check boxes in id order, two to a row:
// even places in the left column, odd ones in the right. Their captions are
// the selection-box table's, so each box names its character and ratio as
// the table does.
#define SELECTION_BOX(k)                                                                       \
    {g_selectionBoxes[k].id, AFX_CTL_CHECKBOX, g_selectionBoxes[k].caption, 5 + (k) % 2 * 100, \
     5 + (k) / 2 * 15, 95, 10, 0}
const AfxDialogItem kSelectionItems[] = {
    SELECTION_BOX(0),  SELECTION_BOX(1),  SELECTION_BOX(2),  SELECTION_BOX(3),
    SELECTION_BOX(4),  SELECTION_BOX(5),  SELECTION_BOX(6),  SELECTION_BOX(7),
    SELECTION_BOX(8),  SELECTION_BOX(9),  SELECTION_BOX(10), SELECTION_BOX(11),
    SELECTION_BOX(12), SELECTION_BOX(13), SELECTION_BOX(14), SELECTION_BOX(15),
    SELECTION_BOX(16), SELECTION_BOX(17), SELECTION_BOX(18), SELECTION_BOX(19),
    SELECTION_BOX(20), SELECTION_BOX(21), SELECTION_BOX(22), SELECTION_BOX(23),
    SELECTION_BOX(24),
    {IDOK, AFX_CTL_BUTTON, "OK", 45, 205, 50, 14, AFX_CS_DEFPUSHBUTTON},
    {IDCANCEL, AFX_CTL_BUTTON, "Cancel", 105, 205, 50, 14, 0},
};
#undef SELECTION_BOX

// 253: the appearance setting. Labels on the left at x 5, on the right at
// x 130; the combo boxes' heights are those of their open lists.
const AfxDialogItem kAppearanceItems[] = {
    {IDC_STATIC, AFX_CTL_STATIC, "캐릭터 종류", 5, 7, 48, 8, 0},
    {IDC_APPEAR_CHARACTER, AFX_CTL_COMBOBOX, "", 55, 5, 70, 100, kDropDownList},
    {IDC_STATIC, AFX_CTL_STATIC, "X축 위치", 5, 26, 48, 8, 0},
    {IDC_APPEAR_X, AFX_CTL_EDIT, "", 55, 25, 70, 10, AFX_CS_CENTER},
    {IDC_STATIC, AFX_CTL_STATIC, "Y축 위치", 5, 41, 48, 8, 0},
    {IDC_APPEAR_Y, AFX_CTL_EDIT, "", 55, 40, 70, 10, AFX_CS_CENTER},
    {IDC_STATIC, AFX_CTL_STATIC, "좌우 보기", 5, 57, 48, 8, 0},
    {IDC_APPEAR_FACING, AFX_CTL_COMBOBOX, "", 55, 55, 70, 50, kDropDownList},
    {IDC_STATIC, AFX_CTL_STATIC, "등장시 이름", 130, 8, 53, 8, 0},
    {IDC_APPEAR_NAME, AFX_CTL_EDIT, "", 185, 5, 90, 14, AFX_CS_CENTER},
    {IDC_STATIC, AFX_CTL_STATIC, "팀 전술", 130, 27, 53, 8, 0},
    {IDC_APPEAR_TACTIC, AFX_CTL_COMBOBOX, "", 185, 25, 90, 90, kDropDownList},
    {IDC_STATIC, AFX_CTL_STATIC, "팀 번호", 130, 41, 53, 8, 0},
    {IDC_APPEAR_TEAM, AFX_CTL_EDIT, "", 185, 40, 90, 10, AFX_CS_CENTER | AFX_CS_AUTOHSCROLL},
    {IDCANCEL, AFX_CTL_BUTTON, "Cancel", 170, 55, 50, 14, 0},
    {IDOK, AFX_CTL_BUTTON, "OK", 225, 55, 50, 14, AFX_CS_DEFPUSHBUTTON},
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
    {IDD_REGISTRATION_CHARACTER, 205, 225, AFX_DS_CAPTION | AFX_DS_SYSMENU | AFX_DS_MODALFRAME,
     "캐릭터 선택", "굴림체", 9, kSelectionItems,
     static_cast<int>(sizeof kSelectionItems / sizeof kSelectionItems[0])},
    {IDD_EDIT_CHARACTER, 282, 75, AFX_DS_CAPTION | AFX_DS_MODALFRAME, "등장설정", "굴림체", 9,
     kAppearanceItems, static_cast<int>(sizeof kAppearanceItems / sizeof kAppearanceItems[0])},
    {IDD_EVENT_EDIT, 207, 199, AFX_DS_CAPTION | AFX_DS_SYSMENU, "이벤트 편집", "굴림체", 9,
     kEventEditItems, static_cast<int>(sizeof kEventEditItems / sizeof kEventEditItems[0])},
};
extern const int g_dialogTemplateCount =
    static_cast<int>(sizeof g_dialogTemplates / sizeof g_dialogTemplates[0]);

// The main dialog: the one window of the editor, holding one stage. Its
// handlers are spread over files by area: VantrelDlg.cpp (start-up, data
// exchange, title, keys, closing), VantrelDlgPreview.cpp (the preview, the
// background choice and scrolling), VantrelDlgCharacters.cpp (the character
// types and the character list), VantrelDlgEvents.cpp (the event list),
// VantrelDlgStageFile.cpp (saving and loading stage files).
#pragma once

#include "CGraphics.h"
#include "EditCharacter.h"
#include "EventEdit.h"
#include "RegistrationCharacter.h"
#include "mfc/Afx.h"

struct StageRecord;

class CVantrelDlg : public CDialog {
public:
    explicit CVantrelDlg(CWnd* pParent = nullptr);
    ~CVantrelDlg() override;

    // The controls that an open entry dialog locks, and those that its
    // result releases.
    void LockForEntryDialog();
    void ReleaseAfterEntryDialog();

    CGraphics m_graphics;
    int m_selectedTypes[10];
    int m_selectedTypeCount;
    CRegistrationCharacter m_dlgSelect;
    CEditCharacter m_dlgAppearance;
    CEventEdit m_dlgEvent;
    RECT m_nearSrc;
    RECT m_farSrc;
    int m_farImage;
    int m_nearImage;
    int m_curBackground;
    LVITEM m_item;
    int m_row;
    char m_text[256];
    int m_insertMode;
    CString m_fileName;
    CComboBox m_background;
    CComboBox m_bgm;
    CComboBox m_clearCondition;
    CListCtrl m_characterList;
    CListCtrl m_eventList;
    CStatic m_screen;
    int m_moveMaxY;
    int m_moveMinY;
    int m_clearValue;
    int m_timeLimit;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

public:
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSelchangeBackground();
    afx_msg void OnScrollLeft();
    afx_msg void OnScrollRight();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnStageSave();
    afx_msg void OnStageLoad();
    afx_msg void OnKillfocusClearValue();
    afx_msg void OnKillfocusTimeLimit();
    afx_msg void OnSelchangeClearCondition();

    // The event list: its four buttons, and the event dialog's result.
    afx_msg void OnRegisterEvent();
    afx_msg void OnModifyEvent();
    afx_msg void OnInsertEvent();
    afx_msg void OnDeleteEvent();
    void OnEventEditResult(int target, int command, int face, int number, LPCSTR line1,
                           LPCSTR line2, LPCSTR line3);

    // Applies the background choice's current row: layers, scroll position,
    // movement band; then repaints.
    void ApplyBackground();

    // The character types and the character list.
    afx_msg void OnCharacterSetting();
    afx_msg void OnDeleteCharacter();
    afx_msg void OnRegisterCharacter();
    afx_msg void OnModifyCharacter();
    // The two character dialogs' results, through the application.
    void OnCharacterSelectResult(int code, const int* list);
    void OnAppearanceResult(int slot, int x, int y, int facing, LPCSTR name, int tactic, int team);

    DECLARE_MESSAGE_MAP()

private:
    // Height of the layers' source rectangles: the near layers are 240 rows
    // high.
    static constexpr int kLayerHeight = 240;

    // The cells of a character row and of an event row, and the buffer
    // length of a cell read (at most 29 bytes of its text).
    enum CharacterCell {
        CHARACTER_NUMBER,
        CHARACTER_TYPE,
        CHARACTER_X,
        CHARACTER_Y,
        CHARACTER_FACING,
        CHARACTER_NAME,
        CHARACTER_TACTIC,
        CHARACTER_TEAM,
    };
    enum EventCell {
        EVENT_NUMBER = 0,
        EVENT_TARGET = 1,
        EVENT_COMMAND = 2,
        EVENT_SPEAKER = 3,
        EVENT_VALUE = 5,
        EVENT_LINE1 = 9,
        EVENT_CELL_COUNT = 12,
    };
    static constexpr int kCellLength = 30;

    void SetTitle();
    // Width of a background image; 0 for a number outside the store.
    static int BackgroundWidth(int image);
    // Puts the far layer at the place that matches the near layer's scroll
    // position.
    void FollowWithFarLayer();

    // Adds delta to the number in cell 0 of a list's row, and of every row
    // from a row on: rows keep their numbers equal to their places.
    void AddToRowNumber(CListCtrl& list, int row, int delta);
    void RenumberRows(CListCtrl& list, int from, int delta);
    // The list's selected row; without one, the refusal in the editor's stop
    // box and -1.
    int SelectedRowOrRefuse(CListCtrl& list, LPCSTR refusal);
    // Whether a type cell names one of the selected types.
    bool NamesSelectedType(LPCSTR typeName) const;
    // Inserts event row m_row with its number and no other text.
    void InsertEventRow();
    // Creates the event dialog's window (a null parent: the main window),
    // shows it and centres it.
    void OpenEventDialog(CWnd* parent);
    // Writes the cells of event row m_row from a result of the event dialog.
    void WriteEventRow(int target, int command, int face, int number, LPCSTR line1, LPCSTR line2,
                       LPCSTR line3);
    // The stage that the dialog holds as a stage file's record, and a
    // record into the emptied dialog: choices, fields, types and cells.
    void StageFromDialog(StageRecord& stage);
    void StageToDialog(const StageRecord& stage);
};

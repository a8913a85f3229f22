// The root of the classes that receive messages, and the message maps.
//
// A message map is a table of entries in order, ended by an empty entry:
//
//     BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//         ON_WM_PAINT()
//         ON_BN_CLICKED(IDC_GO, OnGo)
//     END_MESSAGE_MAP()
//
// Dispatch walks the class's own table, then its base class's, and calls the
// first entry that matches. Handlers are named as members of the class
// (OnGo), or of a base class with its name (CWinApp::OnHelp).
#pragma once

#include "mfc/AfxWin.h"

class CCmdTarget;

// Calls the handler of an entry with the message's parameters.
typedef LRESULT (*AFX_PMSG)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_ message; WM_COMMAND for commands and notifications
    UINT nCode;     // notification code of WM_COMMAND entries
    UINT nID;       // control or command id of WM_COMMAND entries
    AFX_PMSG pfn;   // null in the table's closing entry
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The first entry of the class's maps, the class's own first, that takes
    // the message (and for WM_COMMAND the code and id); null if none does.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;

    // Runs the command id through the message maps. FALSE if no entry takes it.
    BOOL OnCmdMsg(UINT id, UINT code);
};

#define DECLARE_MESSAGE_MAP()                                   \
public:                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();               \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                 \
    const AFX_MSGMAP* theClass::GetMessageMap() const                          \
    {                                                                          \
        return GetThisMessageMap();                                            \
    }                                                                          \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                            \
    {                                                                          \
        typedef theClass ThisClass;                                            \
        typedef baseClass TheBaseClass;                                        \
        static_assert(sizeof(ThisClass) > 0, "complete class");               \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                      \
            {0, 0, 0, nullptr}                                                 \
        };                                                                     \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, \
                                              &_messageEntries[0]};            \
        return &messageMap;                                                    \
    }

#define AFX_THIS(t) static_cast<ThisClass*>(t)

#define ON_WM_PAINT()                                                          \
    {WM_PAINT, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {            \
         AFX_THIS(t)->OnPaint();                                               \
         return 0;                                                             \
     }},

#define ON_WM_QUERYDRAGICON()                                                  \
    {WM_QUERYDRAGICON, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {    \
         return reinterpret_cast<LRESULT>(AFX_THIS(t)->OnQueryDragIcon());     \
     }},

#define ON_WM_MOVE()                                                           \
    {WM_MOVE, 0, 0, [](CCmdTarget* t, WPARAM, LPARAM l) -> LRESULT {           \
         AFX_THIS(t)->OnMove(static_cast<short>(LOWORD(l)),                    \
                             static_cast<short>(HIWORD(l)));                   \
         return 0;                                                             \
     }},

#define ON_WM_KEYDOWN()                                                        \
    {WM_KEYDOWN, 0, 0, [](CCmdTarget* t, WPARAM w, LPARAM l) -> LRESULT {      \
         AFX_THIS(t)->OnKeyDown(static_cast<UINT>(w), LOWORD(l), HIWORD(l));   \
         return 0;                                                             \
     }},

#define ON_CONTROL(code, id, memberFxn)                                        \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id),               \
     [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {                            \
         AFX_THIS(t)->memberFxn();                                             \
         return 0;                                                             \
     }},

#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)

// Message tables: every window class keeps one static table of entries,
// chained to its base class's table. An entry says which message (or command
// id, notification code, reflected message) it takes and holds a small
// function that unpacks the message and calls the handler of the class.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//       ON_WM_TIMER()
//       ON_COMMAND(ID_EXIT, OnExit)
//       ON_COMMAND_RANGE(5224, 5423, OnOpenGroup)
//       ON_MESSAGE(WM_USER + 100, OnTrayNotify)
//   END_MESSAGE_MAP()
//
// Handlers are named without their class (OnExit, not &CMyDlg::OnExit); the
// table calls them on the class that declares the table, so a handler may be
// private. A table entry found for a message ends the search: a handler that
// wants the default processing calls its base class's handler (CWnd::OnTimer)
// or Default().
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "Geometry.h"

class CCmdTarget;
class CCmdUI;
class CDC;
class CMenu;
class CScrollBar;
class CWnd;

// Reflected messages reach the child control's own table under this offset.
#define WM_REFLECT_BASE 0xBC00

// Command codes beside the control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)-1)

enum AfxEntryKind : UINT {
    AfxEntryEnd = 0,
    AfxEntryMessage,      // a window message (or a reflected one without a code)
    AfxEntryRegistered,   // a message whose number lives in a variable
    AfxEntryCommand,      // WM_COMMAND: code and id range
    AfxEntryNotify,       // WM_NOTIFY: code and id range
    AfxEntryReflectCode,  // reflected WM_COMMAND / WM_NOTIFY: code only
};

// One message on its way to a handler.
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;       // command or control id
    UINT nCode;     // notification code
    void* pExtra;   // CCmdUI* for update-UI, NMHDR* for notifications
    LRESULT result;
    bool handled;   // the _EX handlers may pass a message on
};

typedef void (*AFX_PMSG)(CCmdTarget* target, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    UINT nKind;
    const UINT* pRegistered;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Handed to OnCmdMsg to ask whether a handler exists without calling it.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
public:                                                \
    virtual const AFX_MSGMAP* GetMessageMap() const;   \
protected:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }       \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                       \
        [[maybe_unused]] typedef theClass ThisClass;                                                       \
        typedef baseClass TheBaseClass;                                                     \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                   \
            {0, 0, 0, 0, AfxEntryEnd, nullptr, nullptr}};                                   \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap,             \
                                              &_messageEntries[0]};                         \
        return &messageMap;                                                                 \
    }

// The classic framework's run-time class macros; our classes need no
// run-time class information, so these only keep declarations familiar.
#define DECLARE_DYNAMIC(theClass)
#define IMPLEMENT_DYNAMIC(theClass, baseClass)
#define DECLARE_DYNCREATE(theClass)
#define IMPLEMENT_DYNCREATE(theClass, baseClass)
#define afx_msg

// The building block of every entry below: p_ is the object of the class
// that declares the table, c_ the message.
#define AFX_ENTRY(message, code, id, lastId, kind, reg, ...)                                \
    {(UINT)(message), (UINT)(code), (UINT)(id), (UINT)(lastId), (UINT)(kind), reg,          \
     [](CCmdTarget* t_, AFX_MSGCALL& c_) {                                                  \
         ThisClass* p_ = static_cast<ThisClass*>(t_);                                       \
         (void)p_;                                                                          \
         (void)c_;                                                                          \
         __VA_ARGS__;                                                                       \
     }},

#define AFX_MSG_ENTRY(message, ...) AFX_ENTRY(message, 0, 0, 0, AfxEntryMessage, nullptr, __VA_ARGS__)

namespace fwdetail {
CDC* DCFromHandle(HDC dc);
CWnd* WndFromHandle(HWND wnd);
CMenu* MenuFromHandle(HMENU menu);
CScrollBar* ScrollBarFromHandle(HWND wnd);
inline CPoint PointOf(LPARAM lp) { return CPoint((short)LOWORD(lp), (short)HIWORD(lp)); }
}  // namespace fwdetail

// ---- Commands, notifications and user messages ----------------------------

#define ON_COMMAND(id, fn) AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxEntryCommand, nullptr, p_->fn())
#define ON_COMMAND_EX(id, fn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, id, AfxEntryCommand, nullptr, c_.handled = p_->fn(c_.nID) != FALSE)
#define ON_COMMAND_RANGE(id, lastId, fn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, lastId, AfxEntryCommand, nullptr, p_->fn(c_.nID))
#define ON_COMMAND_EX_RANGE(id, lastId, fn) \
    AFX_ENTRY(WM_COMMAND, CN_COMMAND, id, lastId, AfxEntryCommand, nullptr, c_.handled = p_->fn(c_.nID) != FALSE)
#define ON_UPDATE_COMMAND_UI(id, fn) \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AfxEntryCommand, nullptr, p_->fn((CCmdUI*)c_.pExtra))
#define ON_UPDATE_COMMAND_UI_RANGE(id, lastId, fn) \
    AFX_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, lastId, AfxEntryCommand, nullptr, p_->fn((CCmdUI*)c_.pExtra))
#define ON_CONTROL(code, id, fn) AFX_ENTRY(WM_COMMAND, code, id, id, AfxEntryCommand, nullptr, p_->fn())
#define ON_CONTROL_RANGE(code, id, lastId, fn) \
    AFX_ENTRY(WM_COMMAND, code, id, lastId, AfxEntryCommand, nullptr, p_->fn(c_.nID))

#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_EN_VSCROLL(id, fn) ON_CONTROL(EN_VSCROLL, id, fn)
#define ON_EN_HSCROLL(id, fn) ON_CONTROL(EN_HSCROLL, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)

#define ON_NOTIFY(code, id, fn) \
    AFX_ENTRY(WM_NOTIFY, code, id, id, AfxEntryNotify, nullptr, p_->fn((NMHDR*)c_.pExtra, &c_.result))
#define ON_NOTIFY_RANGE(code, id, lastId, fn) \
    AFX_ENTRY(WM_NOTIFY, code, id, lastId, AfxEntryNotify, nullptr, p_->fn(c_.nID, (NMHDR*)c_.pExtra, &c_.result))
#define ON_NOTIFY_EX(code, id, fn)                                 \
    AFX_ENTRY(WM_NOTIFY, code, id, id, AfxEntryNotify, nullptr,    \
              c_.handled = p_->fn(c_.nID, (NMHDR*)c_.pExtra, &c_.result) != FALSE)

#define ON_MESSAGE(message, fn) AFX_MSG_ENTRY(message, c_.result = p_->fn(c_.wParam, c_.lParam))
#define ON_REGISTERED_MESSAGE(messageVariable, fn) \
    AFX_ENTRY(0, 0, 0, 0, AfxEntryRegistered, &(messageVariable), c_.result = p_->fn(c_.wParam, c_.lParam))

// ---- Reflected messages: the child control handles what its parent got ----

#define ON_CONTROL_REFLECT(code, fn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxEntryReflectCode, nullptr, p_->fn())
#define ON_CONTROL_REFLECT_EX(code, fn) \
    AFX_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxEntryReflectCode, nullptr, c_.handled = p_->fn() != FALSE)
#define ON_NOTIFY_REFLECT(code, fn)                                                       \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, AfxEntryReflectCode, nullptr,      \
              p_->fn((NMHDR*)c_.lParam, &c_.result))
#define ON_NOTIFY_REFLECT_EX(code, fn)                                                    \
    AFX_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, AfxEntryReflectCode, nullptr,      \
              c_.handled = p_->fn((NMHDR*)c_.lParam, &c_.result) != FALSE)
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, p_->DrawItem((LPDRAWITEMSTRUCT)c_.lParam); c_.result = TRUE)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, p_->MeasureItem((LPMEASUREITEMSTRUCT)c_.lParam); c_.result = TRUE)
#define ON_WM_COMPAREITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, c_.result = p_->CompareItem((LPCOMPAREITEMSTRUCT)c_.lParam))
#define ON_WM_DELETEITEM_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, p_->DeleteItem((LPDELETEITEMSTRUCT)c_.lParam); c_.result = TRUE)
// A null brush leaves the colours to the parent.
#define AFX_CTLCOLOR_REFLECT(msg, type)                                                       \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + msg,                                                      \
                  HBRUSH b_ = p_->CtlColor(fwdetail::DCFromHandle((HDC)c_.wParam), type);     \
                  c_.result = (LRESULT)b_; c_.handled = b_ != nullptr)
#define ON_WM_CTLCOLOR_REFLECT()                                 \
    AFX_CTLCOLOR_REFLECT(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)         \
    AFX_CTLCOLOR_REFLECT(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)   \
    AFX_CTLCOLOR_REFLECT(WM_CTLCOLORBTN, CTLCOLOR_BTN)           \
    AFX_CTLCOLOR_REFLECT(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR) \
    AFX_CTLCOLOR_REFLECT(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)
#define ON_WM_HSCROLL_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, p_->HScroll(LOWORD(c_.wParam), HIWORD(c_.wParam)))
#define ON_WM_VSCROLL_REFLECT() \
    AFX_MSG_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, p_->VScroll(LOWORD(c_.wParam), HIWORD(c_.wParam)))

// ---- Window messages ------------------------------------------------------

#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, c_.result = p_->OnCreate((LPCREATESTRUCT)c_.lParam))
#define ON_WM_NCCREATE() AFX_MSG_ENTRY(WM_NCCREATE, c_.result = p_->OnNcCreate((LPCREATESTRUCT)c_.lParam))
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, p_->OnDestroy())
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, p_->OnNcDestroy())
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, p_->OnClose())
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, p_->OnPaint())
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, p_->OnNcPaint())
#define ON_WM_ERASEBKGND() \
    AFX_MSG_ENTRY(WM_ERASEBKGND, c_.result = p_->OnEraseBkgnd(fwdetail::DCFromHandle((HDC)c_.wParam)))
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, p_->OnTimer((UINT_PTR)c_.wParam))
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, p_->OnSize((UINT)c_.wParam, (short)LOWORD(c_.lParam), (short)HIWORD(c_.lParam)))
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, p_->OnMove((short)LOWORD(c_.lParam), (short)HIWORD(c_.lParam)))
#define ON_WM_SIZING() AFX_MSG_ENTRY(WM_SIZING, p_->OnSizing((UINT)c_.wParam, (LPRECT)c_.lParam); c_.result = TRUE)
#define ON_WM_MOVING() AFX_MSG_ENTRY(WM_MOVING, p_->OnMoving((UINT)c_.wParam, (LPRECT)c_.lParam); c_.result = TRUE)
#define ON_WM_WINDOWPOSCHANGING() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, p_->OnWindowPosChanging((WINDOWPOS*)c_.lParam))
#define ON_WM_WINDOWPOSCHANGED() AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, p_->OnWindowPosChanged((WINDOWPOS*)c_.lParam))
#define ON_WM_ENTERSIZEMOVE() AFX_MSG_ENTRY(WM_ENTERSIZEMOVE, p_->OnEnterSizeMove())
#define ON_WM_EXITSIZEMOVE() AFX_MSG_ENTRY(WM_EXITSIZEMOVE, p_->OnExitSizeMove())
#define ON_WM_PARENTNOTIFY() AFX_MSG_ENTRY(WM_PARENTNOTIFY, p_->OnParentNotify((UINT)c_.wParam, c_.lParam))
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, p_->OnGetMinMaxInfo((MINMAXINFO*)c_.lParam))
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, p_->OnShowWindow((BOOL)c_.wParam, (UINT)c_.lParam))
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, p_->OnEnable((BOOL)c_.wParam))
#define ON_WM_ACTIVATE()                                                                          \
    AFX_MSG_ENTRY(WM_ACTIVATE, p_->OnActivate(LOWORD(c_.wParam), fwdetail::WndFromHandle((HWND)c_.lParam), \
                                             (BOOL)HIWORD(c_.wParam)))
#define ON_WM_ACTIVATEAPP() AFX_MSG_ENTRY(WM_ACTIVATEAPP, p_->OnActivateApp((BOOL)c_.wParam, (DWORD)c_.lParam))
#define ON_WM_NCACTIVATE() AFX_MSG_ENTRY(WM_NCACTIVATE, c_.result = p_->OnNcActivate((BOOL)c_.wParam))
#define ON_WM_MOUSEACTIVATE()                                                                     \
    AFX_MSG_ENTRY(WM_MOUSEACTIVATE, c_.result = p_->OnMouseActivate(fwdetail::WndFromHandle((HWND)c_.wParam), \
                                                                    LOWORD(c_.lParam), HIWORD(c_.lParam)))
#define ON_WM_SETCURSOR()                                                                         \
    AFX_MSG_ENTRY(WM_SETCURSOR, c_.result = p_->OnSetCursor(fwdetail::WndFromHandle((HWND)c_.wParam), \
                                                            LOWORD(c_.lParam), HIWORD(c_.lParam)))
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, p_->OnSetFocus(fwdetail::WndFromHandle((HWND)c_.wParam)))
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, p_->OnKillFocus(fwdetail::WndFromHandle((HWND)c_.wParam)))
#define ON_WM_CAPTURECHANGED() \
    AFX_MSG_ENTRY(WM_CAPTURECHANGED, p_->OnCaptureChanged(fwdetail::WndFromHandle((HWND)c_.lParam)))
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, p_->OnCancelMode())

#define AFX_MOUSE_ENTRY(msg, fn) AFX_MSG_ENTRY(msg, p_->fn((UINT)c_.wParam, fwdetail::PointOf(c_.lParam)))
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_ENTRY(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_ENTRY(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MOUSE_ENTRY(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MOUSE_ENTRY(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MOUSEHOVER() AFX_MOUSE_ENTRY(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_MSG_ENTRY(WM_MOUSELEAVE, p_->OnMouseLeave())
#define ON_WM_MOUSEWHEEL()                                                                            \
    AFX_MSG_ENTRY(WM_MOUSEWHEEL, c_.result = p_->OnMouseWheel(LOWORD(c_.wParam), (short)HIWORD(c_.wParam), \
                                                              fwdetail::PointOf(c_.lParam)))
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, c_.result = p_->OnNcHitTest(fwdetail::PointOf(c_.lParam)))
#define ON_WM_NCMOUSEMOVE() AFX_MOUSE_ENTRY(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_MOUSE_ENTRY(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_MOUSE_ENTRY(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_MOUSE_ENTRY(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCMBUTTONDOWN() AFX_MOUSE_ENTRY(WM_NCMBUTTONDOWN, OnNcMButtonDown)
#define ON_WM_NCCALCSIZE() \
    AFX_MSG_ENTRY(WM_NCCALCSIZE, p_->OnNcCalcSize((BOOL)c_.wParam, (NCCALCSIZE_PARAMS*)c_.lParam))

#define AFX_KEY_ENTRY(msg, fn) \
    AFX_MSG_ENTRY(msg, p_->fn((UINT)c_.wParam, LOWORD(c_.lParam), HIWORD(c_.lParam)))
#define ON_WM_KEYDOWN() AFX_KEY_ENTRY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_ENTRY(WM_KEYUP, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_KEY_ENTRY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_KEY_ENTRY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_CHAR() AFX_KEY_ENTRY(WM_CHAR, OnChar)
#define ON_WM_SYSCHAR() AFX_KEY_ENTRY(WM_SYSCHAR, OnSysChar)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, c_.result = p_->OnGetDlgCode())
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, p_->OnSysCommand((UINT)c_.wParam, c_.lParam))
#define ON_WM_HOTKEY() AFX_MSG_ENTRY(WM_HOTKEY, p_->OnHotKey((UINT)c_.wParam, LOWORD(c_.lParam), HIWORD(c_.lParam)))

#define ON_WM_CONTEXTMENU() \
    AFX_MSG_ENTRY(WM_CONTEXTMENU, p_->OnContextMenu(fwdetail::WndFromHandle((HWND)c_.wParam), fwdetail::PointOf(c_.lParam)))
#define ON_WM_INITMENUPOPUP()                                                                     \
    AFX_MSG_ENTRY(WM_INITMENUPOPUP, p_->OnInitMenuPopup(fwdetail::MenuFromHandle((HMENU)c_.wParam), \
                                                        LOWORD(c_.lParam), (BOOL)HIWORD(c_.lParam)))
#define ON_WM_MENUSELECT() \
    AFX_MSG_ENTRY(WM_MENUSELECT, p_->OnMenuSelect(LOWORD(c_.wParam), HIWORD(c_.wParam), (HMENU)c_.lParam))
#define ON_WM_ENTERMENULOOP() AFX_MSG_ENTRY(WM_ENTERMENULOOP, p_->OnEnterMenuLoop((BOOL)c_.wParam))
#define ON_WM_EXITMENULOOP() AFX_MSG_ENTRY(WM_EXITMENULOOP, p_->OnExitMenuLoop((BOOL)c_.wParam))

#define AFX_CTLCOLOR_ENTRY(msg, type)                                                              \
    AFX_MSG_ENTRY(msg, c_.result = (LRESULT)p_->OnCtlColor(fwdetail::DCFromHandle((HDC)c_.wParam), \
                                                           fwdetail::WndFromHandle((HWND)c_.lParam), type))
#define ON_WM_CTLCOLOR()                                         \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX)       \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)           \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)     \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORBTN, CTLCOLOR_BTN)             \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORDLG, CTLCOLOR_DLG)             \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR) \
    AFX_CTLCOLOR_ENTRY(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)
#define ON_WM_DRAWITEM() \
    AFX_MSG_ENTRY(WM_DRAWITEM, p_->OnDrawItem((int)c_.wParam, (LPDRAWITEMSTRUCT)c_.lParam); c_.result = TRUE)
#define ON_WM_MEASUREITEM() \
    AFX_MSG_ENTRY(WM_MEASUREITEM, p_->OnMeasureItem((int)c_.wParam, (LPMEASUREITEMSTRUCT)c_.lParam); c_.result = TRUE)
#define ON_WM_HSCROLL()                                                                     \
    AFX_MSG_ENTRY(WM_HSCROLL, p_->OnHScroll(LOWORD(c_.wParam), HIWORD(c_.wParam),           \
                                            fwdetail::ScrollBarFromHandle((HWND)c_.lParam)))
#define ON_WM_VSCROLL()                                                                     \
    AFX_MSG_ENTRY(WM_VSCROLL, p_->OnVScroll(LOWORD(c_.wParam), HIWORD(c_.wParam),           \
                                            fwdetail::ScrollBarFromHandle((HWND)c_.lParam)))

#define ON_WM_POWERBROADCAST() \
    AFX_MSG_ENTRY(WM_POWERBROADCAST, c_.result = p_->OnPowerBroadcast((UINT)c_.wParam, c_.lParam))
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, p_->OnSysColorChange())
#define ON_WM_SETTINGCHANGE() AFX_MSG_ENTRY(WM_SETTINGCHANGE, p_->OnSettingChange((UINT)c_.wParam, (LPCTSTR)c_.lParam))
#define ON_WM_TIMECHANGE() AFX_MSG_ENTRY(WM_TIMECHANGE, p_->OnTimeChange())
#define ON_WM_THEMECHANGED() AFX_MSG_ENTRY(WM_THEMECHANGED, c_.result = p_->OnThemeChanged())
#define ON_WM_DROPFILES() AFX_MSG_ENTRY(WM_DROPFILES, p_->OnDropFiles((HDROP)c_.wParam))
#define ON_WM_QUERYENDSESSION() AFX_MSG_ENTRY(WM_QUERYENDSESSION, c_.result = p_->OnQueryEndSession())
#define ON_WM_ENDSESSION() AFX_MSG_ENTRY(WM_ENDSESSION, p_->OnEndSession((BOOL)c_.wParam))
#define ON_WM_COPYDATA()                                                                       \
    AFX_MSG_ENTRY(WM_COPYDATA, c_.result = p_->OnCopyData(fwdetail::WndFromHandle((HWND)c_.wParam), \
                                                          (COPYDATASTRUCT*)c_.lParam))

// CWnd: a window object bound to a window handle.
//
// Every window created through these classes (or subclassed, or attached) is
// entered in one process-wide table from handle to object, guarded by a lock
// because worker threads look windows up too. Creation goes through a hook,
// so the object receives its window's very first messages (WM_NCCREATE,
// WM_CREATE). After WM_NCDESTROY the handle leaves the table and
// PostNcDestroy runs; from then on a lookup of that handle finds nothing.
//
// Messages go through the class's message table (MessageMap.h); commands
// nobody in the window's table takes go on to its owner's table, and then to
// the application object. Owner-draw, colour, scroll and notification
// messages are first offered to the child control's own object (reflection).
#pragma once

#include "CmdTarget.h"
#include "StringT.h"

// windows.h maps this name to GetWindow with two arguments.
#undef GetNextWindow

class CDataExchange;
class CFont;

class CWnd : public CCmdTarget {
    DECLARE_MESSAGE_MAP()
public:
    CWnd();
    // Wraps a handle without entering it in the handle table (the
    // z-order constants below); use Attach to bind a window to an object.
    explicit CWnd(HWND wnd) : m_hWnd(wnd) {}
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool operator==(const CWnd& other) const { return m_hWnd == other.m_hWnd; }
    bool operator!=(const CWnd& other) const { return m_hWnd != other.m_hWnd; }

    // Z-order positions for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // ---- The handle table ----
    // The object entered for the handle, or null (never a temporary object).
    static CWnd* FromHandlePermanent(HWND wnd);
    // The entered object, or else a temporary wrapper that lives until the
    // thread's message loop is next idle; null for a handle that is no window.
    static CWnd* FromHandle(HWND wnd);
    BOOL Attach(HWND wnd);
    HWND Detach();
    // Routes the window's messages through this object.
    BOOL SubclassWindow(HWND wnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    // Number of entries in the handle table (for tests and diagnostics).
    static size_t GetPermanentCount();

    // ---- Creation ----
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        LPVOID param = nullptr);
    virtual BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                          int height, HWND parent, HMENU menuOrId, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // The class name of the plain windows that Create makes when given none.
    static LPCTSTR GetDefaultClassName();

    // ---- Message processing ----
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled now.
    LRESULT Default();
    // The message being handled now on this thread.
    static const MSG* GetCurrentMessage();
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Offered the messages that the parent received about this control.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // Runs a command through this window's table, its owners' tables and
    // the application's; TRUE when some handler took it.
    BOOL RouteCommand(UINT id, int code, void* extra = nullptr);
    // Calls PreTranslateMessage of the message's window and its parents (and
    // owners) up to and including stopAt.
    static BOOL WalkPreTranslateTree(HWND stopAt, MSG* msg);
    // The private message that carries a timer request from another thread.
    static UINT GetTimerRequestMessage();

    // ---- Modal loops ----
    // Pumps messages while ContinueModal() (m_bContinueModal, set by the
    // caller); EndModalLoop ends it. Returns the modal result.
    int RunModalLoop(DWORD flags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int result);

    // ---- Data exchange ----
    virtual void DoDataExchange(CDataExchange* dx);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // ---- Window state ----
    DWORD GetStyle() const { return (DWORD)::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }
    DWORD GetExStyle() const { return (DWORD)::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ShowWindow(int cmd) { return ::ShowWindow(m_hWnd, cmd); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
    BOOL IsChild(const CWnd* wnd) const { return wnd && ::IsChild(m_hWnd, wnd->m_hWnd); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int id) { return (int)::SetWindowLongPtrW(m_hWnd, GWLP_ID, id); }

    void SetWindowText(LPCTSTR text) { ::SetWindowTextW(m_hWnd, text); }
    int GetWindowText(LPTSTR buffer, int maxCount) const { return ::GetWindowTextW(m_hWnd, buffer, maxCount); }
    void GetWindowText(CString& text) const;
    CString GetWindowText() const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    void SetIcon(HICON icon, BOOL big) { ::SendMessageW(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, (LPARAM)icon); }
    HICON GetIcon(BOOL big) const { return (HICON)::SendMessageW(m_hWnd, WM_GETICON, big ? ICON_BIG : ICON_SMALL, 0); }
    void SetRedraw(BOOL redraw = TRUE) { ::SendMessageW(m_hWnd, WM_SETREDRAW, redraw, 0); }

    // ---- Geometry ----
    void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
    void ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
    void ScreenToClient(LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
    void MapWindowPoints(CWnd* to, LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE) {
        ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
    }
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
        return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
    }
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement) { return ::SetWindowPlacement(m_hWnd, placement); }
    void CenterWindow(CWnd* alternateOwner = nullptr);
    int SetWindowRgn(HRGN rgn, BOOL redraw) { return ::SetWindowRgn(m_hWnd, rgn, redraw); }
    int GetWindowRgn(HRGN rgn) const { return ::GetWindowRgn(m_hWnd, rgn); }
    CWnd* ChildWindowFromPoint(POINT point) const { return FromHandle(::ChildWindowFromPoint(m_hWnd, point)); }
    static CWnd* WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }

    // ---- Painting ----
    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    void InvalidateRgn(HRGN rgn, BOOL erase = TRUE) { ::InvalidateRgn(m_hWnd, rgn, erase); }
    void ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }
    BOOL RedrawWindow(LPCRECT rect = nullptr, HRGN rgn = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) {
        return ::RedrawWindow(m_hWnd, rect, rgn, flags);
    }
    BOOL GetUpdateRect(LPRECT rect, BOOL erase = FALSE) { return ::GetUpdateRect(m_hWnd, rect, erase); }
    HDC GetDCHandle() { return ::GetDC(m_hWnd); }
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);
    BOOL LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
    void UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }

    // ---- Relatives ----
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* SetParent(CWnd* parent) { return FromHandle(::SetParent(m_hWnd, parent ? parent->m_hWnd : nullptr)); }
    // The owner of a top-level window, the parent of a child window.
    CWnd* GetOwner() const { return FromHandle(GetOwnerHandle()); }
    HWND GetOwnerHandle() const;
    void SetOwner(CWnd* owner) { ::SetWindowLongPtrW(m_hWnd, GWLP_HWNDPARENT, (LONG_PTR)owner->GetSafeHwnd()); }
    CWnd* GetTopLevelParent() const;
    CWnd* GetWindow(UINT cmd) const { return FromHandle(::GetWindow(m_hWnd, cmd)); }
    CWnd* GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
    CWnd* GetNextWindow(UINT cmd = GW_HWNDNEXT) const { return FromHandle(::GetWindow(m_hWnd, cmd)); }
    CWnd* GetLastActivePopup() const { return FromHandle(::GetLastActivePopup(m_hWnd)); }
    CWnd* GetDescendantWindow(int id, BOOL onlyPermanent = FALSE) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL deep = TRUE);

    // ---- Dialog items ----
    CWnd* GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
    void GetDlgItem(int id, HWND* wnd) const { *wnd = ::GetDlgItem(m_hWnd, id); }
    void SetDlgItemText(int id, LPCTSTR text) { ::SetDlgItemTextW(m_hWnd, id, text); }
    int GetDlgItemText(int id, CString& text) const;
    CString GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const {
        return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
    }
    void CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
    UINT IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
    void CheckRadioButton(int first, int last, int check) { ::CheckRadioButton(m_hWnd, first, last, check); }
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendDlgItemMessageW(m_hWnd, id, message, wParam, lParam);
    }
    CWnd* GetNextDlgTabItem(CWnd* ctl, BOOL previous = FALSE) const {
        return FromHandle(::GetNextDlgTabItem(m_hWnd, ctl ? ctl->m_hWnd : nullptr, previous));
    }

    // ---- Messages ----
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }

    // ---- Timers ----
    // From the window's own thread this is the system's SetTimer; from any
    // other thread the request is posted to the window and its thread sets
    // the timer (the system only lets the owning thread do it). A timer
    // procedure is honoured only on the owning thread.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);

    // ---- Focus, activation, capture ----
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    static CWnd* GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
    CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
    static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
    static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
    static CWnd* FindWindow(LPCTSTR className, LPCTSTR windowName) {
        return FromHandle(::FindWindowW(className, windowName));
    }
    BOOL FlashWindow(BOOL invert) { return ::FlashWindow(m_hWnd, invert); }

    // ---- Menus, scrolling, other ----
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* menu);
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
    CMenu* GetSystemMenu(BOOL revert) const;
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE) { return ::SetScrollPos(m_hWnd, bar, pos, redraw); }
    int GetScrollPos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }
    void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE) {
        ::SetScrollRange(m_hWnd, bar, minPos, maxPos, redraw);
    }
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE) {
        ::SetScrollInfo(m_hWnd, bar, info, redraw);
        return TRUE;
    }
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    void ShowScrollBar(UINT bar, BOOL show = TRUE) { ::ShowScrollBar(m_hWnd, bar, show); }
    void ScrollWindow(int dx, int dy, LPCRECT rect = nullptr, LPCRECT clip = nullptr) {
        ::ScrollWindow(m_hWnd, dx, dy, rect, clip);
    }
    void DragAcceptFiles(BOOL accept = TRUE);
    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK) {
        return ::MessageBoxW(m_hWnd, text, caption, type);
    }
    BOOL OpenClipboard() { return ::OpenClipboard(m_hWnd); }

    // ---- Default handlers (see the ON_WM_ entries) ----
    int OnCreate(LPCREATESTRUCT cs);
    BOOL OnNcCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnNcDestroy();
    void OnClose();
    void OnPaint();
    void OnNcPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnTimer(UINT_PTR id);
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    void OnSizing(UINT side, LPRECT rect);
    void OnMoving(UINT side, LPRECT rect);
    void OnWindowPosChanging(WINDOWPOS* pos);
    void OnWindowPosChanged(WINDOWPOS* pos);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnEnterSizeMove();
    void OnExitSizeMove();
    void OnParentNotify(UINT message, LPARAM lParam);
    void OnShowWindow(BOOL show, UINT status);
    void OnEnable(BOOL enable);
    void OnActivate(UINT state, CWnd* other, BOOL minimized);
    void OnActivateApp(BOOL active, DWORD threadId);
    BOOL OnNcActivate(BOOL active);
    int OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnSetFocus(CWnd* oldWnd);
    void OnKillFocus(CWnd* newWnd);
    void OnCaptureChanged(CWnd* wnd);
    void OnCancelMode();
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnRButtonDblClk(UINT flags, CPoint point);
    void OnMButtonDown(UINT flags, CPoint point);
    void OnMButtonUp(UINT flags, CPoint point);
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseLeave();
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    LRESULT OnNcHitTest(CPoint point);
    void OnNcMouseMove(UINT hitTest, CPoint point);
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnNcLButtonUp(UINT hitTest, CPoint point);
    void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    void OnNcRButtonDown(UINT hitTest, CPoint point);
    void OnNcRButtonUp(UINT hitTest, CPoint point);
    void OnNcMButtonDown(UINT hitTest, CPoint point);
    void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnKeyUp(UINT ch, UINT repeat, UINT flags);
    void OnSysKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnSysKeyUp(UINT ch, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnSysChar(UINT ch, UINT repeat, UINT flags);
    UINT OnGetDlgCode();
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnHotKey(UINT id, UINT modifiers, UINT key);
    void OnContextMenu(CWnd* wnd, CPoint point);
    // Asks the update-UI handlers (this window, its owners, the
    // application) about every item of the menu before it opens.
    void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    void OnMenuSelect(UINT itemId, UINT flags, HMENU menu);
    void OnEnterMenuLoop(BOOL trackPopup);
    void OnExitMenuLoop(BOOL trackPopup);
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    void OnDrawItem(int id, LPDRAWITEMSTRUCT dis);
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT mis);
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    UINT OnPowerBroadcast(UINT event, LPARAM data);
    void OnSysColorChange();
    void OnSettingChange(UINT flags, LPCTSTR section);
    void OnTimeChange();
    LRESULT OnThemeChanged();
    void OnDropFiles(HDROP drop);
    BOOL OnQueryEndSession();
    void OnEndSession(BOOL ending);
    BOOL OnCopyData(CWnd* wnd, COPYDATASTRUCT* data);

protected:
    // Called after the handle left the table at WM_NCDESTROY; a window
    // that deletes itself does it here.
    virtual void PostNcDestroy();
    // Called when SubclassWindow (or creation) has bound the handle.
    virtual void PreSubclassWindow();

    WNDPROC m_pfnSuper = nullptr;  // the window's own procedure for defaults
    bool m_bContinueModal = false;
    int m_nModalResult = -1;

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK AfxCbtHook(int, WPARAM, LPARAM);
    friend class CWndCreationHook;
    static void SetTempHandle(CWnd& wnd, void* handle) { wnd.m_hWnd = (HWND)handle; }
    void BindCreated(HWND wnd);
    void AfterNcDestroy();
};

// A window class with these looks for CreateEx, registered once per
// combination; the name stays valid for the life of the program.
LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                            HICON icon = nullptr);

// The window procedure of every window routed through its object.
LRESULT CALLBACK AfxWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the next window that the calling thread creates belong to the object
// (used by Create and by dialog creation); the scope ends the claim.
class CWndCreationHook {
public:
    explicit CWndCreationHook(CWnd* wnd);
    ~CWndCreationHook();
    CWndCreationHook(const CWndCreationHook&) = delete;
    CWndCreationHook& operator=(const CWndCreationHook&) = delete;

private:
    CWnd* m_previous;
};

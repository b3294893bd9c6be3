#include "Wnd.h"

#include "CmdUI.h"
#include "CriticalSection.h"
#include "DC.h"
#include "DataExchange.h"
#include "Font.h"
#include "Menu.h"
#include "ScrollBar.h"
#include "TempMap.h"
#include "WinApp.h"

#include <shellapi.h>

#include <mutex>
#include <set>
#include <unordered_map>
#include <vector>

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

// Handle to object, for the whole process; worker threads read it too.
struct HandleTable {
    CCriticalSection lock;
    std::unordered_map<HWND, CWnd*> map;
};

HandleTable& Table() {
    static HandleTable table;
    return table;
}

// Per thread: the object that claims the next window created, the creation
// hook, and the message being handled (for Default).
thread_local CWnd* t_wndInit = nullptr;
thread_local HHOOK t_cbtHook = nullptr;
thread_local int t_hookUsers = 0;
thread_local MSG t_currentMsg = {};
thread_local int t_routeDepth = 0;
thread_local std::vector<void (*)()>* t_tempCleaners = nullptr;

bool IsImeWindow(HWND wnd) {
    if (GetClassLongPtrW(wnd, GCL_STYLE) & CS_IME) return true;
    wchar_t name[16] = {};
    GetClassNameW(wnd, name, 16);
    return lstrcmpiW(name, L"IME") == 0;
}

}  // namespace

namespace fwdetail {

void AddTempCleaner(void (*cleaner)()) {
    thread_local std::vector<void (*)()> cleaners;
    t_tempCleaners = &cleaners;
    cleaners.push_back(cleaner);
}

void DeleteTempObjects() {
    if (!t_tempCleaners) return;
    for (auto cleaner : *t_tempCleaners) cleaner();
}

CWnd* WndFromHandle(HWND wnd) { return CWnd::FromHandle(wnd); }

CScrollBar* ScrollBarFromHandle(HWND wnd) {
    if (!wnd) return nullptr;
    if (CScrollBar* bar = dynamic_cast<CScrollBar*>(CWnd::FromHandlePermanent(wnd))) return bar;
    if (!::IsWindow(wnd)) return nullptr;
    return TempMap<CScrollBar>::Get(wnd, [](CScrollBar& w, void* h) { w.m_hWnd = (HWND)h; });
}

}  // namespace fwdetail

// ---- Creation hook -----------------------------------------------------------

LRESULT CALLBACK AfxCbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_wndInit && !IsImeWindow((HWND)wParam)) {
        CWnd* wnd = t_wndInit;
        t_wndInit = nullptr;
        try {
            wnd->BindCreated((HWND)wParam);
        } catch (...) {
            AfxLogCaughtException("binding a new window");
        }
    }
    return CallNextHookEx(t_cbtHook, code, wParam, lParam);
}

CWndCreationHook::CWndCreationHook(CWnd* wnd) : m_previous(t_wndInit) {
    if (t_hookUsers++ == 0) t_cbtHook = SetWindowsHookExW(WH_CBT, AfxCbtHook, nullptr, GetCurrentThreadId());
    t_wndInit = wnd;
}

CWndCreationHook::~CWndCreationHook() {
    t_wndInit = m_previous;
    if (--t_hookUsers == 0 && t_cbtHook) {
        UnhookWindowsHookEx(t_cbtHook);
        t_cbtHook = nullptr;
    }
}

void CWnd::BindCreated(HWND wnd) {
    Attach(wnd);
    WNDPROC old = (WNDPROC)SetWindowLongPtrW(wnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (old != AfxWndProc) m_pfnSuper = old;
    PreSubclassWindow();
}

// ---- The window procedure ------------------------------------------------------

// The answer for a message whose handler threw. A window whose creation
// failed halfway is not created; any other message gets the default answer,
// so a failed paint is still validated instead of coming back at once.
static LRESULT AnswerAfterException(HWND wnd, CWnd* object, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    if (message == WM_CREATE) return -1;
    try {
        // The handler may have deleted its object before it threw.
        if (CWnd::FromHandlePermanent(wnd) == object) return object->DefWindowProc(message, wParam, lParam);
        return ::DefWindowProcW(wnd, message, wParam, lParam);
    } catch (...) {
        AfxLogCaughtException("a window's default answer");
        return 0;
    }
}

LRESULT CALLBACK AfxWndProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = CWnd::FromHandlePermanent(wnd);
    if (!object) return ::DefWindowProcW(wnd, message, wParam, lParam);
    MSG saved = t_currentMsg;
    t_currentMsg.hwnd = wnd;
    t_currentMsg.message = message;
    t_currentMsg.wParam = wParam;
    t_currentMsg.lParam = lParam;
    LRESULT result;
    try {
        result = object->WindowProc(message, wParam, lParam);
    } catch (...) {
        AfxLogCaughtException("a window's message handler");
        result = AnswerAfterException(wnd, object, message, wParam, lParam);
    }
    // The handler may have deleted the object; only a still-entered object
    // is told that its window has gone.
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(wnd) == object) object->AfterNcDestroy();
    t_currentMsg = saved;
    return result;
}

void CWnd::AfterNcDestroy() {
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    Detach();
    m_pfnSuper = nullptr;
    PostNcDestroy();
}

// ---- Construction, the handle table --------------------------------------------

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        DWORD owner = ::GetWindowThreadProcessId(m_hWnd, nullptr);
        if (owner == ::GetCurrentThreadId() && ::IsWindow(m_hWnd)) {
            // Only this class's handlers can run from here on.
            ::DestroyWindow(m_hWnd);
        }
        if (m_hWnd) {
            // Deleted on another thread: the window lives on with its own
            // procedure, as before it was bound.
            if (m_pfnSuper && ::IsWindow(m_hWnd)) ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
            Detach();
        }
    }
}

CWnd* CWnd::FromHandlePermanent(HWND wnd) {
    if (!wnd) return nullptr;
    HandleTable& table = Table();
    CSingleLock lock(&table.lock, true);
    auto it = table.map.find(wnd);
    return it == table.map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND wnd) {
    if (!wnd) return nullptr;
    if (CWnd* permanent = FromHandlePermanent(wnd)) return permanent;
    if (!::IsWindow(wnd)) return nullptr;
    return fwdetail::TempMap<CWnd>::Get(wnd, &CWnd::SetTempHandle);
}

size_t CWnd::GetPermanentCount() {
    HandleTable& table = Table();
    CSingleLock lock(&table.lock, true);
    return table.map.size();
}

BOOL CWnd::Attach(HWND wnd) {
    if (!wnd || m_hWnd) return FALSE;
    HandleTable& table = Table();
    CSingleLock lock(&table.lock, true);
    if (table.map.count(wnd)) return FALSE;  // another object owns it
    table.map[wnd] = this;
    m_hWnd = wnd;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND wnd = m_hWnd;
    if (wnd) {
        HandleTable& table = Table();
        CSingleLock lock(&table.lock, true);
        auto it = table.map.find(wnd);
        if (it != table.map.end() && it->second == this) table.map.erase(it);
    }
    m_hWnd = nullptr;
    return wnd;
}

BOOL CWnd::SubclassWindow(HWND wnd) {
    if (!Attach(wnd)) return FALSE;
    WNDPROC old = (WNDPROC)SetWindowLongPtrW(wnd, GWLP_WNDPROC, (LONG_PTR)AfxWndProc);
    if (old != AfxWndProc) m_pfnSuper = old;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent) return FALSE;
    HWND item = ::GetDlgItem(parent->m_hWnd, (int)id);
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd && m_pfnSuper) SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, (LONG_PTR)m_pfnSuper);
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

// ---- Creation --------------------------------------------------------------------

LPCTSTR CWnd::GetDefaultClassName() {
    static const wchar_t* name = [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = L"ZorelWnd";
        ::RegisterClassExW(&wc);
        return L"ZorelWnd";
    }();
    return name;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) cs.lpszClass = GetDefaultClassName();
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  LPVOID param) {
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id, LPVOID param) {
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr, (HMENU)(UINT_PTR)id, param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, LPVOID param) {
    if (m_hWnd) return FALSE;
    CREATESTRUCTW cs = {};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = (LONG)style;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = menuOrId;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs)) return FALSE;
    HWND wnd;
    {
        CWndCreationHook hook(this);
        wnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }
    // A failed WM_CREATE has already destroyed the window and run
    // PostNcDestroy, which may have deleted this object: touch nothing.
    return wnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

// ---- Message processing -------------------------------------------------------------

UINT CWnd::GetTimerRequestMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"Zorel.Framework.TimerRequest");
    return message;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage() { return &t_currentMsg; }

LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    static std::mutex lock;
    static std::set<CString> names;  // nodes never move, so the text stays put
    CString name;
    name.Format(L"ZorelWnd:%x:%p:%p:%p", classStyle, (void*)cursor, (void*)background, (void*)icon);
    std::lock_guard<std::mutex> guard(lock);
    auto found = names.find(name);
    if (found != names.end()) return found->GetString();
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    return names.insert(name).first->GetString();
}

LRESULT CWnd::Default() {
    return DefWindowProc(t_currentMsg.message, t_currentMsg.wParam, t_currentMsg.lParam);
}

// The child control that a message to its parent is about, if any.
static HWND ReflectionSource(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: {
        auto dis = (LPDRAWITEMSTRUCT)lParam;
        return dis && dis->CtlType != ODT_MENU ? dis->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto mis = (LPMEASUREITEMSTRUCT)lParam;
        return mis && mis->CtlType != ODT_MENU ? ::GetDlgItem(parent, (int)mis->CtlID) : nullptr;
    }
    case WM_COMPAREITEM: {
        auto cis = (LPCOMPAREITEMSTRUCT)lParam;
        return cis ? cis->hwndItem : nullptr;
    }
    case WM_DELETEITEM: {
        auto dis = (LPDELETEITEMSTRUCT)lParam;
        return dis ? dis->hwndItem : nullptr;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return (HWND)lParam;
    default:
        (void)wParam;
        return nullptr;
    }
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message == GetTimerRequestMessage()) {
        if (lParam == (LPARAM)-1) ::KillTimer(m_hWnd, (UINT_PTR)wParam);
        else ::SetTimer(m_hWnd, (UINT_PTR)wParam, (UINT)lParam, nullptr);
        *result = 0;
        return TRUE;
    }
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *result = 0;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT r = 0;
        if (!lParam || !OnNotify(wParam, lParam, &r)) return FALSE;
        *result = r;
        return TRUE;
    }
    if (HWND child = ReflectionSource(m_hWnd, message, wParam, lParam)) {
        CWnd* control = FromHandlePermanent(child);
        LRESULT r = 0;
        if (control && control != this && control->OnChildNotify(message, wParam, lParam, &r)) {
            *result = r;
            return TRUE;
        }
    }
    AFX_MSGCALL call = {message, wParam, lParam, 0, 0, nullptr, 0, true};
    if (!DispatchToTable(call)) return FALSE;
    *result = call.result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    int code = HIWORD(wParam);
    HWND control = (HWND)lParam;
    if (!control) {
        if (code == 1) code = CN_COMMAND;  // an accelerator
    } else if (control != m_hWnd) {
        CWnd* child = FromHandlePermanent(control);
        LRESULT r = 0;
        if (child && child->OnChildNotify(WM_COMMAND, wParam, lParam, &r)) return TRUE;
    }
    return RouteCommand(id, code);
}

BOOL CWnd::RouteCommand(UINT id, int code, void* extra) {
    // An application object that hands a command back to a window must not
    // send it around for ever.
    if (t_routeDepth > 8) return FALSE;
    struct Depth {
        Depth() { ++t_routeDepth; }
        ~Depth() { --t_routeDepth; }
    } depth;
    if (OnCmdMsg(id, code, extra, nullptr)) return TRUE;
    // Control notifications stay with the control's parent; commands and
    // update-UI requests go on to the owners and the application.
    if (code != CN_COMMAND && (UINT)code != CN_UPDATE_COMMAND_UI) return FALSE;
    HWND owner = GetOwnerHandle();
    for (int hops = 0; owner && hops < 32; ++hops) {
        CWnd* wnd = FromHandlePermanent(owner);
        if (wnd && wnd->OnCmdMsg(id, code, extra, nullptr)) return TRUE;
        HWND next = (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD) ? ::GetParent(owner)
                                                                       : ::GetWindow(owner, GW_OWNER);
        owner = next;
    }
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code, extra, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    NMHDR* nm = (NMHDR*)lParam;
    if (nm->hwndFrom && nm->hwndFrom != m_hWnd) {
        CWnd* child = FromHandlePermanent(nm->hwndFrom);
        if (child && child->OnChildNotify(WM_NOTIFY, wParam, lParam, result)) return TRUE;
    }
    AFX_MSGCALL call = {WM_NOTIFY, wParam, lParam, (UINT)nm->idFrom, nm->code, nm, 0, true};
    if (!DispatchToTable(call)) return FALSE;
    *result = call.result;
    return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ReflectChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    UINT code = 0;
    if (message == WM_COMMAND) code = HIWORD(wParam);
    else if (message == WM_NOTIFY) code = ((NMHDR*)lParam)->code;
    AFX_MSGCALL call = {WM_REFLECT_BASE + message, wParam, lParam, 0, code, nullptr, 0, true};
    if (!DispatchToTable(call)) return FALSE;
    if (result) *result = call.result;
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stopAt, MSG* msg) {
    for (HWND wnd = msg->hwnd; wnd; wnd = ::GetParent(wnd)) {
        CWnd* object = FromHandlePermanent(wnd);
        if (object && object->PreTranslateMessage(msg)) return TRUE;
        if (wnd == stopAt) break;
    }
    return FALSE;
}

// ---- Modal loops -------------------------------------------------------------------

int CWnd::RunModalLoop(DWORD) {
    // The caller arms the loop (m_bContinueModal) before the window can end
    // it, so an end requested during creation is not lost.
    MSG msg;
    while (ContinueModal()) {
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // Leave the quit for the outer loop.
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        try {
            CWinApp* app = AfxGetApp();
            BOOL taken = app ? app->PreTranslateMessage(&msg) : WalkPreTranslateTree(nullptr, &msg);
            if (!taken) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        } catch (...) {
            AfxLogCaughtException("a modal loop");
        }
    }
    m_bContinueModal = false;
    return m_nModalResult;
}

BOOL CWnd::ContinueModal() { return m_bContinueModal; }

void CWnd::EndModalLoop(int result) {
    m_nModalResult = result;
    if (m_bContinueModal) {
        m_bContinueModal = false;
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the loop
    }
}

// ---- Data exchange -------------------------------------------------------------------

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

// ---- Window state and geometry -------------------------------------------------------------

static BOOL ModifyLong(HWND wnd, int index, DWORD remove, DWORD add, UINT swpFlags) {
    DWORD style = (DWORD)::GetWindowLongPtrW(wnd, index);
    DWORD changed = (style & ~remove) | add;
    if (style == changed) return FALSE;
    ::SetWindowLongPtrW(wnd, index, (LONG_PTR)changed);
    if (swpFlags)
        ::SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) { return ModifyLong(m_hWnd, GWL_STYLE, remove, add, swpFlags); }
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) {
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

void CWnd::GetWindowText(CString& text) const {
    int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0) {
        text.Empty();
        return;
    }
    wchar_t* buffer = text.GetBufferSetLength(length + 1);
    int got = ::GetWindowTextW(m_hWnd, buffer, length + 1);
    text.ReleaseBuffer(got < 0 ? 0 : got);
}

CString CWnd::GetWindowText() const {
    CString text;
    GetWindowText(text);
    return text;
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    HWND item = ::GetDlgItem(m_hWnd, id);
    text.Empty();
    if (!item) return 0;
    CWnd(item).GetWindowText(text);
    return text.GetLength();
}

CString CWnd::GetDlgItemText(int id) const {
    CString text;
    GetDlgItemText(id, text);
    return text;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    ::SendMessageW(m_hWnd, WM_SETFONT, (WPARAM)(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const { return CFont::FromHandle((HFONT)::SendMessageW(m_hWnd, WM_GETFONT, 0, 0)); }

void CWnd::ClientToScreen(LPRECT rect) const { ::MapWindowPoints(m_hWnd, nullptr, (LPPOINT)rect, 2); }
void CWnd::ScreenToClient(LPRECT rect) const { ::MapWindowPoints(nullptr, m_hWnd, (LPPOINT)rect, 2); }
void CWnd::MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const {
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, points, count);
}
void CWnd::MapWindowPoints(CWnd* to, LPRECT rect) const {
    ::MapWindowPoints(m_hWnd, to ? to->m_hWnd : nullptr, (LPPOINT)rect, 2);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
    placement->length = sizeof(*placement);
    return ::GetWindowPlacement(m_hWnd, placement);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    RECT self;
    ::GetWindowRect(m_hWnd, &self);
    HWND center = alternateOwner ? alternateOwner->m_hWnd : GetOwnerHandle();
    RECT area;
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoW(::MonitorFromWindow(center ? center : m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    if (center && ::IsWindowVisible(center) && !::IsIconic(center)) ::GetWindowRect(center, &area);
    else area = mi.rcWork;
    int w = self.right - self.left, h = self.bottom - self.top;
    int x = (area.left + area.right - w) / 2, y = (area.top + area.bottom - h) / 2;
    // Keep the whole window on the work area.
    if (x + w > mi.rcWork.right) x = mi.rcWork.right - w;
    if (y + h > mi.rcWork.bottom) y = mi.rcWork.bottom - h;
    if (x < mi.rcWork.left) x = mi.rcWork.left;
    if (y < mi.rcWork.top) y = mi.rcWork.top;
    if (GetStyle() & WS_CHILD) {
        POINT p = {x, y};
        ::ScreenToClient(::GetParent(m_hWnd), &p);
        x = p.x;
        y = p.y;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* dc) { return dc ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0; }

HWND CWnd::GetOwnerHandle() const {
    if (!m_hWnd) return nullptr;
    if (GetStyle() & WS_CHILD) return ::GetParent(m_hWnd);
    return ::GetWindow(m_hWnd, GW_OWNER);
}

CWnd* CWnd::GetTopLevelParent() const {
    HWND wnd = m_hWnd;
    while (wnd && (::GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD)) wnd = ::GetParent(wnd);
    return FromHandle(wnd);
}

CWnd* CWnd::GetDescendantWindow(int id, BOOL onlyPermanent) const {
    struct Search {
        int id;
        HWND found;
    } search = {id, nullptr};
    ::EnumChildWindows(
        m_hWnd,
        [](HWND wnd, LPARAM lp) -> BOOL {
            auto s = (Search*)lp;
            if (::GetDlgCtrlID(wnd) == s->id) {
                s->found = wnd;
                return FALSE;
            }
            return TRUE;
        },
        (LPARAM)&search);
    return onlyPermanent ? FromHandlePermanent(search.found) : FromHandle(search.found);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL deep) {
    for (HWND child = ::GetTopWindow(m_hWnd); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        ::SendMessageW(child, message, wParam, lParam);
        if (deep && ::GetTopWindow(child)) CWnd(child).SendMessageToDescendants(message, wParam, lParam, deep);
    }
}

// ---- Timers -------------------------------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (!m_hWnd) return 0;
    if (::GetWindowThreadProcessId(m_hWnd, nullptr) != ::GetCurrentThreadId()) {
        if (elapse == (UINT)-1) elapse = (UINT)-2;  // -1 means "kill" on the wire
        return ::PostMessageW(m_hWnd, GetTimerRequestMessage(), id, (LPARAM)elapse) ? id : 0;
    }
    return ::SetTimer(m_hWnd, id, elapse, proc);
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    if (!m_hWnd) return FALSE;
    if (::GetWindowThreadProcessId(m_hWnd, nullptr) != ::GetCurrentThreadId())
        return ::PostMessageW(m_hWnd, GetTimerRequestMessage(), id, (LPARAM)-1);
    return ::KillTimer(m_hWnd, id);
}

// ---- Menus and scrolling --------------------------------------------------------------------------

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu ? menu->m_hMenu : nullptr); }
CMenu* CWnd::GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }

BOOL CWnd::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) const {
    info->cbSize = sizeof(*info);
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, bar, info);
}

void CWnd::DragAcceptFiles(BOOL accept) { ::DragAcceptFiles(m_hWnd, accept); }

// ---- Default handlers -----------------------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return (BOOL)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnSizing(UINT, LPRECT) { Default(); }
void CWnd::OnMoving(UINT, LPRECT) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnEnterSizeMove() { Default(); }
void CWnd::OnExitSizeMove() { Default(); }
void CWnd::OnParentNotify(UINT, LPARAM) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return (BOOL)Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnHotKey(UINT, UINT, UINT) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnEnterMenuLoop(BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return (HBRUSH)Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
UINT CWnd::OnPowerBroadcast(UINT, LPARAM) { return (UINT)Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnTimeChange() { Default(); }
LRESULT CWnd::OnThemeChanged() { return Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
BOOL CWnd::OnQueryEndSession() { return (BOOL)Default(); }
void CWnd::OnEndSession(BOOL) { Default(); }
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) { return (BOOL)Default(); }

void CWnd::OnInitMenuPopup(CMenu* popup, UINT, BOOL sysMenu) {
    if (!sysMenu && popup) {
        int count = popup->GetMenuItemCount();
        for (int i = 0; i < count; ++i) {
            UINT id = popup->GetMenuItemID(i);
            if (id == 0 || id == (UINT)-1) continue;  // separators and submenus
            CCmdUI ui;
            ui.m_nID = id;
            ui.m_nIndex = (UINT)i;
            ui.m_nIndexMax = (UINT)count;
            ui.m_pMenu = popup;
            RouteCommand(id, (int)CN_UPDATE_COMMAND_UI, &ui);
        }
    }
    Default();
}

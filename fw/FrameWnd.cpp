#include "FrameWnd.h"

#include "WinApp.h"

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CFrameWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                       LPCTSTR menuName, DWORD exStyle, void*) {
    HMENU menu = nullptr;
    if (menuName) {
        menu = ::LoadMenuW(AfxGetResourceHandle(), menuName);
        if (!menu) return FALSE;
    }
    bool useDefault = rect.left == CW_USEDEFAULT && rect.right == 0;
    int x = rect.left, y = rect.top;
    int width = useDefault ? CW_USEDEFAULT : rect.right - rect.left;
    int height = useDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
    BOOL created = CreateEx(exStyle, className, windowName, style, x, y, width, height,
                            parent ? parent->m_hWnd : nullptr, menu);
    // On failure the window and its menu are gone already, or the menu was
    // never given to a window.
    if (!created && menu && ::IsMenu(menu)) ::DestroyMenu(menu);
    return created;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass) cs.lpszClass = GetDefaultClassName();
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR name) {
    if (m_hAccelTable) return FALSE;
    m_hAccelTable = ::LoadAcceleratorsW(AfxGetResourceHandle(), name);
    return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
    if (m_hAccelTable && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST)
        return ::TranslateAcceleratorW(m_hWnd, m_hAccelTable, msg);
    return FALSE;
}

void CFrameWnd::ActivateFrame(int cmdShow) {
    if (cmdShow == -1) cmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(cmdShow);
    BringWindowToTop();
}

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::PostNcDestroy() { delete this; }

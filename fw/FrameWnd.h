// CFrameWnd: a top-level window created by code. Closing it destroys it
// (through the virtual DestroyWindow), and the object deletes itself after
// its window is gone; the application's main window ends the message loop
// when it is destroyed.
#pragma once

#include "Wnd.h"

class CFrameWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CFrameWnd() = default;

    // The system's default position and size.
    static const CRect rectDefault;

    // Without a class name the frame uses a plain class of the framework.
    BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style = WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CWnd* parent = nullptr, LPCTSTR menuName = nullptr, DWORD exStyle = 0,
                void* context = nullptr);
    BOOL LoadAccelTable(LPCTSTR name);
    BOOL LoadAccelTable(UINT id) { return LoadAccelTable(MAKEINTRESOURCEW(id)); }
    void ActivateFrame(int cmdShow = -1);

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Translates the frame's accelerators.
    BOOL PreTranslateMessage(MSG* msg) override;

    void OnClose();

    HACCEL m_hAccelTable = nullptr;

protected:
    void PostNcDestroy() override;
};

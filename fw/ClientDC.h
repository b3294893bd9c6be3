// CClientDC: the DC of a window's client area, released with the wrapper.
#pragma once

#include "DC.h"
#include "Wnd.h"

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { Attach(::GetDC(m_hWnd)); }
    ~CClientDC() override { ::ReleaseDC(m_hWnd, Detach()); }

protected:
    HWND m_hWnd;
};

// CWindowDC: the DC of a whole window (frame included), released with the
// wrapper.
#pragma once

#include "DC.h"
#include "Wnd.h"

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { Attach(::GetWindowDC(m_hWnd)); }
    ~CWindowDC() override { ::ReleaseDC(m_hWnd, Detach()); }

protected:
    HWND m_hWnd;
};

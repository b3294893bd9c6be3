// CPaintDC: BeginPaint/EndPaint around a WM_PAINT handler.
#pragma once

#include "DC.h"
#include "Wnd.h"

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd) { Attach(::BeginPaint(m_hWnd, &m_ps)); }
    ~CPaintDC() override {
        Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
    PAINTSTRUCT m_ps = {};

protected:
    HWND m_hWnd;
};

// An invisible button laid over an area of a window that paints itself: it
// draws nothing and reports a press (WM_COMMAND) and a double-click
// (WM_USER + 1) to its parent.
#pragma once

#include "ui/ButtonStateLogic.h"
#include "ui/ControlBase.h"

class CNullButton : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    int m_nState = CButtonStateLogic::Normal;
    BOOL m_bTracking = FALSE;
    BOOL m_bArmed = FALSE;

protected:
    void DrawItem(LPDRAWITEMSTRUCT) {}
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }

private:
    CButtonStateLogic m_logic;
    void Sync() {
        m_nState = m_logic.m_nState;
        m_bTracking = m_logic.m_bTracking;
        m_bArmed = m_logic.m_bArmed;
    }
    void Apply(const CButtonStateLogic::Effect& e);
};

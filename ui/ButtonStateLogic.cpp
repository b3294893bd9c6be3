#include "ui/ButtonStateLogic.h"

bool CButtonStateLogic::SetState(int state) {
    if (state == Pressed || state == Hover || state == Disabled)
        m_nState = state;
    else
        m_nState = Normal;
    return m_nState != Disabled;
}

CButtonStateLogic::Effect CButtonStateLogic::OnMouseMove(bool inside, bool holdsCapture) {
    Effect e;
    if (m_bIgnore)
        return e;
    if (m_bTracking && holdsCapture) {
        if ((m_nState == Pressed || m_nState == Hover) && !inside) {
            // Leaving ends the hover and also a press: a release outside
            // then sends nothing.
            m_nState = Normal;
            m_bTracking = FALSE;
            m_bArmed = FALSE;
            e.release = e.repaint = true;
        }
    } else if (!m_bTracking && m_nState == Normal && inside) {
        m_bTracking = TRUE;
        m_nState = Hover;
        e.capture = e.repaint = true;
    }
    return e;
}

CButtonStateLogic::Effect CButtonStateLogic::OnLButtonDown(bool commandOnPress) {
    Effect e;
    if (m_bIgnore)
        return e;
    e.capture = true;
    SetState(Pressed);
    m_bTracking = TRUE;
    m_bArmed = TRUE;
    e.repaint = true;
    e.command = commandOnPress;
    return e;
}

CButtonStateLogic::Effect CButtonStateLogic::OnLButtonUp(bool toggleCheck, bool sendCommand) {
    Effect e;
    if (m_bIgnore || !m_bArmed)
        return e;
    if (toggleCheck)
        m_bChecked = !m_bChecked;
    e.command = sendCommand;
    m_nState = Normal;
    m_bTracking = FALSE;
    m_bArmed = FALSE;
    e.release = e.repaint = true;
    return e;
}

int CButtonStateLogic::PushButtonCell(int state, bool checked, bool itemDisabled) {
    if (itemDisabled)
        return Disabled;
    if (checked)
        return state == Disabled ? Disabled : Pressed;
    return (state >= Pressed && state <= Disabled) ? state : Normal;
}

int CButtonStateLogic::CheckButtonCell(int state, bool checked, bool itemDisabled) {
    enum { Unchecked = 0, Checked = 1, CellDisabled = 2 };
    if (itemDisabled || state == Disabled)
        return CellDisabled;
    if (state == Pressed)
        return checked ? Unchecked : Checked;
    return checked ? Checked : Unchecked;
}

COLORREF CButtonStateLogic::CheckButtonFill(int state, COLORREF pressed, COLORREF normal, COLORREF hover) {
    if (state == Pressed) return pressed;
    if (state == Hover) return hover;
    return normal;
}

#include "widgets/SlideMotion.h"

void CSlideMotion::Start(const SlidePlan& plan, CSize size, int step, const CRect& work, UINT stayMs) {
    m_Plan = plan;
    m_Size = size;
    m_Work = work;
    m_Step = step < 1 ? 1 : step;
    m_StayMs = stayMs;
    m_Hovering = false;
    m_Pos = plan.start;
    m_Window.MoveTo(m_Pos);
    m_State = STATE_IN;
    m_Window.StartTimer(TIMER_IN, plan.inInterval);
}

bool CSlideMotion::ShowAgain() {
    if (m_State == STATE_STAY) {
        m_Window.StartTimer(TIMER_STAY, m_StayMs);
        return true;
    }
    if (m_State == STATE_OUT) {
        m_Window.StopTimer(TIMER_OUT);
        m_Pos = SlideFullView(m_Plan, m_Size, m_Work);
        m_Window.MoveTo(m_Pos);
        m_State = STATE_STAY;
        m_Window.StartTimer(TIMER_STAY, m_StayMs);
        return true;
    }
    return m_State == STATE_IN;
}

UINT CSlideMotion::TimerOfState() const {
    switch (m_State) {
    case STATE_IN: return TIMER_IN;
    case STATE_STAY: return TIMER_STAY;
    case STATE_OUT: return TIMER_OUT;
    default: return 0;
    }
}

void CSlideMotion::SlideOut() {
    m_Window.StopTimer(TIMER_STAY);
    m_State = STATE_OUT;
    m_Window.StartTimer(TIMER_OUT, m_Plan.outInterval);
}

bool CSlideMotion::OnTimer(UINT id, bool cursorInside) {
    if (id == TIMER_HOVER) {
        if (!cursorInside) {
            m_Hovering = false;
            m_Window.StopTimer(TIMER_HOVER);
            SlideOut();
        }
        return true;
    }
    if (id != TIMER_IN && id != TIMER_STAY && id != TIMER_OUT) return false;
    if (m_Hovering) return true;
    if (id == TIMER_IN && m_State == STATE_IN) {
        const bool done = SlideTick(m_Plan, m_Size, m_Step, m_Work, true, m_Pos);
        m_Window.MoveTo(m_Pos);
        if (done) {
            m_Window.StopTimer(TIMER_IN);
            m_State = STATE_STAY;
            m_Window.StartTimer(TIMER_STAY, m_StayMs);
        }
    } else if (id == TIMER_STAY && m_State == STATE_STAY) {
        SlideOut();
    } else if (id == TIMER_OUT && m_State == STATE_OUT) {
        const bool done = SlideTick(m_Plan, m_Size, m_Step, m_Work, false, m_Pos);
        m_Window.MoveTo(m_Pos);
        if (done) {
            m_Window.StopTimer(TIMER_OUT);
            m_State = STATE_IDLE;
            m_Window.Finished();
        }
    } else {
        // A tick left over from an earlier state.
        m_Window.StopTimer(id);
    }
    return true;
}

void CSlideMotion::OnHover() {
    if (m_Hovering || m_State == STATE_IDLE) return;
    if (UINT timer = TimerOfState()) m_Window.StopTimer(timer);
    m_Pos = SlideFullView(m_Plan, m_Size, m_Work);
    m_Window.MoveTo(m_Pos);
    m_Hovering = true;
}

void CSlideMotion::OnLeave(bool cursorInside) {
    if (!m_Hovering) return;
    m_Hovering = false;
    if (!cursorInside) SlideOut();
}

void CSlideMotion::OnButtonHover() {
    if (m_State == STATE_IDLE) return;
    OnHover();
    m_Window.StartTimer(TIMER_HOVER, kHoverCheckMs);
}

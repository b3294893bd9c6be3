#include "ui/FadeController.h"

#include "ui/UiIds.h"

void CFadeController::Opacity(int alpha) {
    if (m_host.LayeredAvailable()) m_host.ApplyOpacity(alpha);
}

void CFadeController::FadeIn() {
    m_host.StopTimer(TIMER_FADE_IN);
    m_host.StopTimer(TIMER_FADE_OUT);
    if (m_fadeStep < 0) m_fadeStep = 0;
    m_fadeState = STATE_FADE_IN_STARTED;
    if (m_fadeStep != FADE_FULL) Opacity(0);
    m_host.StartTimer(TIMER_FADE_IN, FADE_STEP_MS);
    FadeInStep();
}

void CFadeController::FadeInStep() {
    if (m_fadeStep >= FADE_FULL) {
        m_host.StopTimer(TIMER_FADE_IN);
        m_host.FadeInDone();
        return;
    }
    if (m_fadeStep == 0) {
        m_host.MakeClickThrough(false);
        if (!m_host.IsWindowShown()) m_host.ShowNoActivate();
        m_fadeState = STATE_SHOWN;
    }
    ++m_fadeStep;
    // Integer arithmetic gives the exact truncated fraction of the target.
    Opacity(m_host.TargetAlpha() * m_fadeStep / FADE_FULL);
}

void CFadeController::FadeOut() {
    m_host.StopTimer(TIMER_FADE_IN);
    m_host.StopTimer(TIMER_FADE_OUT);
    m_fadeState = STATE_FADING_OUT;
    if (m_fadeStep > FADE_FULL) m_fadeStep = FADE_FULL;
    m_host.StartTimer(TIMER_FADE_OUT, FADE_STEP_MS);
    FadeOutStep();
}

void CFadeController::FadeOutStep() {
    if (m_fadeStep > 1) {
        --m_fadeStep;
        Opacity(m_host.TargetAlpha() * m_fadeStep / FADE_FULL);
        return;
    }
    m_host.StopTimer(TIMER_FADE_OUT);
    m_host.StopTimer(TIMER_MOUSEOVER_POLL);
    m_host.MakeClickThrough(true);
    m_fadeState = STATE_HIDDEN;
    m_fadeStep = 0;
    m_host.FadeOutDone();
}

void CFadeController::Hide(bool animated) {
    // Step 0 makes the first fade-out step the last one, so the window is
    // hidden and told so before this returns.
    if (!animated) m_fadeStep = 0;
    FadeOut();
}

void CFadeController::ArmAutoHide(bool fade, int elapse) {
    m_host.StopTimer(TIMER_AUTO_HIDE);
    if (fade) {
        m_host.RunFadeIn();
        if (elapse == -1) {
            m_host.BringToTopIfNormal();
            return;
        }
        m_host.StartTimer(TIMER_AUTO_HIDE, (unsigned)elapse);
        return;
    }
    m_host.MakeClickThrough(false);
    if (!m_host.IsWindowShown()) m_host.ShowNoActivate();
    Opacity(m_host.TargetAlpha());
    m_fadeState = STATE_SHOWN;
    m_fadeStep = FADE_FULL;
    m_host.BringToTopIfNormal();
    if (elapse != -1) m_host.StartTimer(TIMER_AUTO_HIDE, (unsigned)elapse);
}

void CFadeController::AutoHideElapsed() {
    m_host.StopTimer(TIMER_AUTO_HIDE);
    FadeOut();
}

void CFadeController::StartMouseOverHiding() {
    if (!m_host.LayeredAvailable()) return;
    m_mouseOverRunning = true;
    m_hiding = true;
    // The timer is armed before the first step, which may already end the
    // ramp and must then be able to stop it.
    m_host.StartTimer(TIMER_MOUSEOVER_STEP, MOUSEOVER_STEP_MS);
    MouseOverStep();
}

void CFadeController::MouseOverStep() {
    if (!m_host.LayeredAvailable()) return;
    int alpha = m_host.TargetAlpha();
    bool ctrl = m_host.CtrlHeld();
    bool inside = m_host.CursorInside();
    if (m_hiding && !ctrl && inside) {
        if (m_mouseOverStep <= 1) {
            m_host.StopTimer(TIMER_MOUSEOVER_STEP);
            m_mouseOverStep = 0;
            m_mouseOverRunning = false;
            m_host.ApplyOpacity(0);
            m_host.MakeClickThrough(true);
            m_host.StartTimer(TIMER_MOUSEOVER_POLL, MOUSEOVER_POLL_MS);
            return;
        }
        --m_mouseOverStep;
        m_host.ApplyOpacity(m_mouseOverStep * alpha / MOUSEOVER_FULL);
        return;
    }
    if (m_mouseOverStep >= MOUSEOVER_FULL) {
        m_host.StopTimer(TIMER_MOUSEOVER_STEP);
        m_mouseOverRunning = false;
        m_mouseOverStep = MOUSEOVER_FULL;
        return;
    }
    ++m_mouseOverStep;
    m_host.ApplyOpacity(m_mouseOverStep * alpha / MOUSEOVER_FULL);
}

void CFadeController::MouseOverPoll() {
    if (!m_host.LayeredAvailable()) return;
    if (m_host.CursorInside() && m_host.MouseOverHidingOn()) return;
    m_hiding = false;
    m_host.MakeClickThrough(false);
    m_host.StopTimer(TIMER_MOUSEOVER_POLL);
    m_host.StartTimer(TIMER_MOUSEOVER_STEP, MOUSEOVER_STEP_MS);
}

bool CFadeController::OnTimer(unsigned id) {
    switch (id) {
    case TIMER_MOUSEOVER_STEP: MouseOverStep(); return true;
    case TIMER_MOUSEOVER_POLL: MouseOverPoll(); return true;
    case TIMER_FADE_IN: FadeInStep(); return true;
    case TIMER_FADE_OUT: FadeOutStep(); return true;
    case TIMER_AUTO_HIDE: AutoHideElapsed(); return true;
    default: return false;
    }
}

// Fading in and out, auto-hide and mouse-over hiding of a floating window,
// kept apart from the window so every step can be followed without a screen.
#pragma once

#include "ui/FadeHost.h"

class CFadeController {
public:
    enum { STATE_HIDDEN = 0, STATE_FADING_OUT = 2, STATE_SHOWN = 3, STATE_FADE_IN_STARTED = 4 };
    enum { FADE_FULL = 15, MOUSEOVER_FULL = 5 };

    explicit CFadeController(IFadeHost& host) : m_host(host) {}

    void FadeIn();
    void FadeInStep();
    void FadeOut();
    void FadeOutStep();
    void Hide(bool animated);
    void ArmAutoHide(bool fade, int elapse);
    void AutoHideElapsed();

    void StartMouseOverHiding();
    void MouseOverStep();
    void MouseOverPoll();

    // The base's timers; false for ids that are not the fades'.
    bool OnTimer(unsigned id);

    int FadeStep() const { return m_fadeStep; }
    int FadeState() const { return m_fadeState; }
    int MouseOverStepValue() const { return m_mouseOverStep; }
    bool Hiding() const { return m_hiding; }
    bool MouseOverRunning() const { return m_mouseOverRunning; }
    void SetFadeStep(int step) { m_fadeStep = step; }

private:
    void Opacity(int alpha);

    IFadeHost& m_host;
    int m_fadeStep = 0;
    int m_fadeState = STATE_HIDDEN;
    int m_mouseOverStep = MOUSEOVER_FULL;
    bool m_hiding = false;
    bool m_mouseOverRunning = false;
};

// CSlideMotion: the life of a sliding notice - in, stay, out - driven by
// timer ticks and the pointer, apart from the window that shows it.
#pragma once

#include "widgets/NoticeLayout.h"

// What the motion asks of its window.
class ISlideWindow {
public:
    virtual ~ISlideWindow() = default;
    virtual void StartTimer(UINT id, UINT ms) = 0;
    virtual void StopTimer(UINT id) = 0;
    virtual void MoveTo(CPoint pos) = 0;
    // The notice has slid out: hide and destroy the window.
    virtual void Finished() = 0;
};

class CSlideMotion {
public:
    enum { TIMER_IN = 1, TIMER_STAY = 2, TIMER_OUT = 3, TIMER_HOVER = 4 };
    enum { STATE_IDLE = 0, STATE_IN = 1, STATE_STAY = 2, STATE_OUT = 3 };
    static constexpr UINT kHoverCheckMs = 500;

    explicit CSlideMotion(ISlideWindow& window) : m_Window(window) {}

    // Starts the slide from the plan's start position.
    void Start(const SlidePlan& plan, CSize size, int step, const CRect& work, UINT stayMs);
    // A new text while shown: a staying notice stays longer, one sliding
    // out comes back to full view and stays again. False when idle (the
    // caller then starts a new slide).
    bool ShowAgain();
    // The same with a new stay, which also counts from now.
    bool ShowAgain(UINT stayMs) {
        m_StayMs = stayMs;
        return ShowAgain();
    }

    // A tick of timers 1-4; false for other timers.
    bool OnTimer(UINT id, bool cursorInside);
    // The pointer rests on the notice: it stops in full view.
    void OnHover();
    // The pointer left: a notice no longer under it slides out at once.
    void OnLeave(bool cursorInside);
    // The pointer is on a button: hovered, watched every half second.
    void OnButtonHover();

    int State() const { return m_State; }
    bool Hovering() const { return m_Hovering; }
    CPoint Position() const { return m_Pos; }

private:
    UINT TimerOfState() const;
    void SlideOut();

    ISlideWindow& m_Window;
    SlidePlan m_Plan;
    CSize m_Size;
    CRect m_Work;
    int m_Step = 2;
    UINT m_StayMs = 0;
    int m_State = STATE_IDLE;
    bool m_Hovering = false;
    CPoint m_Pos;
};

// The quick-menu bar's decisions, apart from its window: where the docked
// bar stands, which tool is under a point, the tooltip balloon's box, the
// skin that folding or unfolding switches to, the docked skin's XML, and the
// sliding state driven by window timers.
#pragma once

#include "fw/Afx.h"

#include <string>

const int QUICK_MENU_ITEM_COUNT = 19;
const int QUICK_MENU_ITEM_MENU = 11;     // opens the docked context menu
const int QUICK_MENU_ITEM_WIDGETS = 10;  // the launcher tooltip widget
const int QUICK_MENU_OPEN_STEP = 11;     // the last frame of the strip
const int QUICK_MENU_SLIDE_MS = 30;      // one step of the strip
const int QUICK_MENU_WIDTH = 500;
const int QUICK_MENU_HEIGHT = 51;

// The bar's timers.
const UINT TIMER_QUICK_MENU_AUTO_HIDE = 3220;
const UINT TIMER_QUICK_MENU_SLIDE_OUT = 3221;
const UINT TIMER_QUICK_MENU_SLIDE_IN = 3222;
const UINT TIMER_QUICK_MENU_DELAY = 3224;
const UINT QUICK_MENU_AUTO_HIDE_MS = 4000;

struct QuickMenuItem {
    CRect hit;          // inclusive on every side
    int textId;         // the tooltip's language text
    const wchar_t* command;  // null for the menu item
    int anchorX;        // where the tooltip balloon points
    CRect highlight;    // destination in the window
    CPoint source;      // top-left of the same size in the highlight picture
};

// Item 0 to 18; any other index gives item 0.
const QuickMenuItem& GetQuickMenuItem(int item);
// The item whose hit rectangle holds the client point, or -1.
int QuickMenuItemAt(CPoint point);

// The frame the bar hides down to.
inline int QuickMenuHiddenLevel(bool minimize) { return minimize ? 0 : 2; }

// The docked bar's left edge for the work area, its client width and the
// DockXOffset setting (negative: automatic).
int QuickMenuDockX(const CRect& workArea, int clientWidth, int dockXOffset);

// The tooltip balloon's left edge and width for a text of the measured
// width under the anchor, kept inside the window.
struct QuickMenuBalloon {
    int left;
    int width;
};
QuickMenuBalloon QuickMenuBalloonBox(int anchorX, double textWidth, int windowWidth);

// The skin command that folds (expand false) or unfolds the bar's skin
// file, or empty when the skin is neither look.
CString QuickMenuSkinSwitch(const CString& skinFile, bool expand);

// The docked skin, made in memory: the strip (frame-image meter 100) and
// the highlight picture (image meter 101, drawn by the bar itself).
std::string QuickMenuDockedSkinXml();

// MenuDelay values (tenths of a second) and their menu commands.
const int QUICK_MENU_DELAY_COUNT = 6;
extern const int kQuickMenuDelays[QUICK_MENU_DELAY_COUNT];
extern const UINT kQuickMenuDelayCommands[QUICK_MENU_DELAY_COUNT];

// What the slide needs of its window.
class IQuickMenuSlideHost {
public:
    virtual ~IQuickMenuSlideHost() = default;
    virtual void StartTimer(UINT id, UINT ms) = 0;
    virtual void StopTimer(UINT id) = 0;
    virtual DWORD Now() = 0;
    virtual void RepaintBar() = 0;
    // The mouse left: the window re-reads its work area.
    virtual void OnLeft() {}
};

// The docked strip's frame and its timers. The step grows by the whole
// 30-ms units elapsed, so a slow timer still ends fully open; once the bar
// is back at its hidden level no timer runs.
class CQuickMenuSlide {
public:
    explicit CQuickMenuSlide(IQuickMenuSlideHost& host) : m_host(host) {}

    void Configure(int hiddenLevel, int menuDelay) {
        m_hiddenLevel = hiddenLevel;
        m_menuDelay = menuDelay;
    }
    void OnHover();
    void OnLeave();
    // True for the slide's own timers.
    bool OnTimer(UINT id);
    // Open now, and hide again 4 seconds later.
    void SlideOut();
    // Back to the hidden level at once.
    void Rest() { m_step = m_hiddenLevel; }

    int GetStep() const { return m_step; }
    void SetStep(int step) { m_step = step; }
    int GetHiddenLevel() const { return m_hiddenLevel; }
    bool IsHovering() const { return m_hovering; }
    // Set by the window; cleared while sliding in.
    int tooltipItem = -1;
    int pressedItem = -1;

private:
    void StartOpening();

    IQuickMenuSlideHost& m_host;
    int m_hiddenLevel = 2;
    int m_menuDelay = 3;
    int m_step = 2;
    bool m_hovering = false;
    DWORD m_lastTick = 0;
};

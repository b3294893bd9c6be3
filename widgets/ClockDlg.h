// CClockDlg: the skinned desktop clock and the owner of the program's
// heartbeat. Its one-second timer runs the tick (widgets/ClockTick.h) and
// carries out what it asks: the frame's minute, day, tray-date and web-check
// calls, the set-time showing with its chimes, and the redraw.
#pragma once

#include "widgets/ClockHost.h"
#include "widgets/ClockTick.h"
#include "widgets/GDIDialog.h"
#include "widgets/MeasureCPU.h"

#include <memory>

// Ids of the clock window.
const unsigned IDD_CLOCK = 191;
const unsigned IDR_CLOCK_MENU = 196;
const unsigned IDP_ANALOG_BACKGROUND = 205;
const unsigned TIMER_CLOCK_TICK = 100;
const unsigned CLOCK_TICK_MS = 1000;
const unsigned ID_SCHEDULE_MANAGEMENT = 32804;
const unsigned ID_CLOCK_SETTINGS = 32811;
const unsigned ID_CLOCK_VIEW_ALWAYS = 32812;    // view modes 32812 + mode
const unsigned ID_CLOCK_VIEW_SET_TIME = 32814;
const int CLOCK_WIDGET_KIND = 2;

class CClockDlg : public CGDIDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CClockDlg(IClockHost& host, CWnd* parent = nullptr);
    ~CClockDlg() override;

    BOOL Create(UINT templateId = IDD_CLOCK, CWnd* parent = nullptr) override;
    BOOL OnInitDialog() override;

    // One tick of timer 100.
    void Tick();
    void CheckMinuteAndDay();
    void UpdateChime(const ClockTime& now);
    // Non-zero fades the clock out; zero fades it in to stay.
    void ShowOrHide(int hide);
    void SaveState();

    void LoadDefaultSkin() override;
    void SelectSkin(UINT id) override;
    CPoint GetTopLeft() override;

    // Menu 196 prepared for this window; the caller tracks and destroys it.
    HMENU BuildContextMenu() override;

    // The heartbeat's keys and counters; the frame hands its stand-in's
    // state over when the clock takes the tick.
    CClockTick& TickState() { return m_tick; }
    void SetLastMinuteKey(int key) { m_tick.SetLastMinuteKey(key); }
    int GetZPosition() const { return m_nZPosition; }
    bool IsChanged() const { return m_bChanged != 0; }
    void ClearChanged() { m_bChanged = 0; }
    void EnableSavePosition() { m_bSavePosition = 1; }

    // The settings the tick reads, from section Clock.
    static ClockChimeSettings ChimeSettings();

protected:
    void PostNcDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    void OnTimer(UINT_PTR id);
    void OnMove(int x, int y);
    void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    void OnViewMode(UINT id);

private:
    ClockTime ReadTime();
    // Shows, chimes and hides as the set-time rule asked.
    void CarryOutRule(const ClockTickResult& result);
    void PlayChime(const CString& sound);

    IClockHost& m_host;
    CClockTick m_tick;
    CMeasureCPU m_cpu;
    ClockTime m_now;
    int m_nRuleSavedZPosition = 0;
    bool m_bRuleRaised = false;
};

// What a global hot key asks of the main frame, passed on to the frame.
// Of the desktop windows the clock and the calendar are part of the
// program yet; the others' hot keys do nothing.
#pragma once

#include "shell/HotKeyHost.h"

class CMainFrame;

class CMainFrameHotKeyHost : public IHotKeyHost {
public:
    explicit CMainFrameHotKeyHost(CMainFrame& frame) : m_frame(frame) {}

    void NewMemo() override;
    void NewMemoFromClipboard() override;
    void ShowAllMemos(bool show) override;
    void ShowRecentMemo(int count) override;
    void OpenSettings(int page, int item) override;
    void OpenScheduleManager() override;
    void OpenMemoSearch() override;
    void OpenPasswordManager(int force) override;
    void StartCapture(int mode) override;
    void ShowAllWidgets(bool show) override;
    void ShowQuickMenu(int fade) override;
    void ShowDaySchedule(int fade) override;
    IHotKeyView* GetClock() override;
    IHotKeyView* GetCalendar() override;
    IHotKeyView* GetDaySchedule() override;
    IHotKeyView* GetQuickMenu() override;
    void ExitProgram() override;
    int ExecuteAction(const CString& text) override;
    bool RunAction(const CString& text) override;
    void ShowMessageBox(const CString& text) override;
    void CloseSpotlight() override;
    bool OpenDirectHotKeyboard(int id) override;

private:
    CMainFrame& m_frame;
};

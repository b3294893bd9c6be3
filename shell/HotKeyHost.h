// IHotKeyHost: the main frame's operations that the global hot keys reach.
// The main frame implements it; tests record the calls.
#pragma once

#include "fw/Afx.h"

class IHotKeyView;

class IHotKeyHost {
public:
    virtual ~IHotKeyHost() = default;

    virtual void NewMemo() = 0;
    virtual void NewMemoFromClipboard() = 0;
    virtual void ShowAllMemos(bool show) = 0;
    virtual void ShowRecentMemo(int count) = 0;
    // The settings sheet on a page (-1: its default page) with an item selected.
    virtual void OpenSettings(int page, int item) = 0;
    virtual void OpenScheduleManager() = 0;
    virtual void OpenMemoSearch() = 0;
    virtual void OpenPasswordManager(int force) = 0;
    virtual void StartCapture(int mode) = 0;
    virtual void ShowAllWidgets(bool show) = 0;
    virtual void ShowQuickMenu(int fade) = 0;
    // Creates the day schedule when missing or fades it in.
    virtual void ShowDaySchedule(int fade) = 0;
    // The desktop windows; null while one does not exist.
    virtual IHotKeyView* GetClock() = 0;
    virtual IHotKeyView* GetCalendar() = 0;
    virtual IHotKeyView* GetDaySchedule() = 0;
    virtual IHotKeyView* GetQuickMenu() = 0;

    // Exit: stores the window states, then posts WM_CLOSE to the frame.
    virtual void ExitProgram() = 0;
    virtual int ExecuteAction(const CString& text) = 0;
    virtual bool RunAction(const CString& text) = 0;
    // The program's own message box with one button.
    virtual void ShowMessageBox(const CString& text) = 0;
    virtual void CloseSpotlight() = 0;
    // The on-screen keyboard for the hot key, in direct mode, shown without
    // a parent. False when its window could not be created (the object is
    // gone again).
    virtual bool OpenDirectHotKeyboard(int id) = 0;
};

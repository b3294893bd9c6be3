// What the calendar window asks of the main frame: the settings page, the
// alarm and anniversary dialogs on a date, and the day balloon that lists a
// day's schedules. The frame implements it; tests give a fake.
#pragma once

#include "fw/Afx.h"

class ICalendarDlgHost {
public:
    virtual ~ICalendarDlgHost() = default;
    virtual void OpenCalendarSettings() = 0;
    virtual void NewAlarmOnDate(int year, int month, int day) = 0;
    virtual void NewAnniversaryOnDate(int month, int day) = 0;
    // The balloon of a day, under the day's cell (screen co-ordinates).
    virtual void ShowDayBalloon(int year, int month, int day, const CRect& cell) = 0;
    virtual void HideDayBalloon() = 0;
    virtual bool IsDayBalloonShowing(int year, int month, int day) = 0;
};

// What the schedule manager's grid shows for an alarm, cell by cell, and
// which image each row carries; no window needed.
#pragma once

#include "calendar/AlarmInfo.h"

class CAlarmSetLogic {
public:
    enum { Columns = 4, ImageNotDone = 16, ImageDone = 17, SwitchedOffImage = 8 };
    enum { KindWidth = 186, TimeWidth = 76, DoneWidth = 28, FixedWidths = 290 };

    // Column 0: the kind's text, and its image (kind + 8 for a switched-off
    // one-time or designated-day alarm).
    static CString KindText(const CAlarmInfo& alarm);
    static int KindImage(const CAlarmInfo& alarm);
    // Column 1: "All-day" or the hour and minute.
    static CString TimeText(const CAlarmInfo& alarm);
    // Column 2: the linked note's mark or the contents on one line.
    static CString ContentsText(const CAlarmInfo& alarm);
    // Column 3's image.
    static int DoneImage(const CAlarmInfo& alarm) { return alarm.m_bDone ? ImageDone : ImageNotDone; }
    // The header texts (the fourth column has none).
    static CString HeaderText(int column);
};

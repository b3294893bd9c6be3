// The decisions of the add/edit alarm dialog without its window: what the
// controls show when it opens, and what OK makes of them (the record, whether
// it may be stored, and the message when not). The dialog only moves values
// between these structs and its controls.
#pragma once

#include "calendar/AlarmInfo.h"

class CAddAlarmLogic {
public:
    enum { AdvancePositions = 18, AdvanceListed = 11, StylePositions = 5, QuickTimes = 10 };
    enum { NoPicker = 0, DatePicker = 1238, StartPicker = 1239, EndPicker = 1241 };
    enum { TextNoWeekday = 10019, TextStartAfterEnd = 10020, TextInvalidDate = 795, TextIntervalTooShort = 25008 };

    // The values of the dialog's controls.
    struct Form {
        int kind = 0;
        SYSTEMTIME date = {}, start = {}, end = {};  // the three date pickers
        int hour = 0, minute = 0;
        bool allDay = false;
        int weekdayMask = 0;   // bit 0 Sunday ... bit 6 Saturday
        int dayOfMonth = 0;    // list position: day - 1, 31 for the last day
        int weekMonth = 0, weekNumber = 0, weekDay = 0;
        CString interval;      // the interval box's text
        bool dDay = false, holiday = false, done = false;
        int icon = 0;
        int advance = 0;       // list position, -1 when nothing is selected
        int style = 0;         // list position (style + 1)
    };

    struct OkResult {
        CAlarmInfo record;
        bool valid = false;
        int textId = 0;        // the message shown when not valid
        int resetPicker = NoPicker;  // set to today and focused when not valid
    };

    // The controls for a record as the dialog opens. Add mode (edit false)
    // also stores now's hour and minute in the record; a preset date puts it
    // in all three pickers.
    static Form Open(CAlarmInfo& record, bool edit, bool presetDate, const SYSTEMTIME& now);
    // OK over the working record and the controls at a moment.
    static OkResult Ok(const CAlarmInfo& working, const Form& form, const SYSTEMTIME& now);

    // The advance table: minutes of a position (0 for an unknown one) and
    // the position of minutes (-1 when none has them).
    static int AdvanceMinutes(int position);
    static int AdvancePosition(int minutes);
    // Seconds the quick-time choice adds to now (0 for an unknown one).
    static int QuickTimeSeconds(int position);
    // Hour and minute of now plus the seconds.
    static void QuickTime(const SYSTEMTIME& now, int seconds, int& hour, int& minute);
    // The two weekday buttons: Monday to Friday (and the kind becomes the
    // weekday kind), or Sunday and Saturday only.
    static void ChooseWorkdays(Form& form);
    static void ChooseWeekend(Form& form);
    // A moment as a minute key in 64 bits: years up to 10000 pass 32 bits.
    static long long MinuteKey64(int year, int month, int day, int hour, int minute);
    // "#HH#(h) #MM#(m)" with the hour and minute, as the time button and the
    // manager's time column show it.
    static CString TimeText(int hour, int minute);
};

// The decisions of the anniversary dialog without its window: what the
// controls show for a record, and what OK makes of them. The dialog only
// moves values between these and its controls.
#pragma once

#include "calendar/DayInfo.h"

class CDayinfoLogic {
public:
    enum { DaysBeforePositions = 13, TextNoInformation = 10012 };
    enum { KindSolar = 0, KindLunar = 1, KindLeap = 2 };

    struct Form {
        CString text;
        bool holiday = false;
        int kind = KindSolar;
        CString monthText, dayText;
        int icon = 0;            // icon list position
        int daysBefore = -1;     // days-before list position, -1 when none is selected
    };

    // Days of notice for each days-before list position (0 "Not Use").
    static int DaysBeforeAt(int position);
    // The list position of a number of days, -1 when the list has none.
    static int DaysBeforePosition(int days);

    static Form FromRecord(const CDayInfo& record);
    // Month or day from its box: the absolute value of the leading number,
    // at most limit; 0 when the text holds no number.
    static int ReadNumber(const CString& text, int limit);
    // Fills the record from the controls; 0 when stored, else the id of the
    // text that explains the refusal (the record is then left untouched).
    static int Apply(const Form& form, CDayInfo& record);
};

// A text meter filled with today's date: the solar date, its Korean
// lunisolar date and the traditional names, by the placeholders of a date
// format. It recomputes only when the local date changes.
#pragma once

#include "widgets/MeterString.h"

struct DateInfo;

class CMeterDateString : public CMeterString {
public:
    explicit CMeterDateString(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;

    // The format with every placeholder filled for the date.
    static CString FormatDate(const CString& format, int year, int month, int day, const DateInfo& info);

private:
    CString m_DateFormat;
    int m_Year = 1970, m_Month = 1, m_Day = 1;
};

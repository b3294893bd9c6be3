// What the calendar page does to the desktop calendar: its skin and
// transparency act while the user chooses, Apply shows it and sets its level
// and hiding, and the anniversary grid edits its list. The frame hands out
// the real calendar; tests a fake over a real anniversary file.
#pragma once

#include "fw/Afx.h"

#include <functional>

class CAnniversaryFile;
class CalendarDlg;

class ICalendarPageTarget {
public:
    virtual ~ICalendarPageTarget() = default;
    virtual CString GetSkinFile() = 0;
    virtual void LoadSkin(const CString& path) = 0;
    virtual int GetAlpha() = 0;
    virtual void SetAlpha(int alpha) = 0;
    virtual int GetMouseOverHiding() = 0;
    virtual void SetMouseOverHiding(int on) = 0;
    virtual int GetZPosition() = 0;
    // The level, remembered as the calendar's own.
    virtual void SetZPosition(int level) = 0;
    virtual bool IsVisible() = 0;
    // Fades the calendar in to stay.
    virtual void ShowToStay() = 0;
    virtual CAnniversaryFile& Anniversaries() = 0;
};

// The calendar window the frame owns, found again on every call.
class CCalendarWindowTarget : public ICalendarPageTarget {
public:
    explicit CCalendarWindowTarget(std::function<CalendarDlg*()> find) : m_find(std::move(find)) {}
    CString GetSkinFile() override;
    void LoadSkin(const CString& path) override;
    int GetAlpha() override;
    void SetAlpha(int alpha) override;
    int GetMouseOverHiding() override;
    void SetMouseOverHiding(int on) override;
    int GetZPosition() override;
    void SetZPosition(int level) override;
    bool IsVisible() override;
    void ShowToStay() override;
    CAnniversaryFile& Anniversaries() override;

private:
    std::function<CalendarDlg*()> m_find;
};

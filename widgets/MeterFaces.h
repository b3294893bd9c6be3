// What the skinned window asks of the meters that do more than draw: the
// button family (buttons, shortcuts, web links...) and the weather meter.
// Those kinds implement these faces beside CMeter; the window finds them
// with dynamic_cast, so a kind that is not built yet simply is not asked.
#pragma once

#include "fw/Afx.h"

class CMeter;

class IButtonMeter {
public:
    virtual ~IButtonMeter() = default;
    // The button's look for the mouse state; true when it changed.
    virtual bool UpdateButtonState(bool down, CPoint clientPoint) = 0;
    virtual CString GetCommand() = 0;
    virtual CString GetToolTipText() = 0;
    // True when the button has a tooltip text and the point is on it.
    virtual bool HitTestToolTip(CPoint clientPoint) = 0;
    // Non-zero: a link, shown with the hand cursor.
    virtual int GetHyperLink() = 0;
};

class IWeatherMeter {
public:
    virtual ~IWeatherMeter() = default;
    virtual void ParseWeatherFeed(const char* buffer, int length) = 0;
    virtual CString GetDetailLink() = 0;
    // A number no other weather meter of the process ever had. A reply
    // carries the number of the meter that asked, so that a new meter
    // built at the same address after a skin reload never takes it.
    virtual unsigned long long GetReplySerial() { return 0; }
};

// The reply of a weather request, posted as WM_WEATHER_DATA's wParam. The
// request allocates record and buffer (new, new[]); the window frees both,
// also when the target meter is gone.
struct WeatherDataRecord {
    char* buffer = nullptr;
    int length = 0;
    CMeter* meter = nullptr;
    unsigned long long serial = 0;  // the asking meter's GetReplySerial
};

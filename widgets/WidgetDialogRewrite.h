// Rewrites of a widget's skin file after the user set up a countdown or a
// weather location: one block or one line is replaced, every other line
// stays byte for byte as it was. Lines are matched in a normalised form
// (blanks and tabs removed, upper case), so a block written with tabs
// between its attributes is found as well.
#pragma once

#include "fw/Afx.h"

#include <string>

struct CountdownSetting {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    CString label;
    CString command;  // empty: no command line
};

class CWidgetDialogRewrite {
public:
    // The line without blanks and tabs, ASCII letters upper-cased.
    static std::string Normalise(const std::string& line);
    // Replaces the lines from the one that holds the countdown's start
    // marker up to, not including, the one that holds the end of the
    // measure. False, with text unchanged, when there is no such block.
    static bool RewriteCountdown(std::string& text, const CString& section, const CountdownSetting& setting);
    // Replaces the location line of the weather widget with that ID (the
    // first one after its start line). False, with text unchanged, when
    // there is none.
    static bool RewriteWeather(std::string& text, int meterId, const CString& woeid, bool fahrenheit);
    // The location id and Unit text of the weather widget with that ID, as
    // its location line holds them; false when there is no such line.
    static bool ReadWeather(const std::string& text, int meterId, CString& woeid, CString& unit);
    static bool ReadWeatherFile(const CString& path, int meterId, CString& woeid, CString& unit);
    // A weather meter's Unit text means Fahrenheit only when it is exactly
    // "f"; anything else, "F" included, is Celsius.
    static bool IsFahrenheit(const CString& unit) { return unit == L"f"; }
    // The same on a skin file, which is replaced whole or left as it was.
    static bool RewriteCountdownFile(const CString& path, const CString& section, const CountdownSetting& setting);
    static bool RewriteWeatherFile(const CString& path, int meterId, const CString& woeid, bool fahrenheit);
};

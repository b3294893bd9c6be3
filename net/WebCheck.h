// The daily web check: the report posted to the maker's service, the rule
// that says whether a check is due, the stored reply's dates, and the worker
// that sends the report and keeps the reply as "result.xml".
//
// The form and the due rule are pure (clock and profile come in as values),
// so they are tested without a network; the worker talks to whatever host
// the service URL names, which tests point at 127.0.0.1.
#pragma once

#include "fw/Afx.h"

#include <wininet.h>

// The service: a host on a reserved example domain; the path is fixed.
#define ZOREL_WEBCHECK_HOST L"zorel.example.com"
#define ZOREL_WEBCHECK_PATH L"/zorel/zorelcheck_250/"

// WM_WEBCHECK_DONE's wParam besides a stored result's CRepeat value.
enum { WEBCHECK_FAILED = 0, WEBCHECK_STORED = 1 };

enum WebCheckVariant {
    WEBCHECK_FIRST_RUN,  // the first check after installation
    WEBCHECK_USER_INFO,  // the user allows sending the profile
    WEBCHECK_SHORT,      // program, version and locale only
};

// Everything the form carries, gathered by the caller (the profile values
// come from the user measure, the locale from the keyboard layout).
struct WebCheckFormInput {
    WebCheckVariant variant = WEBCHECK_SHORT;
    bool show = false;  // sent as 1 or 0; the first run always sends 1
    CStringA user, woeid;
    CStringA todayLunar;  // "%04d%02d%02d%d": year, month, day, leap flag
    int birthType = 0;
    CStringA solarBirth, lunarBirth;
    int sex = 0, age = 0, lifetime = 0, birthMatch = 0, birthOrder = 0, nextBirthday = 0;
    CStringA cdate;  // the last result's CDate; empty sends a single blank
    CStringA language, country, osver;
    SYSTEMTIME now = {};
};

enum {
    WEBCHECK_FORM_MAX = 2047,   // the body never grows beyond this
    WEBCHECK_VALUE_MAX = 240,   // one encoded value at most (whole escapes only)
    WEBCHECK_DATE_CAPACITY = 65, // CDate and NDate: 64 characters and the end
};

// The report's birthday match of the coming birthday (given as its solar
// date): 1 on the solar birth date of a solar-born user, 3 on the solar
// date of a lunar-born one, 2 on the lunar birth date of a lunar-born user
// (replacing a 3), 4 on the lunar date of a solar-born one (only when
// nothing matched before), else 0. order: that birthday's year minus the
// birth year, in the calendar that matched (0 when none did).
struct BirthdayMatch {
    int code = 0;
    int order = 0;
};
BirthdayMatch MatchComingBirthday(bool lunarBorn, int solarYear, int solarMonth, int solarDay, int lunarYear,
                                  int lunarMonth, int lunarDay, int comingYear, int comingMonth, int comingDay);

// Percent-encodes a value for an application/x-www-form-urlencoded body:
// letters, digits and "-._~" stay, every other byte becomes %XX. Encoding
// stops before an escape that would pass maxLength, so no escape is cut.
CStringA EncodeFormValue(const char* value, int maxLength = WEBCHECK_VALUE_MAX);

// The request body, starting with "&" and ending with the local time as
// "YEAR=yy&MON=mm&DAY=dd&HOUR=hh&MIN=mm". Values are encoded, so a name
// holding "&" or "=" cannot split the form.
CStringA WebCheckForm(const WebCheckFormInput& input);

// Whether a check is due for the stored NDate ("YYYY-MM-DD" or
// "YYYY-MM-DD HH:MM"): not due while the date lies after now and no more
// than 32 days (of 31-day months) ahead; any other text is due.
bool IsCheckDue(const char* ndate, const SYSTEMTIME& now);

// The stored reply's "ZorelCheck"/"System" values. cdate and ndate get 65
// bytes each and start as a single blank, crepeat as 1; false when the file
// is missing or has no root "ZorelCheck" (the defaults stay then).
bool ReadCheckResult(const CString& path, char* cdate, char* ndate, int& crepeat);

// Stores a reply body as the result file, whole or not at all; creates
// "system\zorelcheck\" when missing. Carriage returns are dropped.
bool WriteCheckResult(const CString& path, const char* body, size_t size);

// What one check needs besides the program-wide values: where to post,
// the form input (built by the caller, which owns the profile), and where
// the reply goes. Tests give a 127.0.0.1 URL.
struct WebCheckJob {
    CString url;          // "http://host[:port]/path"
    CString resultPath;   // normally GetWebCheckResultPath()
    bool mustCheck = false;  // first run or forced: NDate is not asked
    CStringA form;        // the body (WebCheckForm)
    SYSTEMTIME now = {};
};

// Runs one check on the calling thread and returns what WM_WEBCHECK_DONE
// carries: WEBCHECK_STORED when the service answered 200 and its reply was
// stored, WEBCHECK_FAILED for any failure (counted for the retry interval;
// the stored result stays untouched), or the stored CRepeat when no check
// was due. Never shows anything.
int RunWebCheck(const WebCheckJob& job);

// The worker: runs the check on a thread of its own and posts
// WM_WEBCHECK_DONE with RunWebCheck's value to the owner. False when no
// thread could be made (nothing is posted then).
bool StartWebCheckThread(HWND owner, const WebCheckJob& job);
DWORD WINAPI CheckThreadProc(LPVOID param);

// Splits "http://host[:port]/path" into its parts; false for anything else.
bool SplitServiceUrl(const CString& url, CString& host, INTERNET_PORT& port, CString& object);

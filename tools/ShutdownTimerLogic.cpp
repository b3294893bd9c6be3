#include "tools/ShutdownTimerLogic.h"

#include <ctime>

long long CShutdownTimerLogic::AmountSeconds(long long amount, int unit) {
    long long factor = unit == unitSeconds ? 1 : unit == unitHours ? 3600 : 60;
    // Beyond this no clamp can be told from another; keep the product in range.
    const long long limit = 1LL << 40;
    if (amount > limit) amount = limit;
    if (amount < -limit) amount = -limit;
    return amount * factor;
}

int CShutdownTimerLogic::ClampDelay(long long seconds) {
    if (seconds < 1) return kMinDelay;
    if (seconds > kMaxDelay) return kMaxDelay;
    return (int)seconds;
}

CString CShutdownTimerLogic::ActionString(int action, int delay) {
    CString word;
    switch (action) {
    case actionSafeShutdown: word = L"SAFE_SHUTDOWN"; break;
    case actionRestart: word = L"SHUTDOWN_RESTART"; break;
    case actionLogOff: return L"LOG_OFF";
    default: word = L"SHUTDOWN"; break;
    }
    if (delay <= 60) return word;
    return word + (delay <= 300 ? L":10" : L":30");
}

long long CShutdownTimerLogic::SecondsUntil(__time64_t now, int year, int month, int day, int hour, int minute) {
    struct tm local = {};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = 0;
    local.tm_isdst = -1;
    __time64_t target = _mktime64(&local);
    if (target == (__time64_t)-1) return 0;
    return (long long)(target - now);
}

bool CShutdownTimerLogic::LocalParts(__time64_t moment, SYSTEMTIME& parts) {
    struct tm local = {};
    if (_localtime64_s(&local, &moment) != 0) return false;
    parts = SYSTEMTIME{};
    parts.wYear = (WORD)(local.tm_year + 1900);
    parts.wMonth = (WORD)(local.tm_mon + 1);
    parts.wDay = (WORD)local.tm_mday;
    parts.wDayOfWeek = (WORD)local.tm_wday;
    parts.wHour = (WORD)local.tm_hour;
    parts.wMinute = (WORD)local.tm_min;
    parts.wSecond = (WORD)local.tm_sec;
    return true;
}

CString CShutdownTimerLogic::TimeText(const CString& pattern, int hour, int minute) {
    CString text = pattern, number;
    number.Format(L"%02d", hour);
    text.Replace(L"#HH#", number);
    number.Format(L"%02d", minute);
    text.Replace(L"#MM#", number);
    return text;
}

CString CShutdownTimerLogic::Label(const CString& actionName, __time64_t target) {
    SYSTEMTIME at = {};
    if (!LocalParts(target, at)) return actionName;
    CString text;
    text.Format(L"%s %04d-%02d-%02d %02d:%02d", actionName.GetString(), at.wYear, at.wMonth, at.wDay, at.wHour, at.wMinute);
    return text;
}

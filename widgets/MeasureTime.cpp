#include "widgets/MeasureTime.h"

#include "shell/DateUtil.h"
#include "widgets/WidgetEnvironment.h"

#include <cwchar>

namespace {

const wchar_t kKnownConversions[] = L"aAbBcdHIjmMpSUwWxXyYzZ";
const wchar_t kNumericConversions[] = L"dHIjmMSUwWy";

// Offsets beyond two days make no sense for a clock and would overflow.
const double kMaxOffsetSeconds = 48.0 * 3600.0;

}  // namespace

CString CMeasureTime::FormatTime(const CString& format, const struct tm& local) {
    CString out;
    for (int i = 0; i < format.GetLength(); ++i) {
        wchar_t c = format[i];
        if (c != L'%' || i + 1 >= format.GetLength()) {
            out += c;
            continue;
        }
        bool noZeros = false;
        int j = i + 1;
        if (format[j] == L'#' && j + 1 < format.GetLength()) {
            noZeros = true;
            ++j;
        }
        wchar_t spec = format[j];
        if (spec == L'%') {
            out += L'%';
            i = j;
            continue;
        }
        if (!wcschr(kKnownConversions, spec)) {
            out += format.Mid(i, j - i + 1);
            i = j;
            continue;
        }
        wchar_t one[3] = {L'%', spec, 0};
        wchar_t buffer[128];
        size_t n = wcsftime(buffer, 128, one, &local);
        CString part(buffer, (int)n);
        if (noZeros && wcschr(kNumericConversions, spec)) {
            part.TrimLeft(L'0');
            if (part.IsEmpty()) part = L"0";
        }
        out += part;
        i = j;
    }
    return out;
}

void CMeasureTime::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_Format = section.GetString(L"Format", L"");
    CString zone = section.GetString(L"TimeZone", L"local");
    int dst = section.GetInt(L"DaylightSavingTime", 1);
    int offset = section.GetInt(L"TimeOffset", kNoOffset);
    m_Local = true;
    m_Offset = offset == kNoOffset ? 0 : offset;
    if (offset == kNoOffset || zone.CompareNoCase(L"local") == 0) return;
    // A zone is only applied when the skin also gives a TimeOffset key.
    m_Local = false;
    double seconds = CInfoSection::ParseDouble(zone) * 3600.0;
    int bias = 0;
    if (dst == 1 && GetWidgetEnvironment().GetDaylightBias(bias)) seconds -= bias * 60.0;
    if (seconds > kMaxOffsetSeconds) seconds = kMaxOffsetSeconds;
    if (seconds < -kMaxOffsetSeconds) seconds = -kMaxOffsetSeconds;
    m_Offset = (int)seconds;
}

bool CMeasureTime::Update() {
    CWidgetEnvironment& env = GetWidgetEnvironment();
    m_Now = env.Now();
    struct tm local = {};
    env.ToLocal(m_Now, local);
    if (!m_Format.IsEmpty()) {
        m_Value = CInfoSection::ParseDouble(FormatTime(m_Format, local)) + m_Offset;
    } else if (m_Local) {
        long long days = GetDaysBetween(1970, 1, 1, local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        m_Value = (double)(days * 86400 + local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + m_Offset);
    } else {
        m_Value = (double)(m_Now + m_Offset);
    }
    return true;
}

CString CMeasureTime::GetStringValue(bool, double, int, bool) {
    struct tm local = {};
    GetWidgetEnvironment().ToLocal(m_Now, local);
    return FormatTime(m_Format.IsEmpty() ? CString(L"%H:%M:%S") : m_Format, local);
}

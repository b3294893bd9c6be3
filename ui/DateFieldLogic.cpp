#include "ui/DateFieldLogic.h"
#include "shell/DateUtil.h"
#include "shell/LanguageTable.h"

#include <cwctype>
#include <vector>

namespace {

struct Field {
    wchar_t kind;  // 'd', 'M' or 'y'
    int letters;
};

// The numeric fields of a picture in order; quoted text is skipped.
std::vector<Field> PictureFields(const CString& picture) {
    std::vector<Field> fields;
    int n = picture.GetLength();
    for (int i = 0; i < n;) {
        wchar_t c = picture[i];
        if (c == L'\'') {
            int j = picture.Find(L'\'', i + 1);
            i = j < 0 ? n : j + 1;
            continue;
        }
        wchar_t kind = 0;
        if (c == L'd' || c == L'D') kind = L'd';
        else if (c == L'M' || c == L'm') kind = L'M';
        else if (c == L'y' || c == L'Y') kind = L'y';
        int j = i;
        while (j < n && picture[j] == c) ++j;
        if (kind && !(kind == L'd' && j - i > 2))  // ddd, dddd: weekday names
            fields.push_back({kind, j - i});
        i = j;
    }
    return fields;
}

// The length of the month name at the start of text (0 when none), and its
// month. Full names are tried before short ones, so "June" is not read as
// "Jun" followed by a stray letter.
int MatchMonthName(const CString& text, int at, int& month) {
    for (int full = 1; full >= 0; --full)
        for (int m = 1; m <= 12; ++m) {
            CString name = CDateFieldLogic::MonthName(m, full != 0);
            int length = name.GetLength();
            if (length > 0 && at + length <= text.GetLength() && _wcsnicmp((LPCTSTR)text + at, name, length) == 0) {
                month = m;
                return length;
            }
        }
    return 0;
}

}  // namespace

CString CDateFieldLogic::MonthName(int month, bool full) {
    if (month < 1 || month > 12) return CString();
    // The program's own names in its language, the locale's before the
    // texts are loaded.
    CString text = full ? GetMonthName(month) : GetShortMonthName(month);
    if (!text.IsEmpty()) return text;
    wchar_t name[80] = {};
    LCTYPE type = (full ? LOCALE_SMONTHNAME1 : LOCALE_SABBREVMONTHNAME1) + (LCTYPE)(month - 1);
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, type, name, 80) <= 0) {
        static const wchar_t* const english[12] = {L"January", L"February", L"March",     L"April",
                                                   L"May",     L"June",     L"July",      L"August",
                                                   L"September", L"October", L"November", L"December"};
        CString fallback = english[month - 1];
        return full ? fallback : fallback.Left(3);
    }
    return name;
}

bool CDateFieldLogic::IsValidDate(int year, int month, int day) {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= GetDaysInMonth(year, month);
}

int CDateFieldLogic::CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b) {
    long ka = a.wYear * 372L + a.wMonth * 31L + a.wDay;
    long kb = b.wYear * 372L + b.wMonth * 31L + b.wDay;
    return ka < kb ? -1 : ka > kb ? 1 : 0;
}

bool CDateFieldLogic::Parse(const CString& text, const CString& picture, SYSTEMTIME* date) {
    std::vector<Field> fields = PictureFields(picture);
    if (fields.size() != 3)
        return false;
    std::vector<int> numbers, digitCounts;
    int n = text.GetLength();
    for (int i = 0; i < n;) {
        wchar_t c = text[i];
        size_t next = numbers.size();
        int named = 0;
        if (next < fields.size() && fields[next].kind == L'M' && fields[next].letters >= 3) {
            int month = 0;
            if (int length = MatchMonthName(text, i, month)) {
                numbers.push_back(month);
                digitCounts.push_back(0);
                i += length;
                named = 1;
            }
        }
        if (named) continue;
        if (iswdigit(c)) {
            int j = i;
            long v = 0;
            while (j < n && iswdigit(text[j])) {
                if (j - i >= 5) return false;  // no field has more than four digits
                v = v * 10 + (text[j] - L'0');
                ++j;
            }
            numbers.push_back((int)v);
            digitCounts.push_back(j - i);
            i = j;
        } else if (iswalpha(c)) {
            return false;
        } else {
            ++i;
        }
    }
    if (numbers.size() != 3)
        return false;
    int year = 0, month = 0, day = 0;
    for (int k = 0; k < 3; ++k) {
        int v = numbers[k];
        switch (fields[k].kind) {
        case L'd': day = v; break;
        case L'M': month = v; break;
        default:
            // Two-digit years fall into 1950-2049.
            if (digitCounts[k] <= 2 && fields[k].letters <= 2)
                v += v < 50 ? 2000 : 1900;
            year = v;
            break;
        }
    }
    if (!IsValidDate(year, month, day))
        return false;
    if (date) {
        SYSTEMTIME st = {};
        st.wYear = (WORD)year;
        st.wMonth = (WORD)month;
        st.wDay = (WORD)day;
        *date = st;
    }
    return true;
}

CString CDateFieldLogic::Format(const SYSTEMTIME& date, const CString& picture) {
    CString out;
    int n = picture.GetLength();
    for (int i = 0; i < n;) {
        wchar_t c = picture[i];
        if (c == L'\'') {
            int j = picture.Find(L'\'', i + 1);
            if (j < 0) j = n;
            out += picture.Mid(i + 1, j - i - 1);
            i = j + 1;
            continue;
        }
        int j = i;
        while (j < n && picture[j] == c) ++j;
        int count = j - i;
        CString part;
        if (c == L'd' && count <= 2) part.Format(count == 2 ? _T("%02d") : _T("%d"), date.wDay);
        else if (c == L'd') part.Format(_T("%d"), date.wDayOfWeek);
        else if (c == L'M' && count >= 3) part = MonthName(date.wMonth, count >= 4);
        else if (c == L'M') part.Format(count >= 2 ? _T("%02d") : _T("%d"), date.wMonth);
        else if (c == L'y' && count >= 3) part.Format(_T("%04d"), date.wYear);
        else if (c == L'y' && count == 2) part.Format(_T("%02d"), date.wYear % 100);
        else if (c == L'y') part.Format(_T("%d"), date.wYear % 10);
        else if (c == L'g') part.Empty();  // era
        else part = picture.Mid(i, count);
        out += part;
        i = j;
    }
    return out;
}

CDateFieldLogic::StepResult CDateFieldLogic::Step(const CString& text, int selStart, int selEnd, wchar_t separator,
                                                  const CString& picture, bool up, const SYSTEMTIME* minDate,
                                                  const SYSTEMTIME* maxDate) {
    StepResult r;
    int len = text.GetLength();
    if (selEnd < 0) selEnd = 0;
    if (selEnd > len) selEnd = len;
    int p1 = text.Find(separator, selEnd);
    CString head = p1 >= 0 ? text.Left(p1) : text;
    int p0 = head.ReverseFind(separator);
    int start = p0 >= 0 ? p0 + 1 : 0;
    int end = p1 >= 0 ? p1 : len;

    // The field's picture: the part of the format in the same place.
    CString fieldPicture;
    int f1 = picture.Find(separator);
    if (p0 < 0 && p1 >= 0) {
        if (f1 >= 0) fieldPicture = picture.Left(f1);
    } else if (p1 < 0) {
        int fl = picture.ReverseFind(separator);
        if (fl >= 0) fieldPicture = picture.Mid(fl + 1);
    } else if (f1 >= 0) {
        int f2 = picture.Find(separator, f1 + 1);
        if (f2 >= 0) fieldPicture = picture.Mid(f1 + 1, f2 - f1 - 1);
    }
    fieldPicture.Trim();

    int minValue = 1, maxValue = 12;
    LPCTSTR form = _T("%0d");
    int letters = fieldPicture.GetLength();
    wchar_t first = letters ? fieldPicture[0] : 0;
    if (letters == 0) {
        form = _T("%02d");
    } else if (first == L'd' || first == L'D') {
        maxValue = 31;
    } else if (first == L'y' || first == L'Y') {
        minValue = 0;
        maxValue = letters == 1 ? 9 : letters == 2 ? 99 : letters == 4 ? 9999 : 12;
        if (letters == 4) form = _T("%04d");
    }
    if (letters == 2) form = _T("%02d");

    bool named = (first == L'M' || first == L'm') && letters >= 3;
    int value = _wtoi(text.Mid(start, end - start));
    if (named) {
        CString current = text.Mid(start, end - start);
        current.Trim();
        int month = 0;
        value = MatchMonthName(current, 0, month) ? month : 0;
    }
    value += up ? 1 : -1;
    if (value < minValue) value = maxValue;
    else if (value > maxValue) value = minValue;
    CString field;
    if (named)
        field = MonthName(value, letters >= 4);
    else
        field.Format(form, value);
    r.text = text.Left(start) + field + text.Mid(end);
    r.selStart = start;
    r.selEnd = start + field.GetLength();

    SYSTEMTIME date;
    if ((minDate || maxDate) && Parse(r.text, picture, &date)) {
        const SYSTEMTIME* bound = nullptr;
        if (minDate && CompareDates(date, *minDate) < 0) bound = minDate;
        else if (maxDate && CompareDates(date, *maxDate) > 0) bound = maxDate;
        if (bound) {
            r.text = Format(*bound, picture);
            r.selStart = selStart;
            r.selEnd = selEnd;
            r.clamped = true;
        }
    }
    return r;
}

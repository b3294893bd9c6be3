#include "LanguageTable.h"

#include "ProgramFolder.h"
#include "Settings.h"
#include "SafePath.h"
#include "SettingsSections.h"

#include <climits>
#include <cstdio>
#include <vector>

CLanguageTable g_LanguageTable;

namespace {
const int kMaxTextLength = 10240;  // characters kept of one text
const long kMaxFileSize = 16 * 1024 * 1024;

// Leading blanks, an optional sign and digits; no digits give 0.
long long ParseTextNumber(const char* p, const char* end) {
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\v' || *p == '\f')) ++p;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    long long value = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > (long long)INT_MAX + 1) value = (long long)INT_MAX + 1;
    }
    return negative ? -value : value;
}

void ApplyLine(const char* line, const char* end) {
    if (line == end || *line == '#') return;
    const char* equals = line;
    while (equals < end && *equals != '=') ++equals;
    if (equals == end) return;
    long long number = ParseTextNumber(line, equals);
    if (number < 0 || number > INT_MAX) return;
    const char* text = equals + 1;
    if (text == end) return;
    CString value = MultiByteToString(text, (int)(end - text), CP_ACP);
    if (value.GetLength() > kMaxTextLength) value.Truncate(kMaxTextLength);
    value.Replace(L"#BR#", L"\n");
    g_LanguageTable.SetAt((int)number, value);
}

CString Lookup(int base, int index, int count) {
    if (index < 1 || index > count) return CString();
    return g_LanguageTable[base + index];
}
}  // namespace

void ApplyLanguageText(const char* bytes, size_t length) {
    // Lines end in LF or CR LF; a lone CR at the end of a line goes too.
    const char* p = bytes;
    const char* end = bytes + length;
    while (p < end) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\n') ++lineEnd;
        const char* textEnd = lineEnd;
        if (textEnd > p && textEnd[-1] == '\r') --textEnd;
        ApplyLine(p, textEnd);
        p = lineEnd < end ? lineEnd + 1 : end;
    }
}

bool LoadLanguageFile(const CString& language) {
    // The name comes from the settings file and becomes part of a path.
    if (!IsSafeFileName(language)) return false;
    CString path = g_ProgramFolder + L"system\\language\\" + language + L".txt";
    FILE* file = _wfopen(path, L"rb");
    if (!file) return false;
    std::vector<char> data;
    bool ok = fseek(file, 0, SEEK_END) == 0;
    long size = ok ? ftell(file) : -1;
    if (size > 0 && size <= kMaxFileSize && fseek(file, 0, SEEK_SET) == 0) {
        data.resize((size_t)size);
        data.resize(fread(data.data(), 1, data.size(), file));
    }
    fclose(file);
    if (!data.empty()) ApplyLanguageText(data.data(), data.size());
    return true;
}

void LoadLanguageTexts() {
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    LoadLanguageFile(g_Settings.System.language);
    if (g_Settings.System.languageID == 1) {
        for (auto& entry : g_LanguageTable.Texts()) {
            CString prefix;
            prefix.Format(L"[%d] ", entry.first);
            // A text kept from an earlier load already carries its number.
            if (entry.second.Left(prefix.GetLength()) != prefix) entry.second = prefix + entry.second;
        }
    }
}

CString GetMonthName(int month) { return Lookup(20200, month, 12); }
CString GetShortMonthName(int month) { return Lookup(20220, month, 12); }
CString GetWeekdayName(int weekday) { return Lookup(20110, weekday, 7); }
CString GetShortWeekdayName(int weekday) { return Lookup(20117, weekday, 7); }

#include "net/SyncFile.h"

#include "shell/LanguageTable.h"
#include "shell/TextUtil.h"

namespace {

// The place of every digit in "KKK_YYYY_MM_DD_HH_MM_SS.sync"; the others
// are underscores up to the ending.
const wchar_t kPattern[] = L"ddd_dddd_dd_dd_dd_dd_dd.sync";
const int kNameLength = 28;
const int kTextKindLabel = 24051;
const int kTextRow = 24050;

int Number(const CString& name, int first, int count) {
    int value = 0;
    for (int i = first; i < first + count; ++i) value = value * 10 + (name[i] - L'0');
    return value;
}

}  // namespace

bool SyncFile::Parse(const CString& name, SyncFile& out) {
    if (name.GetLength() != kNameLength) return false;
    for (int i = 0; i < kNameLength; ++i) {
        wchar_t c = name[i];
        wchar_t want = kPattern[i];
        if (want == L'd') {
            if (c < L'0' || c > L'9') return false;
        } else if (i >= 23) {
            // The ending, in any case the file system may report it in.
            if (towlower(c) != want) return false;
        } else if (c != want) {
            return false;
        }
    }
    SyncFile file;
    file.kind = Number(name, 0, 3);
    file.year = Number(name, 4, 4);
    file.month = Number(name, 9, 2);
    file.day = Number(name, 12, 2);
    file.hour = Number(name, 15, 2);
    file.minute = Number(name, 18, 2);
    file.second = Number(name, 21, 2);
    if (file.kind < 0 || file.kind > 4) return false;
    out = file;
    return true;
}

long long SyncListKey(const SyncFile& f) {
    return ((((long long)f.year * 12 + f.month) * 31 + f.day) * 24 + f.hour) * 60 + f.minute;
}

CString SyncRowText(const SyncFile& f) {
    CString text = g_LanguageTable[kTextRow];
    ReplaceNumber(text, L"#Y#", f.year);
    ReplaceTwoDigitNumber(text, L"#M#", f.month);
    ReplaceTwoDigitNumber(text, L"#D#", f.day);
    ReplaceTwoDigitNumber(text, L"#H#", f.hour);
    ReplaceTwoDigitNumber(text, L"#MIN#", f.minute);
    ReplaceTwoDigitNumber(text, L"#S#", f.second);
    // The label last, so a translated label is never read as a token.
    text.Replace(L"#SYNC#", g_LanguageTable[kTextKindLabel + f.kind]);
    return text;
}

int BuildSyncList(const std::vector<CString>& names, std::vector<SyncListRow>& rows) {
    rows.clear();
    int selected = -1;
    long long bestKey = 0;
    for (const CString& name : names) {
        SyncFile file;
        if (!SyncFile::Parse(name, file)) continue;
        SyncListRow row;
        row.text = SyncRowText(file);
        row.name = name;
        row.kind = file.kind;
        rows.push_back(row);
        long long key = SyncListKey(file);
        if (selected < 0 || key > bestKey) {
            selected = (int)rows.size() - 1;
            bestKey = key;
        }
    }
    return selected;
}

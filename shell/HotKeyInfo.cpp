#include "HotKeyInfo.h"

#include "shell/LanguageTable.h"
#include "shell/Settings.h"

namespace {
const int kTextCtrl = 10048;
const int kTextAlt = 10049;
const int kTextShift = 10050;
}  // namespace

void HotKeyInfo::SetName(const wchar_t* text) {
    size_t n = 0;
    if (text) {
        while (n < NameSize - 1 && text[n]) {
            name[n] = text[n];
            ++n;
        }
    }
    for (size_t i = n; i < NameSize; ++i) name[i] = 0;
}

CString FormatHotKeyText(const HotKeyInfo& info) {
    if (info.key < 0 || !g_Settings.General.EnableHotKey) return CString();
    CString text;
    if (info.ctrl) text += g_LanguageTable[kTextCtrl] + L"+";
    if (info.alt) text += g_LanguageTable[kTextAlt] + L"+";
    if (info.shift) text += g_LanguageTable[kTextShift] + L"+";
    text += info.GetName();
    return text;
}

CString FormatHotKeyMenuText(const HotKeyInfo& info) {
    CString text = FormatHotKeyText(info);
    return text.IsEmpty() ? text : L"\t" + text;
}

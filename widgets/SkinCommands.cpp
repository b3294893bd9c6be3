#include "widgets/SkinCommands.h"

#include "shell/ActionVocabulary.h"

#include <cwctype>

namespace {

// Seconds written from the position on; anything unreadable is 0 and a
// value never wraps into a huge or negative delay.
int SecondsAt(const CString& upper, int pos) {
    int value = 0;
    if (pos > upper.GetLength()) return 0;
    if (ParseActionNumber(upper, pos, value) != ACTION_NUMBER_VALID) return 0;
    return value;
}

bool StartsWith(const CString& text, const wchar_t* prefix) {
    return text.Left((int)wcslen(prefix)).Compare(prefix) == 0;
}

SkinCommand Shutdown(int seconds, bool force, bool restart, bool saveNotes, bool closeAfterFade) {
    SkinCommand c;
    c.kind = SKIN_CMD_SHUTDOWN;
    c.seconds = seconds;
    c.force = force;
    c.restart = restart;
    c.saveNotes = saveNotes;
    c.closeAfterFade = closeAfterFade;
    return c;
}

SkinCommand Plain(SkinCommandKind kind, const CString& argument = CString()) {
    SkinCommand c;
    c.kind = kind;
    c.argument = argument;
    return c;
}

}  // namespace

SkinCommand ParseSkinCommand(const CString& text) {
    CString u = text;
    u.MakeUpper();
    // The numbered words take their number after one separator of any kind.
    static const wchar_t kSafeAndClose[] = L"SAFE_SHUTDOWN_AND_CLOSE";
    static const wchar_t kSafe[] = L"SAFE_SHUTDOWN";
    static const wchar_t kRestart[] = L"SHUTDOWN_RESTART";
    static const wchar_t kAndClose[] = L"SHUTDOWN_AND_CLOSE";
    auto after = [](const wchar_t* word) { return (int)wcslen(word) + 1; };

    if (StartsWith(u, L"CHANGESKIN:")) return Plain(SKIN_CMD_CHANGE_SKIN, text.Mid(11));
    if (StartsWith(u, L"JUMPSKIN:")) return Plain(SKIN_CMD_JUMP_SKIN, text.Mid(9));
    if (StartsWith(u, L"TOOLTIP_WIDGET:")) return Plain(SKIN_CMD_TOOLTIP_WIDGET, text.Mid(15));
    if (u == L"HIDE" || u == L"<HIDE_WINDOW>" || u == L"CLOSE") return Plain(SKIN_CMD_HIDE);
    if (u == L"HIDE_OTHERS") return Plain(SKIN_CMD_HIDE_OTHERS);
    if (u == L"SHUTDOWN") return Shutdown(0, true, false, true, false);
    if (StartsWith(u, L"SHUTDOWN:")) return Shutdown(SecondsAt(u, 9), true, false, true, false);
    if (StartsWith(u, kSafeAndClose)) return Shutdown(SecondsAt(u, after(kSafeAndClose)), false, false, false, true);
    if (StartsWith(u, kSafe)) return Shutdown(SecondsAt(u, after(kSafe)), false, false, true, false);
    if (StartsWith(u, kRestart)) return Shutdown(SecondsAt(u, after(kRestart)), true, true, true, false);
    if (StartsWith(u, kAndClose)) return Shutdown(SecondsAt(u, after(kAndClose)), true, false, false, true);
    if (u == L"CANCEL_SHUTDOWN_AND_CLOSE") return Plain(SKIN_CMD_CANCEL_SHUTDOWN_AND_CLOSE);
    if (StartsWith(u, L"WEATHER_DETAILID:")) return Plain(SKIN_CMD_WEATHER_DETAIL, u.Mid(17));
    if (u == L"REG_USER") return Plain(SKIN_CMD_REG_USER);
    static const wchar_t* const kLevels[] = {L"POSITION_NORMAL", L"POSITION_TOPMOST", L"POSITION_DESKTOP"};
    for (int level = 0; level < 3; ++level) {
        if (u == kLevels[level]) {
            SkinCommand c = Plain(SKIN_CMD_POSITION);
            c.level = level;
            return c;
        }
    }
    return Plain(SKIN_CMD_OTHER, text);
}

int OpacityForCommand(UINT id) {
    const UINT first = 32844, last = 32853;
    if (id < first || id > last) return -1;
    int n = (int)(id - first) + 1;
    return (int)(n * 2550 / 100.0 + 0.5);
}

int UpdateCycleMs(double seconds) {
    double ms = seconds * 1000.0;
    // Beyond a day a cycle means nothing; the bound keeps the cast defined.
    if (!(ms < 86400000.0)) ms = ms > 0 ? 86400000.0 : 0.0;
    int cycle = ms > 0 ? (int)ms : 0;
    if (cycle >= 1 && cycle <= 9) cycle = 10;
    return cycle;
}

bool IsWebLink(const CString& link) {
    CString lower = link;
    lower.TrimLeft();
    lower.MakeLower();
    if (!StartsWith(lower, L"http://") && !StartsWith(lower, L"https://")) return false;
    // A link with control characters is no link a page gave us honestly.
    for (int i = 0; i < link.GetLength(); ++i)
        if (iswcntrl(link[i])) return false;
    return true;
}

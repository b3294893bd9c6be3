#include "notes/NoteLogic.h"

#include "shell/ColorUtil.h"
#include "shell/LanguageTable.h"

#include <algorithm>

namespace NoteLogic {

// ---- Geometry ----

CRect RepairRect(const CRect& rect) {
    CRect r = rect;
    if (r.left >= r.right) r.left = r.right - 100;
    if (r.top >= r.bottom) r.top = r.bottom - 50;
    return r;
}

CRect FitOnScreen(const CRect& rect, const std::vector<CRect>& workAreas) {
    if (workAreas.empty()) return rect;
    // Wide enough for any sum of two of the rectangle's values.
    long long left = rect.left, top = rect.top, right = rect.right, bottom = rect.bottom;
    long long cx = (left + right) / 2, cy = (top + bottom) / 2;
    const CRect* area = &workAreas[0];
    for (const CRect& a : workAreas) {
        if (cx >= a.left && cx < a.right && cy >= a.top && cy < a.bottom) {
            area = &a;
            break;
        }
    }
    long long width = right > left ? right - left : 100;
    long long height = bottom > top ? bottom - top : 50;
    width = std::min<long long>(width, area->Width());
    height = std::min<long long>(height, area->Height());
    left = std::max<long long>(area->left, std::min<long long>(left, area->right - width));
    top = std::max<long long>(area->top, std::min<long long>(top, area->bottom - height));
    return CRect((int)left, (int)top, (int)(left + width), (int)(top + height));
}

CRect FoldedRect(const FoldInput& in) {
    int width = in.contractDX;
    int height = FoldedHeight;
    if (in.showsTitle) {
        int wanted = in.titleExtent.cx + 40 + (in.hasImportance ? ImportanceIconRoom : 0);
        wanted = std::max(wanted, in.contractDX);
        if (in.fitTitleWidth) width = wanted;
        height = std::max<int>(in.titleExtent.cy + 2, FoldedHeight);
    }
    return CRect(in.window.right - width, in.window.top, in.window.right, in.window.top + height);
}

CRect ExpandedRect(const CRect& window, int expandedWidth, int expandedHeight) {
    return CRect(window.right - expandedWidth, window.top, window.right, window.top + expandedHeight);
}

int FitHeight(int wanted, bool styleBarOpen, int minHeight, int screenHeight) {
    int height = wanted + (styleBarOpen ? 43 : 26);
    int most = (int)(screenHeight * 0.8);
    height = std::min(height, most);
    return std::max(height, minHeight);
}

bool ShouldApplyFitHeight(int height, int lastRequest, int presentHeight) {
    return height != lastRequest && height != presentHeight;
}

CRect EditorRect(const LayoutInput& in) {
    const CRect& c = in.client;
    if (in.expanded) {
        int top = in.styleBarOpen ? 38 : 21;
        return CRect(c.left + 5, c.top + top, c.right - 5, c.bottom - 5);
    }
    if (in.styleBarOpen) return CRect(1, 1, 1 + in.contractDX - FoldedButtonRoom, 1 + 16);
    int o = (in.hasImportance && !in.hasTitle) ? ImportanceIconRoom : 0;
    return CRect(o + 2, 1, o + 2 + in.contractDX - FoldedButtonRoom - o, 1 + 16);
}

CRect StyleBarRect(int windowWidth) { return CRect(2, 18, 2 + windowWidth - 4, 18 + 20); }

CPoint UnfoldButtonPos(const CRect& client) { return CPoint(client.right - 14, client.top + 4); }
CPoint TitleButtonPos(const CRect& client) { return CPoint(client.right - 26, client.top + 4); }

LRESULT NoteHitTest(const HitInput& in) {
    const int x = in.point.x, y = in.point.y, w = in.size.cx, h = in.size.cy;
    bool dragBody = false;
    if (in.mouseOverHiding && !in.focusInNote) {
        if (!in.ctrlHeld) return HTCLIENT;
        dragBody = true;
    }
    if (!in.expanded) return HTCAPTION;
    if (in.pinned) return y < TitleStripHeight ? HTCAPTION : HTCLIENT;
    if (y < 4) {
        if (x < 5) return HTTOPLEFT;
        if (x >= w - 5) return HTTOPRIGHT;
        return in.fitHeight ? HTCAPTION : HTTOP;
    }
    if (y < TitleStripHeight) return HTCAPTION;
    const bool nearBottom = y >= h - 5;
    if (x < 5) return (nearBottom && !in.fitHeight) ? HTBOTTOMLEFT : HTLEFT;
    if (x >= w - 5) return (nearBottom && !in.fitHeight) ? HTBOTTOMRIGHT : HTRIGHT;
    if (nearBottom) return in.fitHeight ? HTCAPTION : HTBOTTOM;
    return dragBody ? HTCAPTION : HTCLIENT;
}

COLORREF FrameColor(COLORREF body, int importance) {
    if (importance == 1) return DarkenColor(body, 0.8f);
    if (importance == 3) return 0x2020FF;
    return body;
}

// ---- Deleting ----

DeleteAction DecideDelete(const DeleteInput& in) {
    // The shortcuts would let a locked note's text go without its password.
    bool shift = in.shift && !in.locked, ctrl = in.ctrl && !in.locked, alt = in.alt && !in.locked;
    if (alt) return DeleteAction::RecycleBin;
    if (shift) return DeleteAction::Remove;
    if (ctrl) return in.hasContent ? DeleteAction::KeepCopy : DeleteAction::Remove;
    if (!in.hasContent) return DeleteAction::Remove;
    if (in.confirmOpen) return DeleteAction::Nothing;
    return DeleteAction::Ask;
}

DeleteAction DeleteFromAnswer(int answer, bool hasContent) {
    switch (answer) {
    case IDOK: return hasContent ? DeleteAction::KeepCopy : DeleteAction::Remove;
    case IDABORT: return DeleteAction::Remove;
    case IDRETRY: return DeleteAction::RecycleBin;
    default: return DeleteAction::Nothing;
    }
}

bool NoteHasContent(bool editorOpenFailed, long editorLength, bool textLoaded, LONGLONG fileSize) {
    if (!editorOpenFailed && editorLength > 0) return true;
    if (textLoaded) return fileSize > 0;
    return true;
}

// ---- Autosave ----

bool CAutosaveRule::IsReadyToSave(bool modified, long length) {
    if (!modified) return false;
    if (m_lastLength != 0 && m_lastLength == length) {
        m_lastLength = 0;
        return true;
    }
    m_lastLength = length;
    return false;
}

// ---- Importance ----

bool ImportanceRunsReminder(int importance) { return importance == 1 || importance == 3; }

int ImportanceAfterClick(int importance) {
    if (ImportanceRunsReminder(importance)) return 0;
    return importance == 2 ? 0 : 2;
}

int ImportanceAfterDoubleClick(int importance) { return importance == 1 ? 0 : 1; }

// ---- Text sizes and effects ----

const int kTextSizes[16] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

int SizeIndex(int size) {
    for (int i = 0; i < 16; ++i)
        if (kTextSizes[i] == size) return i;
    return -1;
}

int SizeFromTwips(int twips) { return (twips + TwipsPerSizeUnit / 2) / TwipsPerSizeUnit; }

bool GrowSize(int size, int& next) {
    int i = SizeIndex(size);
    if (i < 0 || i == 15) return false;
    next = kTextSizes[i + 1];
    return true;
}

bool ShrinkSize(int size, int& next) {
    int i = SizeIndex(size);
    if (i <= 0) return false;
    next = kTextSizes[i - 1];
    return true;
}

bool ToggledEffect(bool uniform, bool present) { return uniform ? !present : true; }

// ---- Date and time macros ----

static void ReplaceAll(CString& text, const wchar_t* what, const CString& with) { text.Replace(what, (LPCTSTR)with); }

CString ExpandMacro(const CString& macro, const SYSTEMTIME& t, const CLanguageTable& texts) {
    CString two;
    auto d2 = [&two](int v) {
        two.Format(L"%02d", v);
        return two;
    };
    CString year4;
    year4.Format(L"%04d", t.wYear);
    int weekday = t.wDayOfWeek % 7;  // 0 is Sunday
    CString text = macro;
    ReplaceAll(text, L"#a#", texts[20118 + weekday]);
    ReplaceAll(text, L"#A#", texts[20111 + weekday]);
    ReplaceAll(text, L"#y#", d2(t.wYear % 100));
    ReplaceAll(text, L"#Y#", year4);
    ReplaceAll(text, L"#MON#", d2(t.wMonth));
    ReplaceAll(text, L"#D#", d2(t.wDay));
    ReplaceAll(text, L"#k#", d2(t.wHour));
    ReplaceAll(text, L"#l#", d2(t.wHour % 12));
    ReplaceAll(text, L"#M#", d2(t.wMinute));
    ReplaceAll(text, L"#S#", d2(t.wSecond));
    ReplaceAll(text, L"#p#", texts[t.wHour / 12 ? 20126 : 20125]);
    return text;
}

std::vector<CString> BuildMacroList(const MacroSource& source, const SYSTEMTIME& time, const CLanguageTable& texts) {
    std::vector<CString> list;
    for (int n = 0; n < MacroCount; ++n) {
        CString macro = source(n);
        if (macro.IsEmpty()) break;
        list.push_back(ExpandMacro(macro, time, texts));
    }
    return list;
}

static bool IsWordBreak(wchar_t c) { return c == L' ' || c == L'\r' || c == L'\n'; }

void WordRangeAt(const CString& text, int pos, int& start, int& end) {
    int length = text.GetLength();
    pos = std::max(0, std::min(pos, length));
    start = pos;
    for (int i = 0; i < 100 && start > 0 && !IsWordBreak(text[start - 1]); ++i) --start;
    end = pos;
    for (int i = 0; i < 100 && end < length && !IsWordBreak(text[end]); ++i) ++end;
}

// ---- Hover tip ----

CRect TipRect(const CRect& strip, int expandedWidth, int expandedHeight) {
    return CRect(strip.right - expandedWidth, strip.bottom, strip.right, strip.top + expandedHeight);
}

int TipContentHeight(int preferred, int screenHeight) {
    return std::min(preferred + 10, (int)(screenHeight * 0.8));
}

// ---- Formatting bar ----

int FaceListWidth(int barRight, int sizeListRight) {
    int d = barRight - sizeListRight;
    return d >= 54 ? std::min(d - 4, 140) : 50;
}

// ---- Printing ----

CRect PrintPageTwips(int horzRes, int logPixelsX, int vertRes, int logPixelsY) {
    int inchesX = logPixelsX > 0 ? horzRes / logPixelsX : 0;
    int inchesY = logPixelsY > 0 ? vertRes / logPixelsY : 0;
    return CRect(0, 0, inchesX * 1440, inchesY * 1440);
}

}  // namespace NoteLogic

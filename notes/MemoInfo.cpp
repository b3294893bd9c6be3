#include "notes/MemoInfo.h"

#include "shell/ProgramFolder.h"
#include "shell/SafePath.h"

#include <mutex>

namespace {
MemoDefaults g_memoDefaults;

// Milliseconds since 1601 of a local time taken as naive (no zone).
ULONGLONG ToMilliseconds(const SYSTEMTIME& st) {
    FILETIME ft;
    if (!SystemTimeToFileTime(&st, &ft)) return 0;
    ULARGE_INTEGER u;
    u.LowPart = ft.dwLowDateTime;
    u.HighPart = ft.dwHighDateTime;
    return u.QuadPart / 10000;
}

SYSTEMTIME FromMilliseconds(ULONGLONG ms) {
    ULARGE_INTEGER u;
    u.QuadPart = ms * 10000;
    FILETIME ft;
    ft.dwLowDateTime = u.LowPart;
    ft.dwHighDateTime = u.HighPart;
    SYSTEMTIME st = {};
    FileTimeToSystemTime(&ft, &st);
    return st;
}

bool FileExists(const CString& path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

bool ParseInt(const CString& text, int& value) {
    if (text.IsEmpty()) return false;
    value = _wtoi(text);
    return true;
}
}  // namespace

void CMemoInfo::SetDefaults(const MemoDefaults& defaults) { g_memoDefaults = defaults; }
const MemoDefaults& CMemoInfo::GetDefaults() { return g_memoDefaults; }

CMemoInfo::CMemoInfo()
    : m_nVersion(CurrentVersion), m_bStyleBar(0), m_rcWindow(0, 0, 0, 0), m_nColorType(0),
      m_crBackground(g_memoDefaults.backgroundColor), m_crTitle(g_memoDefaults.titleColor), m_bExpanded(1),
      m_nLevel(g_memoDefaults.windowLevel), m_nExpandedWidth(0), m_nExpandedHeight(0), m_nFirstVisibleLine(0),
      m_bFitHeight((BYTE)(g_memoDefaults.fitHeight ? 1 : 0)), m_nImportance(0), m_bPinned(0), m_bReadOnly(0),
      m_strTitleFont(g_memoDefaults.titleFont), m_pWindow(nullptr), m_bLocked(0) {}

CMemoInfo::~CMemoInfo() = default;

bool CMemoInfo::Serialize(CArchive& ar, const CString& memoFolder) {
    try {
        if (ar.IsStoring()) {
            m_nVersion = CurrentVersion;
            Store(ar);
            return true;
        }
        int left, top, right, bottom;
        DWORD background, title;
        ar >> m_nVersion >> m_bStyleBar >> left >> top >> right >> bottom;
        m_rcWindow.SetRect(left, top, right, bottom);
        ar >> m_nColorType >> background >> title >> m_bExpanded >> m_nExpandedWidth >> m_nExpandedHeight >>
            m_nLevel >> m_strFileName >> m_nFirstVisibleLine;
        m_crBackground = background;
        m_crTitle = title;
        if (m_nVersion > LastVersionWithoutTitle) {
            ar >> m_strTitle >> m_strDate >> m_bFitHeight >> m_nImportance >> m_bPinned >> m_bReadOnly >>
                m_strTitleFont;
        }
        // A record that cannot be opened stays as it came. Only a record that
        // the steps below would change needs its name looked at: a list of
        // a thousand notes is read at every start.
        if ((m_bStyleBar || m_strDate.IsEmpty()) && HasUnsafeFileName()) return true;
        // The formatting bar is never open when a note comes back.
        m_bStyleBar = 0;
        if (m_strDate.IsEmpty())
            m_strDate = GetFileDateText((memoFolder.IsEmpty() ? GetMemoFolder() : memoFolder) + m_strFileName);
        return true;
    } catch (const CArchiveException&) {
        return false;
    } catch (const CFileException&) {
        return false;
    }
}

void CMemoInfo::Store(CArchive& ar) const {
    ar << (int)CurrentVersion << m_bStyleBar << (int)m_rcWindow.left << (int)m_rcWindow.top << (int)m_rcWindow.right
       << (int)m_rcWindow.bottom << m_nColorType << (DWORD)m_crBackground << (DWORD)m_crTitle << m_bExpanded
       << m_nExpandedWidth << m_nExpandedHeight << m_nLevel << m_strFileName << m_nFirstVisibleLine << m_strTitle
       << m_strDate << m_bFitHeight << m_nImportance << m_bPinned << m_bReadOnly << m_strTitleFont;
}

bool CMemoInfo::HasUnsafeFileName() const { return !m_strFileName.IsEmpty() && !IsSafeFileName(m_strFileName); }

bool CMemoInfo::GetTitleFont(LOGFONTW& font, COLORREF& color) const {
    memset(&font, 0, sizeof font);
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = 2;
    font.lfClipPrecision = 1;

    int parts[5];
    int start = 0;
    bool ok = true;
    for (int i = 0; i < 5 && ok; ++i) {
        int bar = m_strTitleFont.Find(L'|', start);
        if (bar < 0) {
            ok = false;
            break;
        }
        ok = ParseInt(m_strTitleFont.Mid(start, bar - start), parts[i]);
        start = bar + 1;
    }
    CString face = ok ? m_strTitleFont.Mid(start) : CString();
    if (!ok || face.IsEmpty()) {
        color = 0x804000;
        font.lfHeight = 13;
        font.lfWeight = FW_NORMAL;
        lstrcpynW(font.lfFaceName, g_memoDefaults.fontFace, LF_FACESIZE);
        return false;
    }
    color = (COLORREF)(DWORD)parts[0];
    font.lfItalic = (BYTE)(parts[1] ? 1 : 0);
    font.lfUnderline = (BYTE)(parts[2] ? 1 : 0);
    font.lfWeight = parts[3] ? FW_BOLD : FW_NORMAL;
    font.lfHeight = parts[4];
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return true;
}

void CMemoInfo::SetTitleFont(const LOGFONTW& font, COLORREF color) {
    m_strTitleFont.Format(L"%d|%d|%d|%d|%d|%s", (int)color, font.lfItalic ? 1 : 0, font.lfUnderline ? 1 : 0,
                          font.lfWeight ? 1 : 0, (int)font.lfHeight, font.lfFaceName);
}

CString GetMemoFolder() { return g_ProgramFolder + L"memo_data\\"; }

CString FormatMemoFileName(const SYSTEMTIME& t, const wchar_t* extension) {
    CString name;
    name.Format(L"%2d%02d%02d%02d%02d%02d%03d%s", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond,
                t.wMilliseconds, extension);
    return name;
}

CString MakeMemoFileNameAt(const SYSTEMTIME& now, const wchar_t* extension, const CString& memoFolder) {
    // Names are the creation time; a note made in the same millisecond as
    // the one before takes the next free millisecond instead.
    static std::mutex lock;
    static ULONGLONG last = 0;
    std::lock_guard<std::mutex> guard(lock);
    ULONGLONG ms = ToMilliseconds(now);
    if (ms <= last) ms = last + 1;
    for (int attempt = 0; attempt < 100000; ++attempt, ++ms) {
        CString stem = FormatMemoFileName(FromMilliseconds(ms), L"");
        if (!memoFolder.IsEmpty() && (FileExists(memoFolder + stem + L".rtf") ||
                                      FileExists(memoFolder + stem + L".rtx") ||
                                      FileExists(memoFolder + stem + L".brt")))
            continue;
        last = ms;
        return stem + extension;
    }
    last = ms;
    return FormatMemoFileName(FromMilliseconds(ms), extension);
}

CString MakeMemoFileName() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return MakeMemoFileNameAt(now, L".rtf", GetMemoFolder());
}

CString MakeLockedMemoFileName() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return MakeMemoFileNameAt(now, L".rtx", GetMemoFolder());
}

bool IsLockedMemoFileName(const CString& fileName) {
    int dot = fileName.ReverseFind(L'.');
    int slash = std::max(fileName.ReverseFind(L'\\'), fileName.ReverseFind(L'/'));
    if (dot < 0 || dot < slash) return false;
    return fileName.Mid(dot + 1).CompareNoCase(L"RTX") == 0;
}

CString MakeDeletedMemoFileName(const CString& fileName) {
    CString name = fileName;
    name.TrimRight(L"rtf");
    return name + L"brt";
}

CString FormatMemoDateText(const SYSTEMTIME& t) {
    CString text;
    text.Format(L"%4d-%d-%d %02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
    return text;
}

CString GetNowDateText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return FormatMemoDateText(now);
}

CString GetFileDateText(const CString& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    FILETIME local;
    SYSTEMTIME st;
    if (GetFileAttributesExW(path, GetFileExInfoStandard, &data) &&
        FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &st))
        return FormatMemoDateText(st);
    return GetNowDateText();
}

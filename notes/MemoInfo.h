// CMemoInfo: the record of one note: where its window stands, how it looks,
// which file holds its text and how it behaves. The frame keeps an array of
// them per memo group; every note window embeds its own copy.
#pragma once

#include "fw/Afx.h"

class CMemoDlg;

// Values of the settings that new records start with; the program sets
// them when its settings are loaded or changed.
struct MemoDefaults {
    COLORREF backgroundColor = 0xB5BED6;
    COLORREF titleColor = 0xC6C6C6;
    int windowLevel = 0;      // General/MemoZPosition
    int fitHeight = 0;        // General/AutoMemoHeight
    CString titleFont = L"7816192|0|0|0|14|Tahoma";  // General/TitleFont
    CString fontFace = L"Tahoma";                    // the default note font face
};

class CMemoInfo {
public:
    enum { CurrentVersion = 230, LastVersionWithoutTitle = 149 };
    enum Level { LevelNormal = 0, LevelTopMost = 1, LevelDesktop = 2 };
    enum Importance { ImportanceNormal = 0, ImportanceImportant = 1, ImportanceFavourite = 2, ImportanceVery = 3 };

    CMemoInfo();
    CMemoInfo(const CMemoInfo& other) = default;
    CMemoInfo& operator=(const CMemoInfo& other) = default;
    // Records move when the list grows as a group is read.
    CMemoInfo(CMemoInfo&& other) noexcept = default;
    CMemoInfo& operator=(CMemoInfo&& other) noexcept = default;
    virtual ~CMemoInfo();

    // Stores or loads by the archive's direction. False when the archive or
    // the file failed; the fields read so far stay as read. A record without
    // a date text takes the modification time of its note file, looked up in
    // memoFolder (the program's memo folder when empty). A record with an
    // unsafe file name is loaded exactly as stored.
    bool Serialize(CArchive& ar, const CString& memoFolder = CString());
    // Stores the record in the current version's form without changing it.
    // Throws what the archive throws.
    void Store(CArchive& ar) const;

    // Whether the record names a note file that is not a plain file name of
    // the memo folder (a path, a device, ...). Lists come from other
    // computers: such a file is never opened, written, moved or deleted.
    // A record that names no file yet is not unsafe.
    bool HasUnsafeFileName() const;

    bool GetTitleFont(LOGFONTW& font, COLORREF& color) const;
    void SetTitleFont(const LOGFONTW& font, COLORREF color);

    static void SetDefaults(const MemoDefaults& defaults);
    static const MemoDefaults& GetDefaults();

    int m_nVersion;
    int m_bStyleBar;
    CRect m_rcWindow;
    int m_nColorType;
    COLORREF m_crBackground;
    COLORREF m_crTitle;
    int m_bExpanded;
    int m_nLevel;
    CString m_strFileName;
    int m_nExpandedWidth;
    int m_nExpandedHeight;
    int m_nFirstVisibleLine;
    CString m_strTitle;
    CString m_strDate;
    BYTE m_bFitHeight;
    BYTE m_nImportance;
    BYTE m_bPinned;
    BYTE m_bReadOnly;
    CString m_strTitleFont;
    CMemoDlg* m_pWindow;
    CString m_strPassword;  // the password token of a locked note
    int m_bLocked;
};

// The program's memo folder: the program folder and "memo_data\".
CString GetMemoFolder();

// New note file names from the local time, "%2d%02d%02d%02d%02d%02d%03d" and
// ".rtf" (".rtx" for a locked note). Two names asked for within the same
// millisecond still differ, and a name whose file (in any of the note forms)
// already lies in the memo folder is never given out.
CString MakeMemoFileName();
CString MakeLockedMemoFileName();
CString MakeMemoFileNameAt(const SYSTEMTIME& now, const wchar_t* extension, const CString& memoFolder);
// The name of one moment, without the uniqueness rules.
CString FormatMemoFileName(const SYSTEMTIME& time, const wchar_t* extension);
// Whether a file name has the locked extension "rtx", in any case.
bool IsLockedMemoFileName(const CString& fileName);
// The name a deleted note's file takes: the trailing r, t and f go and
// "brt" is appended.
CString MakeDeletedMemoFileName(const CString& fileName);

// "%4d-%d-%d %02d:%02d" of the present local time, or of a given time.
CString GetNowDateText();
CString FormatMemoDateText(const SYSTEMTIME& time);
// The same text of a file's last modification; the present time when the
// file's status cannot be read.
CString GetFileDateText(const CString& path);

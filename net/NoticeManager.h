// The notices a web-check reply asks for: packages (zip archives) fetched
// into "system\zorelcheck\<Key>\" and shown once every one of them has been
// accounted for, windows built from XML inside the reply, and files to open.
//
// The windows and the downloads are the host's: the manager decides what to
// fetch, what to show where, and what to refuse. Tests give a recording host.
#pragma once

#include "fw/Afx.h"

#include <vector>

class TiXmlElement;

enum NoticeKind { NOTICE_ALERT = 0, NOTICE_RUN = 1 };

struct NoticeEntry {
    int kind = NOTICE_ALERT;
    CString Url, Key, File, Version;
    int Refit = 0;
    int DisplayType = 6;  // 0-7 slide-up placement, 8 centred pop-up, 9 pop-up at X, Y
    int X = 0, Y = 0;
    float DisplayTime = 5.0f;
    int done = 0;
    int result = 0;
};

// The cascade step 0-9 of centred pop-ups.
extern int g_nPopupCascade;

class INoticeHost {
public:
    virtual ~INoticeHost() = default;
    // Starts fetching the package; its end comes back as ShowNotices(index,
    // 1 or 0). False when it could not start (the entry then counts as
    // failed).
    virtual bool StartDownload(int index, const CString& url, const CString& key) = 0;
    // Opens a document of a package through the shell.
    virtual void OpenFile(const CString& path) = 0;
    // Slides a skinned window in at placement 0-7 for stayMs.
    virtual bool ShowSlide(const CString& skinPath, int placement, UINT stayMs) = 0;
    virtual bool ShowPopup(const CString& skinPath, int x, int y, UINT stayMs) = 0;
    virtual bool ShowInlineSlide(const TiXmlElement& skin, int placement, UINT stayMs) = 0;
    virtual bool ShowInlinePopup(const TiXmlElement& skin, int x, int y, UINT stayMs) = 0;
    // Resets the stacking offsets of the slide placements.
    virtual void ResetSlideSlots() = 0;
    virtual void GetScreenSize(int& width, int& height) = 0;
    // Sets the interval of the next check from the reply's CheckCycle.
    virtual void SetCheckCycle(int seconds) = 0;
};

class CNoticeManager {
public:
    CNoticeManager() = default;
    void SetHost(INoticeHost* host) { m_pHost = host; }

    // Reads the stored reply and starts fetching; a missing or unreadable
    // file changes nothing.
    void ParseServerCheck(const CString& path);
    // For every entry: show a current package, fetch any other.
    void FetchNotices();
    // One entry accounted for (result 0: skip it); when all are, shows them
    // in order and empties the list. An index outside the list only
    // triggers the check for completion.
    void ShowNotices(int index, int result);
    // Shows a window built from the reply's XML at once.
    void ShowInlineNotice(const TiXmlElement& skin, const NoticeEntry& entry);

    const std::vector<NoticeEntry>& Entries() const { return m_entries; }

    // A package's folder: "system\zorelcheck\<Key>\" in the program folder.
    static CString PackageFolder(const CString& key);
    // Where the pop-up of cascade step n goes on a width x height screen.
    static void CascadePoint(int n, int width, int height, int& x, int& y);
    // Whether a package's Key and File may be used: Key one plain folder
    // name, File a relative path inside it, and for RUN no program, script,
    // installer or shortcut.
    static bool IsAcceptable(const NoticeEntry& entry);
    static bool IsExecutableType(const CString& path);

private:
    bool IsPackageCurrent(const NoticeEntry& entry) const;
    void ShowEntry(const NoticeEntry& entry);
    void NextCascadePoint(int& x, int& y);

    INoticeHost* m_pHost = nullptr;
    std::vector<NoticeEntry> m_entries;
    size_t m_fetched = 0;  // entries handed to FetchNotices so far
};

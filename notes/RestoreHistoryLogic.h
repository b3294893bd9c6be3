// CRestoreHistoryLogic: what the schedule and anniversary restore dialogs
// do on disk: list the dated history copies of the live file, keep today's
// copy before restoring an older one (history level 1), and copy the chosen
// copy over the live file, which is first kept under a dated name so a
// restore can itself be undone.
#pragma once

#include "notes/LifecycleHost.h"

#include <vector>

class CRestoreHistoryLogic {
public:
    enum {
        IDS_DELETE_ALL_SCHEDULE = 10203, IDS_RESTORE_SCHEDULE = 10204,
        IDS_DELETE_ALL_ANNIVERSARY = 10205, IDS_RESTORE_ANNIVERSARY = 10206, IDS_DELETE_QUESTION = 10041,
    };
    enum Kind { Schedule, Anniversary };

    // historyFolder ends with a backslash; extension is ".sbak" or ".xbak".
    CRestoreHistoryLogic(INoteLifecycleHost& host, Kind kind, const CString& historyFolder, const CString& liveFile)
        : m_host(host), m_kind(kind), m_folder(historyFolder), m_live(liveFile) {}

    static CRestoreHistoryLogic ForSchedule(INoteLifecycleHost& host, const CString& scheduleFolder);
    static CRestoreHistoryLogic ForAnniversary(INoteLifecycleHost& host, const CString& programFolder);

    const wchar_t* Extension() const { return m_kind == Schedule ? L".sbak" : L".xbak"; }
    // The list items: file names of more than six characters without their
    // last five, sorted.
    std::vector<CString> ListItems() const;
    // The question before restoring an item, with its date parts.
    CString RestoreQuestion(const CString& item) const;
    // At history level 1 a copy of the live file under today's name when
    // there is none; true when one was made.
    bool MakeTodayCopy(int historyLevel);
    // Asks and restores; false when nothing was restored. listChanged tells
    // the dialog to fill its list again.
    bool Restore(const CString& item, int historyLevel, bool& listChanged);
    bool Delete(const CString& item);
    bool DeleteAll(const std::vector<CString>& items);

    // Copies a file about to be replaced to "<path>.<yyyymmdd-hhmmss>.old"
    // (a number stepped in when that exists); the copy's path, empty on failure.
    static CString KeepPreviousCopy(const CString& path, const SYSTEMTIME& now);

private:
    INoteLifecycleHost& m_host;
    Kind m_kind;
    CString m_folder;
    CString m_live;
};

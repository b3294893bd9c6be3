#include "notes/NoteSearch.h"

#include "shell/LanguageTable.h"

#include <algorithm>

bool CNoteSearch::TitleMatches(const CString& title, const CString& text) {
    return !title.IsEmpty() && !text.IsEmpty() && title.Find(text.GetString()) >= 0;
}

namespace {

bool IsWordChar(wchar_t c) { return c == L'_' || IsCharAlphaNumericW(c); }

CString Lowered(const CString& s) {
    std::wstring w = s.str();
    if (!w.empty()) CharLowerBuffW(&w[0], (DWORD)w.size());
    return CString(w);
}

}  // namespace

int CNoteSearch::FindInText(const CString& haystack, const CString& text, bool matchCase, bool wholeWord) {
    if (text.IsEmpty()) return -1;
    CString h = matchCase ? haystack : Lowered(haystack);
    CString t = matchCase ? text : Lowered(text);
    for (int pos = h.Find(t.GetString()); pos >= 0; pos = h.Find(t.GetString(), pos + 1)) {
        if (!wholeWord) return pos;
        int end = pos + t.GetLength();
        bool startOk = pos == 0 || !IsWordChar(h.GetAt(pos - 1));
        bool endOk = end >= h.GetLength() || !IsWordChar(h.GetAt(end));
        if (startOk && endOk) return pos;
    }
    return -1;
}

CNoteSearch::Outcome CNoteSearch::Search(INoteLifecycleHost& host, const CArray<CMemoInfo>& memos,
                                         const CString& text, const NoteSearchOptions& options,
                                         std::vector<ILifecycleNote*>& hits) {
    hits.clear();
    if (text.IsEmpty()) return SearchClosed;
    for (int i = 0; i < memos.GetSize(); ++i) {
        ILifecycleNote* note = host.NoteOf(memos[i]);
        if (!note) continue;
        CMemoInfo& record = note->Record();
        if (record.m_bLocked && !record.m_bExpanded) continue;
        bool found = options.contents && note->FindText(text, options.matchCase, options.wholeWord);
        if (!found && options.titles) found = TitleMatches(record.m_strTitle, text);
        if (!found) continue;
        if (options.onTop) note->PinOnTop();
        if (!record.m_bExpanded && !record.m_bLocked && options.unfold) note->SetExpanded(true);
        hits.push_back(note);
    }
    if (hits.empty() && host.MessageBox(g_LanguageTable[IDS_NO_MEMO_FOUND], MB_RETRYCANCEL | MB_ICONQUESTION) == IDRETRY)
        return SearchRetry;
    host.ShowNoteGroup(hits);
    return SearchShown;
}

std::vector<int> CNoteSearch::RecentOrder(const std::vector<CString>& fileNames,
                                          const std::vector<ULONGLONG>& writeTimes, const CString& recent,
                                          int count) {
    std::vector<int> list;
    if (recent.IsEmpty()) return list;
    int recentIndex = -1;
    for (size_t i = 0; i < fileNames.size(); ++i)
        if (fileNames[i].Compare(recent.GetString()) == 0) {
            recentIndex = (int)i;
            break;
        }
    std::vector<int> order(fileNames.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = (int)i;
    if (order.size() >= 2)
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return writeTimes[a] < writeTimes[b]; });
    if (recentIndex >= 0) list.push_back(recentIndex);
    for (int index : order) {
        if (index == recentIndex) continue;
        list.push_back(index);
        if ((int)list.size() >= count) break;
    }
    return list;
}

std::vector<ILifecycleNote*> CNoteSearch::RecentNotes(INoteLifecycleHost& host, const CArray<CMemoInfo>& memos,
                                                      const CString& memoFolder, const CString& recent, int count) {
    std::vector<ILifecycleNote*> notes;
    std::vector<CString> names;
    std::vector<ULONGLONG> times;
    for (int i = 0; i < memos.GetSize(); ++i) {
        ILifecycleNote* note = host.NoteOf(memos[i]);
        if (!note) continue;
        notes.push_back(note);
        names.push_back(note->Record().m_strFileName);
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        ULONGLONG t = 0;
        if (GetFileAttributesExW(memoFolder + note->Record().m_strFileName, GetFileExInfoStandard, &data))
            t = ((ULONGLONG)data.ftLastWriteTime.dwHighDateTime << 32) | data.ftLastWriteTime.dwLowDateTime;
        times.push_back(t);
    }
    std::vector<ILifecycleNote*> result;
    for (int index : RecentOrder(names, times, recent, count)) result.push_back(notes[index]);
    return result;
}

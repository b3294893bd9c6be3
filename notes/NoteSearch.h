// CNoteSearch: finding notes by their titles and texts, and the list of the
// most recently used notes. The editor does the finding in a note's text
// (wide text, so Korean and every other script is found whatever the ANSI
// code page); FindInText gives the same matching on plain text.
#pragma once

#include "notes/LifecycleHost.h"

#include <vector>

struct NoteSearchOptions {
    bool unfold = false;
    bool matchCase = false;
    bool wholeWord = false;
    bool onTop = false;
    bool titles = true;
    bool contents = true;
};

class CNoteSearch {
public:
    enum Outcome {
        SearchClosed,  // empty text: the search dialog closes
        SearchShown,   // notes found (or the user gave up): the dialog closes, hits shown
        SearchRetry,   // nothing found and the user wants to try again: the dialog stays
    };
    enum { IDS_NO_MEMO_FOUND = 10107 };  // "No memo found. Would like to try it again?"

    // A non-empty title holding the text, letters compared exactly.
    static bool TitleMatches(const CString& title, const CString& text);
    // The first position of text in haystack, or -1.
    static int FindInText(const CString& haystack, const CString& text, bool matchCase, bool wholeWord);

    // Searches the notes of the memo array (locked folded notes are left
    // out); hits receives the notes found in array order.
    static Outcome Search(INoteLifecycleHost& host, const CArray<CMemoInfo>& memos, const CString& text,
                          const NoteSearchOptions& options, std::vector<ILifecycleNote*>& hits);

    // The recent note (the one named recent, when open) first, then the
    // others from the least recently written, until count windows are
    // listed. writeTimes holds each note's file time, in array order.
    static std::vector<int> RecentOrder(const std::vector<CString>& fileNames,
                                        const std::vector<ULONGLONG>& writeTimes, const CString& recent,
                                        int count);
    // The same over the open notes, with the files' times from the memo folder.
    static std::vector<ILifecycleNote*> RecentNotes(INoteLifecycleHost& host, const CArray<CMemoInfo>& memos,
                                                    const CString& memoFolder, const CString& recent, int count);
};

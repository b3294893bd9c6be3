// Shared pieces of the note life-cycle tests: a scratch memo folder, note
// windows and a frame host that record what the logic asks of them.
#pragma once

#include "ScratchFolder.h"
#include "fw/Afx.h"
#include "notes/Autosave.h"
#include "notes/LifecycleHost.h"
#include "notes/MemoStore.h"
#include "notes/StoreHost.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <set>
#include <vector>

// A scratch memo folder; a note file written without a text holds a
// minimal rich text.
class CScratch : public CScratchFolder {
public:
    CScratch() : CScratchFolder(L"lifecycle") {}
    void Write(const wchar_t* name, const char* text = "{\\rtf1 x}") const;
    std::vector<CString> List(const wchar_t* pattern = L"*") const { return CScratchFolder::List(CString(), pattern); }
};

// A note window: an editor reduced to a text, a modified mark and the
// remembered length, and a window reduced to its record and a few marks.
class CFakeNote : public ILifecycleNote {
public:
    CMemoInfo record;
    CString text;
    bool modified = false;
    int remembered = 0;
    bool changed = false;
    bool visible = true;
    int saves = 0, redraws = 0, flashes = 0, pins = 0;
    bool failSave = false;
    int foldedHeight = 20;

    CMemoInfo& Record() override { return record; }
    bool IsReadyToSave(bool atExit) override {
        return CAutosave::CheckReady(modified, text.GetLength(), remembered, atExit);
    }
    bool SaveMemo() override;
    bool IsChanged() const override { return changed; }
    void ClearChanged() override { changed = false; }
    void Redraw() override { ++redraws; }
    bool IsVisible() const override { return visible; }
    void Show(bool show) override { visible = show; }
    void MoveTo(const CRect& rect) override { record.m_rcWindow = rect; }
    void SetExpanded(bool expanded) override;
    void SetLevel(int level) override { record.m_nLevel = level; }
    void PinOnTop() override {
        ++pins;
        record.m_nLevel = CMemoInfo::LevelTopMost;
    }
    void FlashAttention() override { ++flashes; }
    bool FindText(const CString& what, bool matchCase, bool wholeWord) override;
    void PasteClipboard() override { text += L"[picture]"; modified = true; }

    CString folder;  // where SaveMemo writes
};

class CFakeHost : public INoteLifecycleHost, public IStoreHost {
public:
    struct Message {
        CString text;
        UINT type;
    };
    SYSTEMTIME now = MakeTime(2014, 2, 9, 15, 30, 45);
    CRect workArea = CRect(0, 0, 1920, 1040);
    CSize screen = CSize(1920, 1080);
    bool hasBar = false;
    CRect bar;
    std::vector<Message> messages;
    std::deque<int> answers;  // message-box answers, IDOK when none left
    std::vector<CString> storeMessages, saveFailures, saveSuccesses;
    std::vector<CString> sounds, actions, shellOpens, restoreItems;
    std::vector<NoticeRequest> notices;
    std::vector<std::vector<ILifecycleNote*>> groupsShown;
    int listChanged = 0, clockShown = 0, widgetsSaved = 0;
    bool actionStrings = true;  // RunAction accepts the command
    bool failOpen = false;
    CString memoFolder;
    CString recentMemo;  // the last note reported as the recent one

    std::vector<std::unique_ptr<CFakeNote>> notes;  // every note ever opened
    std::set<ILifecycleNote*> live;

    static SYSTEMTIME MakeTime(int y, int mo, int d, int h = 0, int mi = 0, int s = 0);

    // Opens a note for a record already in the array.
    CFakeNote* Attach(CMemoInfo& record);
    CFakeNote* Fake(const CMemoInfo& record) { return static_cast<CFakeNote*>(NoteOf(record)); }

    // INoteLifecycleHost
    SYSTEMTIME Now() override { return now; }
    int MessageBox(const CString& text, UINT type) override;
    ILifecycleNote* NoteOf(const CMemoInfo& record) override;
    ILifecycleNote* OpenNote(CMemoInfo& record) override;
    void DestroyNote(ILifecycleNote* note) override { live.erase(note); }
    bool IsNoteRegistered(ILifecycleNote* note) override { return live.count(note) != 0; }
    CRect GetWorkArea() override { return workArea; }
    CSize GetScreenSize() override { return screen; }
    bool GetQuickMenuRect(CRect& rect) override {
        rect = bar;
        return hasBar;
    }
    void SetQuickMenuExpanded(bool) override {}
    void MoveQuickMenu(const CPoint& topLeft) override { bar = CRect(topLeft.x, topLeft.y, topLeft.x + bar.Width(), topLeft.y + bar.Height()); }
    void ShowNoteGroup(const std::vector<ILifecycleNote*>& group) override { groupsShown.push_back(group); }
    void MemoListChanged() override { ++listChanged; }
    void AddToRestoreDialog(const CString& path) override { restoreItems.push_back(path); }
    void SetRecentMemo(const CString& fileName) override { recentMemo = fileName; }
    bool SaveChangedWidgets() override { return false; }
    void ShowNotice(const NoticeRequest& notice) override { notices.push_back(notice); }
    void ShowClockForAWhile() override { ++clockShown; }
    void PlaySoundFile(const CString& path) override { sounds.push_back(path); }
    bool RunAction(const CString& command) override {
        actions.push_back(command);
        return actionStrings;
    }
    void ShellOpen(const CString& command) override { shellOpens.push_back(command); }

    // IStoreHost
    void ReportSaveFailure(const CString& path) override { saveFailures.push_back(path); }
    void ReportSaveSucceeded(const CString& path) override { saveSuccesses.push_back(path); }
    void ShowMessage(const CString& text) override { storeMessages.push_back(text); }
    void OfferMemoRestore() override {}
};

// Fills the text table with the built-in English texts and sets the note
// limit the group logic reads.
void ResetLifecycleSettings();

CMemoInfo MakeRecord(const wchar_t* file, const CRect& rect = CRect(0, 0, 180, 100));
// The file names a group file holds, in order.
std::vector<CString> GroupNames(CMemoStore& store, const wchar_t* group);

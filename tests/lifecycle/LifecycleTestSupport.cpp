#include "LifecycleTestSupport.h"
#include "TestFiles.h"

#include "notes/NoteSearch.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"

#include <algorithm>

void CScratch::Write(const wchar_t* name, const char* text) const {
    ASSERT_FALSE(CScratchFolder::Write(name, text).IsEmpty());
}

bool CFakeNote::SaveMemo() {
    ++saves;
    modified = false;
    if (failSave) return false;
    if (folder.IsEmpty()) return true;
    FILE* f = _wfopen(folder + record.m_strFileName, L"wb");
    if (!f) return false;
    CStringA bytes = StringToUtf8(text);
    fwrite(bytes.GetString(), 1, (size_t)bytes.GetLength(), f);
    fclose(f);
    return true;
}

void CFakeNote::SetExpanded(bool expanded) {
    if (!!record.m_bExpanded == expanded) return;
    record.m_bExpanded = expanded;
    CRect& rc = record.m_rcWindow;
    if (expanded) {
        rc.right = rc.left + record.m_nExpandedWidth;
        rc.bottom = rc.top + record.m_nExpandedHeight;
    } else {
        record.m_nExpandedWidth = rc.Width();
        record.m_nExpandedHeight = rc.Height();
        rc.bottom = rc.top + foldedHeight;
    }
}

bool CFakeNote::FindText(const CString& what, bool matchCase, bool wholeWord) {
    return CNoteSearch::FindInText(text, what, matchCase, wholeWord) >= 0;
}

SYSTEMTIME CFakeHost::MakeTime(int y, int mo, int d, int h, int mi, int s) {
    return MakeSystemTime(y, mo, d, h, mi, s);
}

int CFakeHost::MessageBox(const CString& text, UINT type) {
    messages.push_back({text, type});
    if (answers.empty()) return IDOK;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

ILifecycleNote* CFakeHost::NoteOf(const CMemoInfo& record) {
    auto* note = reinterpret_cast<ILifecycleNote*>(record.m_pWindow);
    return live.count(note) ? note : nullptr;
}

ILifecycleNote* CFakeHost::OpenNote(CMemoInfo& record) {
    if (failOpen) return nullptr;
    notes.push_back(std::make_unique<CFakeNote>());
    CFakeNote* note = notes.back().get();
    note->folder = memoFolder;
    record.m_pWindow = reinterpret_cast<CMemoDlg*>(static_cast<ILifecycleNote*>(note));
    note->record = record;
    live.insert(note);
    return note;
}

CFakeNote* CFakeHost::Attach(CMemoInfo& record) { return static_cast<CFakeNote*>(OpenNote(record)); }

void ResetLifecycleSettings() {
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    g_Settings.MemoLimit = 1000;
}

CMemoInfo MakeRecord(const wchar_t* file, const CRect& rect) {
    CMemoInfo m;
    m.m_strFileName = file;
    m.m_strDate = L"2014-2-9 15:30";
    m.m_rcWindow = rect;
    m.m_nExpandedWidth = rect.Width();
    m.m_nExpandedHeight = rect.Height();
    return m;
}

std::vector<CString> GroupNames(CMemoStore& store, const wchar_t* group) {
    CArray<CMemoInfo> memos;
    store.SerializeGroupFile(group, memos, 0);
    std::vector<CString> names;
    for (int i = 0; i < memos.GetSize(); ++i) names.push_back(memos[i].m_strFileName);
    return names;
}

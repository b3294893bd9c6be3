#include "notes/NoteCreate.h"

#include "notes/Autosave.h"
#include "shell/LanguageTable.h"
#include "shell/SafePath.h"

#include <cwchar>

CString CNoteCreate::MemoLimitText(int limit) {
    return ReplaceMarkerNumber(g_LanguageTable[IDS_MEMO_LIMIT], L"#MAX_MEMO#", limit);
}

bool CNoteCreate::IsAtLimit() const { return m_memos.GetSize() >= m_settings.memoLimit; }

CMemoInfo CNoteCreate::MakeNewRecord(const CRect& rect) {
    CMemoInfo record;
    record.m_rcWindow = rect;
    record.m_nExpandedWidth = rect.Width();
    record.m_nExpandedHeight = rect.Height();
    record.m_strFileName = MakeMemoFileNameAt(m_host.Now(), L".rtf", m_store.GetMemoFolder());
    record.m_strDate = FormatMemoDateText(m_host.Now());
    return record;
}

ILifecycleNote* CNoteCreate::NewMemo() {
    if (IsAtLimit()) {
        m_host.MessageBox(MemoLimitText(m_settings.memoLimit), MB_OK | MB_ICONSTOP);
        return nullptr;
    }
    CNoteArrange arrange(m_host, m_store, m_memos, m_settings.column);
    CMemoInfo record = MakeNewRecord(arrange.GetNewMemoRect());
    ILifecycleNote* note = m_host.OpenNote(record);
    if (!note) return nullptr;
    m_memos.Add(record);
    CAutosave::WriteMemoList(m_host, m_store, m_memos);
    note->ClearChanged();
    m_host.SetRecentMemo(record.m_strFileName);
    m_host.MemoListChanged();
    return note;
}

ILifecycleNote* CNoteCreate::AddMemoFromFile(const CString& fileName, bool writeList) {
    // Names come from the network and from the folder: only a plain file
    // name of the memo folder becomes a note.
    if (!IsSafeFileName(fileName)) return nullptr;
    CNoteArrange arrange(m_host, m_store, m_memos, m_settings.column);
    CMemoInfo record;
    record.m_rcWindow = arrange.GetNewMemoRect();
    record.m_nExpandedWidth = record.m_rcWindow.Width();
    record.m_nExpandedHeight = record.m_rcWindow.Height();
    record.m_strFileName = fileName;
    record.m_strDate = GetFileDateText(m_store.GetMemoFolder() + fileName);
    ILifecycleNote* note = m_host.OpenNote(record);
    if (!note) return nullptr;
    m_memos.Add(record);
    if (writeList) CAutosave::WriteMemoList(m_host, m_store, m_memos);
    return note;
}

CMemoInfo CNoteCreate::MakePastedRecord(const CRect& rect) {
    CMemoInfo record = MakeNewRecord(rect);
    record.m_nLevel = m_settings.captureAlwaysTop ? CMemoInfo::LevelTopMost : CMemoInfo::LevelNormal;
    return record;
}

ILifecycleNote* CNoteCreate::AddPastedMemo(const CRect& rect) {
    CMemoInfo record = MakePastedRecord(rect);
    ILifecycleNote* note = m_host.OpenNote(record);
    if (!note) return nullptr;
    note->SetLevel(record.m_nLevel);
    note->Show(true);
    note->PasteClipboard();
    note->Redraw();
    note->SaveMemo();
    m_memos.Add(record);
    CAutosave::WriteMemoList(m_host, m_store, m_memos);
    note->FlashAttention();
    return note;
}

ILifecycleNote* CNoteCreate::NewMemoFromClipboard() {
    if (IsAtLimit()) {
        m_host.MessageBox(MemoLimitText(m_settings.memoLimit), MB_OK | MB_ICONSTOP);
        return nullptr;
    }
    ILifecycleNote* note = AddPastedMemo(CNoteArrange(m_host, m_store, m_memos, m_settings.column).GetNewMemoRect());
    if (!note) return nullptr;
    m_host.SetRecentMemo(note->Record().m_strFileName);
    m_host.MemoListChanged();
    return note;
}

bool CNoteCreate::ParseReceivedText(const CString& text, CRect& rect, bool& hasGeometry, CString& message) {
    int bar = text.Find(L'|');
    if (bar < 0) return false;
    CString geometry = text.Left(bar);
    message = text.Mid(bar + 1);
    int x = 0, y = 0, w = 0, h = 0;
    hasGeometry = swscanf(geometry.GetString(), L"%d %d %d %d", &x, &y, &w, &h) == 4;
    if (hasGeometry) rect = CRect(x, y, x + w, y + h);
    return true;
}

int CNoteCreate::ProcessReceived(const std::vector<std::pair<CString, CString>>& pairs, const CString& receiveSound) {
    int made = 0;
    for (const auto& pair : pairs) {
        CRect rect;
        bool hasGeometry = false;
        CString message;
        if (!ParseReceivedText(pair.second, rect, hasGeometry, message)) continue;
        ILifecycleNote* note = AddMemoFromFile(pair.first, false);
        if (!note) continue;
        CMemoInfo& record = note->Record();
        record.m_strTitle = message;
        if (hasGeometry) {
            // A note is never smaller than the default size.
            int minW = m_settings.column.startDX, minH = m_settings.column.startDY;
            if (rect.Width() < minW) rect.right = rect.left + minW;
            if (rect.Height() < minH) rect.bottom = rect.top + minH;
            note->MoveTo(rect);
            record.m_rcWindow = rect;
        }
        note->SetLevel(CMemoInfo::LevelTopMost);
        // Opened from a file, the window is still hidden: a received note
        // shows at once, whatever the notes around it do.
        note->Show(true);
        note->Redraw();
        note->FlashAttention();
        // The array's copy follows the window's.
        for (int i = m_memos.GetSize() - 1; i >= 0; --i)
            if (m_host.NoteOf(m_memos[i]) == note) {
                CMemoDlg* window = m_memos[i].m_pWindow;
                m_memos[i] = record;
                m_memos[i].m_pWindow = window;
                break;
            }
        ++made;
    }
    CAutosave::WriteMemoList(m_host, m_store, m_memos);
    if (m_settings.receiveSound && !receiveSound.IsEmpty() &&
        GetFileAttributesW(receiveSound) != INVALID_FILE_ATTRIBUTES)
        m_host.PlaySoundFile(receiveSound);
    return made;
}

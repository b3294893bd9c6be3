#include "notes/Autosave.h"

bool CAutosave::CheckReady(bool modified, int length, int& remembered, bool atExit) {
    if (atExit) return modified;
    if (!modified) return false;
    if (remembered != 0 && remembered == length) {
        remembered = 0;
        return true;
    }
    remembered = length;
    return false;
}

bool CAutosave::AutoSaveMemos(bool atExit) {
    CString lastNote;
    bool saved = false, listChanged = false;
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
        if (!note) continue;
        if (note->IsReadyToSave(atExit)) {
            saved = listChanged = true;
            // A failed note save is reported once by the note's store and
            // stays modified, so the next pass tries it again; the others
            // are still saved.
            note->SaveMemo();
            note->Record().m_strDate = FormatMemoDateText(m_host.Now());
            note->Redraw();
            lastNote = note->Record().m_strFileName;
        }
        if (note->IsChanged()) {
            lastNote = note->Record().m_strFileName;
            listChanged = true;
            note->ClearChanged();
        }
    }
    // A list whose last write failed is tried again.
    bool retry = m_store.IsWriteRetryDue();
    if (listChanged || retry) WriteMemoList();
    if (!lastNote.IsEmpty()) m_host.SetRecentMemo(lastNote);
    bool widgets = m_host.SaveChangedWidgets();
    return saved || listChanged || retry || widgets;
}

void CAutosave::SaveAtDestroy() {
    WriteMemoList();
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
        if (note && note->IsReadyToSave(true)) note->SaveMemo();
    }
}

void CAutosave::OnMemoClosed(ILifecycleNote* note) {
    if (!note) return;
    RemoveMemoWindow(note);
    m_host.DestroyNote(note);
    WriteMemoList();
    m_host.MemoListChanged();
}

bool CAutosave::PrepareMemoTip(ILifecycleNote* note) {
    if (!note || note->Record().m_bLocked || note->Record().m_bExpanded) return false;
    if (note->IsReadyToSave(true)) {
        note->SaveMemo();
        note->Record().m_strDate = FormatMemoDateText(m_host.Now());
    }
    return true;
}

bool CAutosave::RemoveMemoWindow(ILifecycleNote* note, CMemoInfo* removed) {
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        if (m_host.NoteOf(m_memos[i]) == note) {
            if (removed) {
                *removed = note->Record();
                removed->m_pWindow = nullptr;
            }
            m_memos.RemoveAt(i);
            return true;
        }
    }
    return false;
}

bool CAutosave::WriteMemoList() { return WriteMemoList(m_host, m_store, m_memos); }

bool CAutosave::WriteMemoList(INoteLifecycleHost& host, CMemoStore& store, const CArray<CMemoInfo>& memos) {
    CArray<CMemoInfo> records;
    for (int i = 0; i < memos.GetSize(); ++i) {
        ILifecycleNote* note = host.NoteOf(memos[i]);
        records.Add(note ? note->Record() : memos[i]);
    }
    return store.WriteMemoList(records);
}

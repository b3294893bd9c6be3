#include "notes/NoteMove.h"

#include "notes/NoteCreate.h"
#include "shell/SafePath.h"
#include "shell/Settings.h"

bool CNoteMove::IsCurrentGroup(const CString& group) const {
    return group.Compare(m_store.GetCurrentGroup().GetString()) == 0;
}

bool CNoteMove::ReadGroup(const CString& group, CArray<CMemoInfo>& memos) {
    memos.RemoveAll();
    m_store.SerializeGroupFile(group, memos, 0);
    return !m_store.IsHeld(group);
}

ILifecycleNote* CNoteMove::FindOpenNote(const CString& fileName, int* index) {
    for (int i = 0; i < m_memos.GetSize(); ++i) {
        ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
        const CString& name = note ? note->Record().m_strFileName : m_memos[i].m_strFileName;
        if (name.Compare(fileName.GetString()) == 0) {
            if (index) *index = i;
            return note;
        }
    }
    return nullptr;
}

bool CNoteMove::DeleteMemoToRecycleBin(ILifecycleNote* note, const CString& targetGroup) {
    if (!note || !m_host.IsNoteRegistered(note)) return false;
    if (IsCurrentGroup(targetGroup)) return false;
    CArray<CMemoInfo> target;
    if (!ReadGroup(targetGroup, target)) return false;
    if (target.GetSize() >= g_Settings.MemoLimit) {
        m_host.MessageBox(CNoteCreate::MemoLimitText(g_Settings.MemoLimit), MB_OK | MB_ICONSTOP);
        return false;
    }
    m_autosave.AutoSaveMemos(true);
    if (targetGroup.Compare(CMemoStore::RecycleBinFile) == 0) m_store.EnsureRecycleBin();

    CMemoInfo copy = note->Record();
    copy.m_pWindow = nullptr;
    target.Add(copy);
    // The target first: when it cannot be written the note stays where it is.
    if (m_store.SerializeGroupFile(targetGroup, target, 1) != 1) return false;
    if (!m_autosave.RemoveMemoWindow(note)) return true;
    m_host.DestroyNote(note);
    m_autosave.WriteMemoList();
    m_host.MemoListChanged();
    return true;
}

int CNoteMove::MoveMemosToGroup(const CArray<CMemoInfo>& records, const CString& sourceGroup,
                                const CString& targetGroup) {
    if (sourceGroup.Compare(targetGroup.GetString()) == 0 || records.GetSize() == 0) return 0;
    CArray<CMemoInfo> target;
    if (!ReadGroup(targetGroup, target)) return 0;
    m_autosave.AutoSaveMemos(true);
    if (targetGroup.Compare(CMemoStore::RecycleBinFile) == 0) m_store.EnsureRecycleBin();

    const bool targetIsCurrent = IsCurrentGroup(targetGroup);
    const bool sourceIsCurrent = IsCurrentGroup(sourceGroup);
    int room = g_Settings.MemoLimit - (targetIsCurrent ? m_memos.GetSize() : target.GetSize());
    int n = records.GetSize() < room ? records.GetSize() : (room > 0 ? room : 0);

    // Records of open notes travel with the window's latest state.
    CArray<CMemoInfo> moving;
    for (int i = 0; i < n; ++i) {
        CMemoInfo rec = records[i];
        if (sourceIsCurrent)
            if (ILifecycleNote* note = FindOpenNote(rec.m_strFileName)) rec = note->Record();
        rec.m_pWindow = nullptr;
        moving.Add(rec);
    }

    if (targetIsCurrent) {
        std::vector<ILifecycleNote*> opened;
        for (int i = 0; i < moving.GetSize(); ++i) {
            CMemoInfo rec = moving[i];
            ILifecycleNote* note = rec.HasUnsafeFileName() ? nullptr : m_host.OpenNote(rec);
            if (note) {
                note->SetLevel(rec.m_nLevel);
                note->ClearChanged();
                opened.push_back(note);
            }
            m_memos.Add(rec);
        }
        if (!m_autosave.WriteMemoList()) {
            // Nothing may leave the source when the target did not take it.
            for (ILifecycleNote* note : opened) {
                m_autosave.RemoveMemoWindow(note);
                m_host.DestroyNote(note);
            }
            m_memos.SetSize(m_memos.GetSize() - (moving.GetSize() - (int)opened.size()));
            return 0;
        }
    } else {
        for (int i = 0; i < moving.GetSize(); ++i) target.Add(moving[i]);
        if (m_store.SerializeGroupFile(targetGroup, target, 1) != 1) return 0;
    }

    if (sourceIsCurrent) {
        // The open notes are the current group: its list is written from
        // them, so notes not yet in its file are not lost.
        for (int i = 0; i < moving.GetSize(); ++i) {
            int index = -1;
            ILifecycleNote* note = FindOpenNote(moving[i].m_strFileName, &index);
            if (index >= 0) m_memos.RemoveAt(index);
            if (note) m_host.DestroyNote(note);
        }
        m_autosave.WriteMemoList();
    } else {
        CArray<CMemoInfo> source;
        if (ReadGroup(sourceGroup, source)) {
            for (int i = 0; i < moving.GetSize(); ++i)
                for (int j = 0; j < source.GetSize(); ++j)
                    if (source[j].m_strFileName.Compare(moving[i].m_strFileName.GetString()) == 0) {
                        source.RemoveAt(j);
                        break;
                    }
            m_store.SerializeGroupFile(sourceGroup, source, 1);
        }
    }

    if (records.GetSize() > n) m_host.MessageBox(CNoteCreate::MemoLimitText(g_Settings.MemoLimit), MB_OK | MB_ICONSTOP);
    return n;
}

bool CNoteMove::DeleteMemosFromGroup(const CArray<CMemoInfo>& records, const CString& group, bool keepRestorable) {
    m_autosave.AutoSaveMemos(true);
    if (IsCurrentGroup(group)) {
        // The open notes are the current group's list.
        if (m_store.IsHeld(group)) return false;
        CArray<CMemoInfo> kept;
        std::vector<ILifecycleNote*> closing;
        for (int i = 0; i < m_memos.GetSize(); ++i) {
            ILifecycleNote* note = m_host.NoteOf(m_memos[i]);
            const CString& name = note ? note->Record().m_strFileName : m_memos[i].m_strFileName;
            bool goes = false;
            for (int j = 0; j < records.GetSize() && !goes; ++j) goes = name.Compare(records[j].m_strFileName.GetString()) == 0;
            if (!goes)
                kept.Add(m_memos[i]);
            else if (note)
                closing.push_back(note);
        }
        if (!CAutosave::WriteMemoList(m_host, m_store, kept)) return false;
        m_memos.Copy(kept);
        for (ILifecycleNote* note : closing) m_host.DestroyNote(note);
    } else {
        CArray<CMemoInfo> list;
        if (!ReadGroup(group, list)) return false;
        for (int i = 0; i < records.GetSize(); ++i)
            for (int j = 0; j < list.GetSize(); ++j)
                if (list[j].m_strFileName.Compare(records[i].m_strFileName.GetString()) == 0) {
                    list.RemoveAt(j);
                    break;
                }
        // The files go only once the list no longer names them.
        if (m_store.SerializeGroupFile(group, list, 1) != 1) return false;
    }

    const CString& folder = m_store.GetMemoFolder();
    for (int i = 0; i < records.GetSize(); ++i) {
        const CString& name = records[i].m_strFileName;
        if (!IsSafeFileName(name)) continue;
        CString path = folder + name;
        if (keepRestorable) {
            CString deleted = folder + MakeDeletedMemoFileName(name);
            if (MoveFileExW(path, deleted, MOVEFILE_COPY_ALLOWED)) m_host.AddToRestoreDialog(deleted);
        } else {
            DeleteFileW(path);
        }
    }
    return true;
}

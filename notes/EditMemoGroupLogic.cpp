#include "notes/EditMemoGroupLogic.h"

#include "ui/GroupListLogic.h"

#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/SafePath.h"

CString CEditMemoGroupLogic::DisplayName(const CString& name) { return CGroupListLogic::ShownName(name); }

bool CEditMemoGroupLogic::IsValidGroupName(const CString& text) {
    return text.GetLength() <= MaxRenameLength && IsSafeFileName(text);
}

std::vector<int> CEditMemoGroupLogic::CollectRows(const std::vector<bool>& ticked, int sourceCount, int selectedRow) {
    std::vector<int> rows;
    for (int i = 0; i < (int)ticked.size() && i < sourceCount; ++i)
        if (ticked[i]) rows.push_back(i);
    if (rows.empty() && selectedRow >= 0 && selectedRow < sourceCount && selectedRow < (int)ticked.size())
        rows.push_back(selectedRow);
    return rows;
}

std::vector<CEditMemoGroupLogic::Group> CEditMemoGroupLogic::ListGroups(CString& memoDBFile, int& selected) const {
    std::vector<Group> groups;
    selected = -1;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(m_store.GetMemoFolder() + L"*.zrd", &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            CString name = found.cFileName;
            if (name.Right(4).CompareNoCase(L".zrd") != 0) continue;
            if (name.Compare(memoDBFile.GetString()) == 0) selected = (int)groups.size();
            groups.push_back({name, (int)m_store.CountMemosInFile(name)});
        } while (FindNextFileW(h, &found));
        FindClose(h);
    }
    if (groups.empty()) {
        memoDBFile = CMemoStore::DefaultGroupFile;
        groups.push_back({memoDBFile, -1});
        selected = 0;
        return groups;
    }
    if (memoDBFile.Compare(CMemoStore::RecycleBinFile) == 0) selected = (int)groups.size();
    groups.push_back({CMemoStore::RecycleBinFile, (int)m_store.CountMemosInFile(CMemoStore::RecycleBinFile)});
    if (selected < 0) {
        selected = 0;
        memoDBFile = groups[0].name;
    }
    return groups;
}

bool CEditMemoGroupLogic::Exists(const std::vector<Group>& groups, const CString& name) const {
    for (const Group& g : groups)
        if (g.name.CompareNoCase(name.GetString()) == 0) return true;
    // A file on disk the list does not show (another extension's case, say).
    return CSafeFileWriter::FileExists(m_store.GetMemoFolder() + name);
}

CEditMemoGroupLogic::Result CEditMemoGroupLogic::AddGroup(const std::vector<Group>& groups, const CString& text) {
    if (text.IsEmpty()) return Cancelled;
    if (text.GetLength() > MaxNameLength || !IsValidGroupName(text)) {
        m_host.MessageBox(g_LanguageTable[IDS_NEW_GROUP_NAME], MB_OK | MB_ICONWARNING);
        return Refused;
    }
    CString name = text + L".zrd";
    if (Exists(groups, name)) {
        m_host.MessageBox(g_LanguageTable[IDS_GROUP_EXISTS], MB_OK);
        return Refused;
    }
    if (m_saveChanged) m_saveChanged();
    CArray<CMemoInfo> none;
    return m_store.SerializeGroupFile(name, none, 1) == 1 ? Done : Refused;
}

CEditMemoGroupLogic::Result CEditMemoGroupLogic::RenameGroup(const std::vector<Group>& groups, const CString& oldName,
                                                             const CString& text, CString& memoDBFile) {
    if (text.IsEmpty() || oldName.IsEmpty()) return Cancelled;
    if (!IsValidGroupName(text)) {
        m_host.MessageBox(g_LanguageTable[IDS_CHANGE_GROUP_NAME], MB_OK | MB_ICONWARNING);
        return Refused;
    }
    CString name = text + L".zrd";
    if (Exists(groups, name)) {
        m_host.MessageBox(g_LanguageTable[IDS_GROUP_EXISTS_RENAME], MB_OK);
        return Refused;
    }
    if (m_saveChanged) m_saveChanged();
    const CString& folder = m_store.GetMemoFolder();
    if (!MoveFileW(folder + oldName, folder + name)) return Refused;
    if (oldName.CompareNoCase(memoDBFile.GetString()) == 0) {
        memoDBFile = name;
        m_store.SetCurrentGroup(name);
    }
    return Done;
}

CEditMemoGroupLogic::Result CEditMemoGroupLogic::CheckDeleteGroup(int groupCount, const CString& name,
                                                                  const CString& memoDBFile, int& notes) {
    notes = 0;
    if (groupCount <= 1) {
        m_host.MessageBox(g_LanguageTable[IDS_LAST_GROUP], MB_OK);
        return Refused;
    }
    if (name.IsEmpty()) return Cancelled;
    if (name.CompareNoCase(memoDBFile.GetString()) == 0) {
        m_host.MessageBox(g_LanguageTable[IDS_GROUP_IN_USE], MB_OK);
        return Refused;
    }
    CArray<CMemoInfo> records;
    m_store.SerializeGroupFile(name, records, 0);
    // An unreadable list may still name notes: deleting it would lose them.
    if (m_store.IsHeld(name)) return Refused;
    notes = records.GetSize();
    return Done;
}

CEditMemoGroupLogic::Result CEditMemoGroupLogic::DeleteGroup(const CString& name, int answer) {
    CArray<CMemoInfo> records;
    m_store.SerializeGroupFile(name, records, 0);
    if (m_store.IsHeld(name)) return Refused;
    const CString& folder = m_store.GetMemoFolder();
    if (records.GetSize() > 0) {
        if (answer == DeleteEverything) {
            for (int i = 0; i < records.GetSize(); ++i)
                if (IsSafeFileName(records[i].m_strFileName)) DeleteFileW(folder + records[i].m_strFileName);
        } else if (answer == DeleteRestorable) {
            for (int i = 0; i < records.GetSize(); ++i) {
                const CString& file = records[i].m_strFileName;
                if (IsSafeFileName(file))
                    MoveFileExW(folder + file, folder + MakeDeletedMemoFileName(file), MOVEFILE_COPY_ALLOWED);
            }
        } else if (answer != DeleteGroupFileOnly) {
            return Cancelled;
        }
    }
    DeleteFileW(folder + name);
    return Done;
}

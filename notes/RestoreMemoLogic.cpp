#include "notes/RestoreMemoLogic.h"

#include "notes/NoteCreate.h"
#include "notes/RestoreHistoryLogic.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/Settings.h"

#include <algorithm>

CString CRestoreMemoLogic::RestoredName(const CString& name) const {
    CString restored = name;
    restored.TrimRight(Extension());
    return restored + L"rtf";
}

CString CRestoreMemoLogic::FormatModified(const SYSTEMTIME& t) {
    CString text = g_LanguageTable[IDS_MODIFIED_TIME];
    text = ReplaceMarkerNumber(text, L"#Y#", t.wYear);
    CString two;
    two.Format(L"%02d", t.wMonth);
    text.Replace(L"#MON#", two.GetString());
    two.Format(L"%02d", t.wDay);
    text.Replace(L"#DD#", two.GetString());
    two.Format(L"%02d", t.wHour);
    text.Replace(L"#HH#", two.GetString());
    two.Format(L"%02d", t.wMinute);
    text.Replace(L"#MM#", two.GetString());
    return text;
}

CRestoreMemoLogic::Item CRestoreMemoLogic::MakeItem(const CString& fileName) const {
    Item item;
    item.name = fileName;
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (GetFileAttributesExW(m_folder + fileName, GetFileExInfoStandard, &data)) {
        FILETIME local;
        SYSTEMTIME st;
        if (FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &st))
            item.modified = FormatModified(st);
    }
    return item;
}

std::vector<CRestoreMemoLogic::Item> CRestoreMemoLogic::ListFiles(const IsOpenFn& isOpen) const {
    std::vector<Item> items;
    WIN32_FIND_DATAW found;
    CString pattern = m_folder + L"*." + Extension();
    HANDLE h = FindFirstFileW(pattern, &found);
    if (h == INVALID_HANDLE_VALUE) return items;
    do {
        CString name = found.cFileName;
        if (name == L"." || name == L".." || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        // "*.rtf" also matches longer extensions in short-name lookups.
        if (name.Right(4).CompareNoCase((CString(L".") + Extension()).GetString()) != 0) continue;
        if (isOpen && isOpen(name)) continue;
        items.push_back(MakeItem(name));
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return items;
}

bool CRestoreMemoLogic::Rename(const CString& name, CString& restored) {
    restored = RestoredName(name);
    if (restored.Compare(name.GetString()) == 0) return CSafeFileWriter::FileExists(m_folder + name);
    CString from = m_folder + name, to = m_folder + restored;
    if (!CSafeFileWriter::FileExists(from)) return false;
    if (CSafeFileWriter::FileExists(to)) {
        // Another note file already has that name: keep it under a dated name.
        if (CRestoreHistoryLogic::KeepPreviousCopy(to, m_host.Now()).IsEmpty()) return false;
    }
    return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != FALSE;
}

bool CRestoreMemoLogic::CheckLimit(int currentCount, int adding) {
    if (currentCount + adding <= g_Settings.MemoLimit) return true;
    m_host.MessageBox(CNoteCreate::MemoLimitText(g_Settings.MemoLimit), MB_OK | MB_ICONSTOP);
    return false;
}

bool CRestoreMemoLogic::Restore(const CString& name, int currentCount, const AddNoteFn& addNote, bool ask) {
    if (!CheckLimit(currentCount)) return false;
    if (name.IsEmpty()) return false;
    if (ask && m_host.MessageBox(g_LanguageTable[IDS_RESTORE_SELECTED], MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    CString restored;
    if (!Rename(name, restored)) {
        m_host.MessageBox(g_LanguageTable[IDS_COULD_NOT_RESTORE], MB_OK | MB_ICONWARNING);
        return false;
    }
    return addNote ? addNote(restored, true) : true;
}

int CRestoreMemoLogic::RestoreAll(const std::vector<CString>& names, int currentCount, const AddNoteFn& addNote) {
    if (names.empty()) return 0;
    if (!CheckLimit(currentCount, (int)names.size())) return 0;
    if (m_host.MessageBox(g_LanguageTable[IDS_RESTORE_ALL], MB_YESNO | MB_ICONQUESTION) != IDYES) return 0;
    std::vector<CString> restoredNames;
    bool failed = false;
    for (const CString& name : names) {
        CString restored;
        if (Rename(name, restored))
            restoredNames.push_back(restored);
        else
            failed = true;
    }
    if (failed) m_host.MessageBox(g_LanguageTable[IDS_COULD_NOT_RESTORE], MB_OK | MB_ICONWARNING);
    int made = 0;
    for (size_t i = 0; i < restoredNames.size(); ++i)
        if (!addNote || addNote(restoredNames[i], i + 1 == restoredNames.size())) ++made;
    return made;
}

bool CRestoreMemoLogic::Delete(const CString& name) {
    if (name.IsEmpty()) return false;
    if (m_host.MessageBox(g_LanguageTable[IDS_DELETE_SELECTED], MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    DeleteFileW(m_folder + name);
    return true;
}

bool CRestoreMemoLogic::DeleteAll(const std::vector<CString>& names) {
    if (names.empty()) return false;
    if (m_host.MessageBox(g_LanguageTable[IDS_DELETE_ALL], MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    for (const CString& name : names) DeleteFileW(m_folder + name);
    return true;
}

#include "notes/RestoreHistoryLogic.h"

#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"

#include <algorithm>

CRestoreHistoryLogic CRestoreHistoryLogic::ForSchedule(INoteLifecycleHost& host, const CString& scheduleFolder) {
    return CRestoreHistoryLogic(host, Schedule, scheduleFolder + L"history\\", scheduleFolder + L"schedule_data.zra");
}

CRestoreHistoryLogic CRestoreHistoryLogic::ForAnniversary(INoteLifecycleHost& host, const CString& programFolder) {
    CString folder = programFolder + L"anniversary_data\\";
    return CRestoreHistoryLogic(host, Anniversary, folder + L"history\\", folder + L"anniversary_data.xzrn");
}

std::vector<CString> CRestoreHistoryLogic::ListItems() const {
    std::vector<CString> items;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(m_folder + L"*" + Extension(), &found);
    if (h == INVALID_HANDLE_VALUE) return items;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        CString name = found.cFileName;
        if (name.Right(5).CompareNoCase(Extension()) != 0) continue;
        if (name.GetLength() > 6) name = name.Left(name.GetLength() - 5);
        items.push_back(name);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    std::sort(items.begin(), items.end(), [](const CString& a, const CString& b) { return a.CompareNoCase(b.GetString()) < 0; });
    return items;
}

CString CRestoreHistoryLogic::RestoreQuestion(const CString& item) const {
    CString text = g_LanguageTable[m_kind == Schedule ? IDS_RESTORE_SCHEDULE : IDS_RESTORE_ANNIVERSARY];
    text.Replace(L"#Y#", item.Mid(0, 4).GetString());
    text.Replace(L"#MON#", item.Mid(5, 2).GetString());
    text.Replace(L"#DD#", item.Mid(8, 2).GetString());
    return text;
}

bool CRestoreHistoryLogic::MakeTodayCopy(int historyLevel) {
    if (historyLevel != 1 || !CSafeFileWriter::FileExists(m_live)) return false;
    SYSTEMTIME now = m_host.Now();
    CString name;
    name.Format(L"%2d_%02d_%02d", now.wYear, now.wMonth, now.wDay);
    CString path = m_folder + name + Extension();
    if (CSafeFileWriter::FileExists(path)) return false;
    CreateDirectoryW(m_folder, nullptr);
    return CSafeFileWriter::CopyFile(m_live, path);
}

bool CRestoreHistoryLogic::Restore(const CString& item, int historyLevel, bool& listChanged) {
    listChanged = MakeTodayCopy(historyLevel);
    if (item.GetLength() <= 9) return false;
    if (m_host.MessageBox(RestoreQuestion(item), MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    CString source = m_folder + item + Extension();
    if (!CSafeFileWriter::FileExists(source)) return false;
    // The live file is kept under a dated name unless today's copy holds it.
    if (CSafeFileWriter::FileExists(m_live) && !listChanged &&
        KeepPreviousCopy(m_live, m_host.Now()).IsEmpty())
        return false;
    return CSafeFileWriter::CopyFile(source, m_live);
}

bool CRestoreHistoryLogic::Delete(const CString& item) {
    if (item.IsEmpty()) return false;
    CString question = L"\"" + item + L"\" " + g_LanguageTable[IDS_DELETE_QUESTION];
    if (m_host.MessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    DeleteFileW(m_folder + item + Extension());
    return true;
}

bool CRestoreHistoryLogic::DeleteAll(const std::vector<CString>& items) {
    int id = m_kind == Schedule ? IDS_DELETE_ALL_SCHEDULE : IDS_DELETE_ALL_ANNIVERSARY;
    if (m_host.MessageBox(g_LanguageTable[id], MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    for (const CString& item : items) DeleteFileW(m_folder + item + Extension());
    return true;
}

CString CRestoreHistoryLogic::KeepPreviousCopy(const CString& path, const SYSTEMTIME& now) {
    CString stamp;
    stamp.Format(L".%04d%02d%02d-%02d%02d%02d", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
    CString copy = path + stamp + L".old";
    for (int n = 2; CSafeFileWriter::FileExists(copy) && n < 1000; ++n) copy.Format(L"%s%s-%d.old", path.GetString(), stamp.GetString(), n);
    if (CSafeFileWriter::FileExists(copy)) return CString();
    return CSafeFileWriter::CopyFile(path, copy) ? copy : CString();
}

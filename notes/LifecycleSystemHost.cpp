#include "notes/LifecycleSystemHost.h"

#include <mmsystem.h>
#include <shellapi.h>

SYSTEMTIME CLifecycleSystemHost::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

int CLifecycleSystemHost::MessageBox(const CString& text, UINT type) {
    if (messageBox) return messageBox(text, type);
    return ::MessageBoxW(nullptr, text, L"Zorel", type | MB_TOPMOST | MB_SETFOREGROUND);
}

CRect CLifecycleSystemHost::MonitorWorkArea(int index) {
    struct Search {
        int wanted, seen;
        CRect found;
        bool ok;
    } search = {index, 0, CRect(), false};
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            if (s->seen++ != s->wanted) return TRUE;
            MONITORINFO info = {sizeof info};
            if (GetMonitorInfoW(monitor, &info)) {
                s->found = CRect(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom);
                s->ok = true;
            }
            return FALSE;
        },
        (LPARAM)&search);
    if (search.ok) return search.found;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return CRect(work.left, work.top, work.right, work.bottom);
}

CRect CLifecycleSystemHost::GetWorkArea() { return MonitorWorkArea(workMonitor); }

CSize CLifecycleSystemHost::GetScreenSize() { return CSize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)); }

void CLifecycleSystemHost::ShowNoteGroup(const std::vector<ILifecycleNote*>& notes) {
    if (showNoteGroup) {
        showNoteGroup(notes);
        return;
    }
    for (ILifecycleNote* note : notes) note->Show(true);
}

CString CLifecycleSystemHost::NoticeText(const NoticeRequest& notice) {
    if (notice.title.IsEmpty()) return notice.body;
    if (notice.body.IsEmpty()) return notice.title;
    return notice.title + L"\n\n" + notice.body;
}

void CLifecycleSystemHost::ShowNotice(const NoticeRequest& notice) {
    if (showNotice) {
        showNotice(notice);
        return;
    }
    MessageBox(NoticeText(notice), MB_OK | MB_ICONINFORMATION);
}

void CLifecycleSystemHost::PlaySoundFile(const CString& path) {
    PlaySoundW(path, nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
}

void CLifecycleSystemHost::ShellOpen(const CString& command) {
    ShellExecuteW(nullptr, L"open", command, nullptr, nullptr, SW_SHOWNORMAL);
}

#include "ui/AppProfileStore.h"

#include "fw/WinApp.h"

CAppProfileStore& CAppProfileStore::Instance() {
    static CAppProfileStore store;
    return store;
}

CString CAppProfileStore::Read(LPCTSTR section, LPCTSTR entry) {
    CWinApp* app = AfxGetApp();
    return app ? app->GetProfileString(section, entry, _T("")) : CString();
}

void CAppProfileStore::Write(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
    if (CWinApp* app = AfxGetApp()) app->WriteProfileString(section, entry, value);
}

bool CAppProfileStore::Delete(LPCTSTR section, LPCTSTR entry) {
    CWinApp* app = AfxGetApp();
    if (!app) return false;
    HKEY key = app->GetSectionKey(section);
    if (!key) return false;
    bool existed = ::RegDeleteValueW(key, entry) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return existed;
}

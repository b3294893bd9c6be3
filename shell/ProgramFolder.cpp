#include "ProgramFolder.h"

CString g_ProgramFolder;

CString GetExecutableFolder() {
    CString path;
    DWORD n = GetModuleFileNameW(nullptr, path.GetBuffer(MAX_PATH * 4), MAX_PATH * 4);
    path.ReleaseBuffer((int)n);
    int slash = path.ReverseFind(L'\\');
    return slash >= 0 ? path.Left(slash + 1) : CString();
}

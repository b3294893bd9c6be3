#include "setup/SetupRoutines.h"

#include "shell/FileUtil.h"
#include "shell/SystemUtil.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cwchar>

BYTE* CopyResourceToMemory(HMODULE module, UINT id, const wchar_t* type, DWORD* size) {
    DWORD got = 0;
    BYTE* block = LoadResourceCopy(module, id, type, &got);
    if (size) *size = block ? got : 0;
    return block;
}

int WriteResourceToFile(HMODULE module, UINT id, const wchar_t* type, const CString& path) {
    DWORD size = 0;
    BYTE* block = CopyResourceToMemory(module, id, type, &size);
    if (!block) return 0;
    FILE* file = _wfopen(path, L"wb+");
    if (file) {
        if (size) fwrite(block, 1, size, file);
        fclose(file);
    }
    delete[] block;
    return 1;
}

HRESULT CreateShortcut(const CString& target, const CString& linkPath, const CString& arguments,
                       const CString& description) {
    IShellLinkW* link = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, (void**)&link);
    if (FAILED(hr) || !link) return E_FAIL;
    link->SetPath(target);
    link->SetDescription(description);
    link->SetArguments(arguments);
    IPersistFile* file = nullptr;
    hr = link->QueryInterface(IID_IPersistFile, (void**)&file);
    if (SUCCEEDED(hr) && file) {
        hr = file->Save(linkPath, TRUE);
        file->Release();
    }
    link->Release();
    return hr;
}

bool GetSpecialFolderPath(HWND owner, int csidl, CString& path) {
    path.Empty();
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &items)) || !items) return false;
    wchar_t buffer[MAX_PATH] = {};
    bool ok = SHGetPathFromIDListW(items, buffer) != FALSE;
    CoTaskMemFree(items);
    if (ok) path = buffer;
    return ok && !path.IsEmpty();
}

int RemoveFolderTree(const CString& path) {
    // A path longer than the installer's path buffers is refused, never cut
    // to the name of a parent folder; short paths are refused by the delete.
    if (path.GetLength() > MAX_PATH - 2) return 0;
    DeleteFolderTree(path);
    return 0;
}

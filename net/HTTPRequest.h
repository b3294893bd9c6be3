// HTTPRequest: the program's web client. Each job (a download into the cache
// folder, or a package downloaded and unpacked) runs on a thread of its own
// and reports to the owner window with WM_DOWNLOAD_DONE (wParam the request
// id, lParam 1 success or 0 failure). The request then releases itself:
//     (new HTTPRequest(owner))->DownloadFile(key, url, fileName);
// A floating window as owner hears only while it is still open; a plain
// window is reached through the handle it had when the request was made.
#pragma once

#include "net/BaseObject.h"

#include "fw/Afx.h"

class CZDialog;
class CWnd;

class HTTPRequest : public CBaseObject {
public:
    explicit HTTPRequest(CZDialog* owner);
    explicit HTTPRequest(CWnd* owner);
    ~HTTPRequest() override;

    // Downloads the URL into "system\caches\<fileName>" under the program
    // folder. Only an HTTP 200 reply counts; anything else leaves no file.
    // Returns 1 when the job started (0 when no thread could be made: the
    // owner is told of the failure and the request is gone).
    int DownloadFile(int requestId, LPCTSTR url, LPCTSTR fileName);
    // Downloads a zip archive as "system\zorelcheck\<packageName>.zip" and
    // unpacks it into the folder "system\zorelcheck\<packageName>\".
    int DownloadAndUnzip(int requestId, LPCTSTR url, LPCTSTR packageName);

    static DWORD WINAPI DownloadThreadProc(LPVOID param);
    static DWORD WINAPI DownloadZipThreadProc(LPVOID param);

    // URLs of 255 characters at most; a longer one is refused, not cut.
    enum { URL_CAPACITY = 256 };

protected:
    // Starts the job on its own thread, which owns the request from then on.
    int StartThread(LPTHREAD_START_ROUTINE proc);
    // WM_DOWNLOAD_DONE to the owner, then the end of the thread's reference.
    void Finish(bool success);
    void PostToOwner(UINT message, WPARAM wParam, LPARAM lParam);
    // Copies the URL into its fixed buffer; false when it does not fit.
    bool SetUrl(LPCTSTR url);

    CZDialog* m_pOwnerDialog = nullptr;
    HWND m_hOwnerWnd = nullptr;
    HANDLE m_hThread = nullptr;
    DWORD m_dwThreadId = 0;
    wchar_t m_szURL[URL_CAPACITY] = {};
    bool m_bUrlFits = true;
    int m_nRequestId = 0;
    CString m_strFileName;
};

#include "net/HTTPRequest.h"

#include "fw/HttpFile.h"
#include "fw/InternetException.h"
#include "fw/InternetSession.h"
#include "shell/FileUtil.h"
#include "shell/ProgramFolder.h"
#include "shell/SafeFileWriter.h"
#include "shell/SafePath.h"
#include "shell/ShellIds.h"
#include "tools/zip/ZipArchive.h"
#include "ui/ZDialog.h"
#include "ui/ZDialogList.h"

#include <cstdio>
#include <cwchar>
#include <memory>
#include <vector>

namespace {

// Each read of the internet functions costs a round through the system;
// blocks of 64 KB keep a large download from spending its time there.
const UINT kBlockSize = 65536;

CString CacheFolder() { return g_ProgramFolder + L"system\\caches\\"; }
CString PackageFolder() { return g_ProgramFolder + L"system\\zorelcheck\\"; }

// Fetches the URL into the file. Only an HTTP reply with status 200 counts:
// an error page is no picture and no package, so it is never kept. The file
// is written whole or not at all, so an interrupted transfer can never be
// taken later for a finished one.
bool DownloadTo(const wchar_t* url, const CString& path) {
    try {
        CInternetSession session(L"Internet agent", 1, INTERNET_OPEN_TYPE_DIRECT);
        // The program keeps its own cache: the system's would hold a second
        // copy of every file and could answer with an old one after the
        // program asked for its cache to be refilled.
        std::unique_ptr<CInternetFile> reply(session.OpenURL(
            url, 1, INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE,
            L"Accept: */*\r\n\r\n"));
        auto* http = dynamic_cast<CHttpFile*>(reply.get());
        DWORD status = 0;
        if (!http || !http->QueryInfoStatusCode(status) || status != 200) return false;
        return CSafeFileWriter::WriteStream(path, [&](FILE* file) {
            std::vector<char> block(kBlockSize);
            try {
                for (;;) {
                    UINT n = reply->Read(block.data(), kBlockSize);
                    if (n == 0) return true;
                    if (fwrite(block.data(), 1, n, file) != n) return false;
                }
            } catch (const CInternetException&) {
                return false;
            }
        });
    } catch (const CInternetException&) {
        return false;
    }
}

// Unpacks every entry it can into the folder. Entries the zip library
// refuses (names that climb out of the folder, a drive, a root) or cannot
// extract are passed over, and the rest still arrive. False only when the
// archive itself cannot be read.
bool Unpack(const CString& zipPath, const CString& folder) {
    CZipArchive archive;
    try {
        archive.Open(zipPath, CZipArchive::openReadOnly);
    } catch (const CException&) {
        archive.Close(true);
        return false;
    }
    WORD count = archive.GetEntryCount();
    for (WORD i = 0; i < count; ++i) {
        try {
            archive.ExtractFile(i, folder);
        } catch (const CException&) {
            try {
                archive.CloseEntry(nullptr, true);
            } catch (const CException&) {
            }
        }
    }
    try {
        archive.Close();
    } catch (const CException&) {
        archive.Close(true);
    }
    return true;
}

}  // namespace

HTTPRequest::HTTPRequest(CZDialog* owner) : m_pOwnerDialog(owner) {}

HTTPRequest::HTTPRequest(CWnd* owner) : m_hOwnerWnd(owner ? owner->m_hWnd : nullptr) {}

HTTPRequest::~HTTPRequest() = default;

bool HTTPRequest::SetUrl(LPCTSTR url) {
    size_t length = url ? wcslen(url) : 0;
    m_bUrlFits = length < URL_CAPACITY;
    wcsncpy(m_szURL, m_bUrlFits && url ? url : L"", URL_CAPACITY - 1);
    m_szURL[URL_CAPACITY - 1] = 0;
    return m_bUrlFits;
}

int HTTPRequest::DownloadFile(int requestId, LPCTSTR url, LPCTSTR fileName) {
    SetUrl(url);
    m_nRequestId = requestId;
    m_strFileName = fileName ? fileName : L"";
    return StartThread(DownloadThreadProc);
}

int HTTPRequest::DownloadAndUnzip(int requestId, LPCTSTR url, LPCTSTR packageName) {
    SetUrl(url);
    m_nRequestId = requestId;
    m_strFileName = packageName ? packageName : L"";
    return StartThread(DownloadZipThreadProc);
}

int HTTPRequest::StartThread(LPTHREAD_START_ROUTINE proc) {
    // Started suspended, so the handle is in place before the worker, which
    // closes it, can look at it.
    m_hThread = ::CreateThread(nullptr, 0, proc, this, CREATE_SUSPENDED, &m_dwThreadId);
    if (!m_hThread) {
        Finish(false);
        return 0;
    }
    ::ResumeThread(m_hThread);
    return 1;
}

void HTTPRequest::PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pOwnerDialog)
        SafePostMessage(m_pOwnerDialog, message, wParam, lParam);
    else if (m_hOwnerWnd && ::IsWindow(m_hOwnerWnd))
        ::PostMessageW(m_hOwnerWnd, message, wParam, lParam);
}

void HTTPRequest::Finish(bool success) {
    PostToOwner(WM_DOWNLOAD_DONE, (WPARAM)m_nRequestId, success ? 1 : 0);
    if (m_hThread) ::CloseHandle(m_hThread);
    m_hThread = nullptr;
    Release();
}

DWORD WINAPI HTTPRequest::DownloadThreadProc(LPVOID param) {
    auto* request = static_cast<HTTPRequest*>(param);
    bool ok = false;
    // The name becomes part of a path: it must stay a plain name.
    if (request->m_bUrlFits && IsSafeFileName(request->m_strFileName)) {
        EnsureFolder(g_ProgramFolder + L"system\\");
        EnsureFolder(CacheFolder());
        ok = DownloadTo(request->m_szURL, CacheFolder() + request->m_strFileName);
    }
    request->Finish(ok);
    return 0;
}

DWORD WINAPI HTTPRequest::DownloadZipThreadProc(LPVOID param) {
    auto* request = static_cast<HTTPRequest*>(param);
    bool ok = false;
    // Package names come from the web service's reply.
    if (request->m_bUrlFits && IsSafeFileName(request->m_strFileName)) {
        EnsureFolder(g_ProgramFolder + L"system\\");
        EnsureFolder(PackageFolder());
        CString zipPath = PackageFolder() + request->m_strFileName + L".zip";
        DeleteFileQuiet(zipPath);
        if (DownloadTo(request->m_szURL, zipPath)) {
            CString folder = PackageFolder() + request->m_strFileName;
            DeleteFolderTree(folder);
            EnsureFolder(folder);
            ok = Unpack(zipPath, folder);
            if (ok) DeleteFileQuiet(zipPath);
        }
    }
    request->Finish(ok);
    return 0;
}

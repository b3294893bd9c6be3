// Entry point of the program stored at the head of a self-installing backup:
// it reads the trailer at the end of its own file, asks for the Zorel folder
// (the installed one is proposed), closes a running Zorel and unpacks the
// archive there.
#include "fw/WinApp.h"
#include "setup/BackupRestore.h"
#include "setup/SetupLogic.h"
#include "setup/SetupProcessPage.h"
#include "setup/SetupTexts.h"
#include "shell/FileUtil.h"
#include "shell/RegUtil.h"
#include "shell/Seams.h"
#include "shell/SystemUtil.h"

#include <objbase.h>
#include <shlobj.h>

#include <vector>

namespace {

bool ReadPart(HANDLE file, ULONGLONG offset, DWORD length, BYTE* out) {
    LARGE_INTEGER at;
    at.QuadPart = (LONGLONG)offset;
    if (!::SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) return false;
    DWORD done = 0;
    while (done < length) {
        DWORD got = 0;
        if (!::ReadFile(file, out + done, length - done, &got, nullptr) || got == 0) return false;
        done += got;
    }
    return true;
}

// The Zorel folder of the installation recorded in the Run value, or empty.
CString InstalledFolder() {
    CString run;
    if (!ReadRegString(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", L"Zorel Start", run))
        return CString();
    return SetupLogic::FolderOfRunValue(run);
}

int Restore() {
    const int lang = SetupLogic::LanguageOffsetFor(GetKeyboardLanguageName());
    const CString title = GetSetupText(3001, lang);
    ISystemMessageBox& box = GetSystemMessageBox();

    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    HANDLE file = ::CreateFileW(self, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    BackupRestore::BackupInfo info;
    std::vector<BYTE> archive;
    bool found = false;
    if (file != INVALID_HANDLE_VALUE) {
        LARGE_INTEGER size = {};
        BYTE tail[BackupRestore::kTrailerSize];
        if (::GetFileSizeEx(file, &size) && size.QuadPart >= BackupRestore::kTrailerSize &&
            ReadPart(file, (ULONGLONG)size.QuadPart - BackupRestore::kTrailerSize, sizeof(tail), tail) &&
            BackupRestore::ParseTrailer(tail, (ULONGLONG)size.QuadPart, info)) {
            archive.resize(info.archiveLength);
            found = info.archiveLength > 0 && ReadPart(file, info.setupLength, info.archiveLength, archive.data());
        }
        ::CloseHandle(file);
    }
    if (!found) {
        box.Show(nullptr, GetSetupText(3002, lang), title, MB_OK | MB_ICONERROR);
        return 1;
    }

    CString folder = BrowseForFolder(nullptr, GetSetupText(3003, lang), BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE,
                                     InstalledFolder());
    if (folder.IsEmpty()) return 0;
    if (folder.Right(1) != L"\\") folder += L"\\";
    CString question = GetSetupText(3004, lang);
    question.Replace(L"#DATE#", BackupRestore::DescribeBackup(info));
    question.Replace(L"#FOLDER#", folder);
    if (box.Show(nullptr, question, title, MB_YESNO | MB_ICONQUESTION) != IDYES) return 0;

    // Zorel writes its data folders on the way out: it is closed first.
    SetupState state;
    state.languageOffset = lang;
    CSetupProcessPage closer(state);
    if (!closer.CloseRunningProgram()) return 1;

    bool complete = BackupRestore::UnpackArchive(archive.data(), info.archiveLength, folder);
    box.Show(nullptr, GetSetupText(complete ? 3005 : 3006, lang), title,
             MB_OK | (complete ? MB_ICONINFORMATION : MB_ICONWARNING));
    return complete ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    HRESULT com = ::CoInitialize(nullptr);
    int result = Restore();
    if (SUCCEEDED(com)) ::CoUninitialize();
    return result;
}

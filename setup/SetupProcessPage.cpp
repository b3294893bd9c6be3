#include "setup/SetupProcessPage.h"

#include "setup/ProgressCtrlEx.h"
#include "setup/RunningProgram.h"
#include "setup/SetupLogic.h"
#include "setup/SetupRoutines.h"
#include "setup/SetupTexts.h"
#include "shell/FileTreeOp.h"
#include "shell/FileUtil.h"
#include "shell/RegUtil.h"
#include "shell/Seams.h"
#include "shell/ShellIds.h"
#include "tools/zip/ZipArchive.h"

#include <shlobj.h>

#include <memory>

namespace {

bool PathExists(const CString& path) { return FileExists(path); }

}  // namespace

CSetupProcessPage::CSetupProcessPage(SetupState& state)
    : m_resourceModule(GetModuleHandleW(nullptr)), m_program(&GetRealRunningProgram()), m_state(state) {}

CString CSetupProcessPage::Text(int id) const { return GetSetupText(id, m_state.languageOffset); }

bool CSetupProcessPage::Install() {
    m_state.errorStep = ERRSTEP_CLOSE_PROGRAM;
    if (!CloseRunningProgram()) return false;

    m_state.errorStep = ERRSTEP_COPY_STARTED;
    if (m_copyTextWnd) {
        SetWindowTextW(m_copyTextWnd, Text(301));
        UpdateWindow(m_copyTextWnd);
    }

    m_state.errorStep = ERRSTEP_BASE_FOLDER;
    EnsureFolder(m_state.baseFolder);
    m_state.errorStep = ERRSTEP_INSTALL_FOLDER;
    EnsureFolder(m_state.installFolder);

    m_state.errorStep = ERRSTEP_EXTRACT;
    if (!ExtractPayload()) return false;

    m_state.errorStep = ERRSTEP_MIGRATE;
    MigrateOldData();

    m_state.errorStep = ERRSTEP_DONE;
    m_program->Wait(100);
    if (m_wizard) PostMessageW(m_wizard, WM_COMMAND, MAKEWPARAM(IDC_SETUP_NEXT, BN_CLICKED), 0);
    return true;
}

bool CSetupProcessPage::InstallCatching() {
    try {
        return Install();
    } catch (const CException&) {
    } catch (const std::exception&) {
    }
    m_state.errorStep += kErrorStepException;
    return false;
}

bool CSetupProcessPage::CloseRunningProgram() {
    HWND running = m_program->FindByTitle(ZOREL_OLD_FRAME_TITLE);
    if (!running) running = m_program->FindByTitle(ZOREL_FRAME_TITLE);
    if (!running) return true;

    SetProgress(Text(1001), 0);
    m_program->RequestClose(running);
    m_program->Wait(2000);
    // A current copy saves its notes on the way out and may need longer
    // than the first wait: both titles are waited for.
    auto stillThere = [this] {
        return m_program->FindByTitle(ZOREL_OLD_FRAME_TITLE) || m_program->FindByTitle(ZOREL_FRAME_TITLE);
    };
    for (int i = 0; i < 6 && stillThere(); ++i) m_program->Wait(1000);
    if (!stillThere()) return true;
    GetSystemMessageBox().Show(m_owner, Text(1002), Text(1), MB_OK | MB_ICONWARNING);
    return false;
}

bool CSetupProcessPage::ExtractPayload() {
    const CString& install = m_state.installFolder;
    CString rauncher = SetupLogic::JoinFolder(install, L"skin\\widgets\\rauncher");
    if (PathExists(rauncher)) {
        try {
            RemoveFolderTree(rauncher);
        } catch (...) {
        }
    }

    m_state.mainProgramPath = SetupLogic::CollapseBackslashes(install + L"\\Zorel.exe");
    m_state.uninstallerPath = SetupLogic::CollapseBackslashes(install + L"\\ZorelUninstall.exe");
    CString root = SetupLogic::CollapseBackslashes(install + L"\\");

    DWORD size = 0;
    std::unique_ptr<BYTE[]> block(CopyResourceToMemory(m_resourceModule, m_payloadId, L"DATA", &size));
    if (!block) return false;

    bool complete = true;
    {
        CMemFile memory(block.get(), size);
        CZipArchive zip;
        try {
            zip.Open(memory, CZipArchive::openReadOnly);
            const int count = zip.GetEntryCount();
            std::vector<WORD> indexes;
            std::vector<CString> names;
            for (int i = 0; i < count; ++i) {
                CZipFileHeader header;
                if (!zip.GetEntryInfo(header, (WORD)i)) {
                    complete = false;
                    break;
                }
                CString name = header.GetFileName();
                CString local = name;
                local.Replace(L'/', L'\\');
                if (SetupLogic::KeepsExistingFile(name, PathExists(root + local))) continue;
                indexes.push_back((WORD)i);
                names.push_back(name);
            }
            // Several files are written at once, and each is shown when it
            // is done. Every entry is unpacked, and one that fails fails the
            // copy: a half-unpacked program must not be reported as installed.
            if (complete) {
                zip.ExtractFiles(indexes, root, [&](size_t i, bool bDone) {
                    SetProgress(names[i], SetupLogic::EntryPercent(indexes[i], count));
                    if (!bDone) complete = false;
                    return bDone;
                });
            }
            zip.Close();
        } catch (...) {
            zip.Close(true);
            throw;
        }
    }
    if (!complete) return false;

    if (m_state.IsKorean()) {
        CString anniversary = root + L"anniversary_data\\anniversary_data.xzrn";
        if (!PathExists(anniversary)) {
            EnsureFolder(root + L"anniversary_data");
            WriteResourceToFile(m_resourceModule, IDR_SETUP_ANNIVERSARY, L"DATA", anniversary);
        }
    }
    return true;
}

CString CSetupProcessPage::ReadProgramFilesDir() {
    CString folder;
    ReadRegString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\", L"ProgramFilesDir", folder);
    return folder;
}

CString CSetupProcessPage::ReadDocumentsFolder() {
    wchar_t path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, FALSE)) return CString();
    return CString(path);
}

bool CSetupProcessPage::MigrateOldData() {
    const CString& install = m_state.installFolder;
    SetupLogic::MigrationInput input;
    input.programFiles = ReadProgramFilesDir();
    input.documents = ReadDocumentsFolder();
    input.installFolder = install;
    input.previousFolder = m_state.previousFolder;
    input.installHasMemoData = PathExists(SetupLogic::JoinFolder(install, L"memo_data"));
    input.installHasMainProgram = PathExists(SetupLogic::JoinFolder(install, L"Zorel.exe"));
    input.folderExists = &PathExists;
    CString source = SetupLogic::ChooseMigrationSource(input);
    if (source.IsEmpty()) return false;

    SetProgress(Text(302), 0);
    for (const wchar_t* folder : {L"memo_data", L"schedule_data", L"anniversary_data"}) {
        CString from = SetupLogic::JoinFolder(source, folder);
        if (!PathExists(from)) continue;
        CFileTreeOp op;
        op.Copy(from, install);
    }
    return true;
}

void CSetupProcessPage::SetProgress(const CString& text, int percent) {
    m_progressText = text;
    m_progressPercent = percent;
    if (m_statusWnd) {
        SetWindowTextW(m_statusWnd, text);
        UpdateWindow(m_statusWnd);
    }
    if (m_progressBar && m_progressBar->GetSafeHwnd()) {
        m_progressBar->SetPos(percent);
        m_progressBar->UpdateWindow();
    }
    if (m_onProgress) m_onProgress(text, percent);
}

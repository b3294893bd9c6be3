// Backups of the program's data: a dated archive (or a self-installing file
// made of the stored setup program, the archive and a trailer) in the backup
// folder, and the whole program folder into "backup.zip". No windows here: the
// backup dialog reads its boxes into this object and calls Backup.
#pragma once

#include "fw/Afx.h"

#include <ctime>
#include <functional>
#include <vector>

class CZipArchive;

class CBackup {
public:
    enum Result { resultDone, resultEmptyName, resultFailed };
    enum { TRAILER_SIZE = 1024, COMMENT_MAX_CHARS = 62, SETUP_RESOURCE_ID = 258 };

    CBackup();

    // The boxes of the backup dialog.
    bool m_bMemo = true;           // memo_data
    bool m_bSchedule = true;       // schedule_data
    bool m_bAnniversary = true;    // anniversary_data
    bool m_bVault = true;          // pmanager_data
    bool m_bSkin = true;           // skin
    bool m_bHistory = false;       // history copies in the sub-folders of the three above
    bool m_bSettings = true;       // ZorelConfig.xml
    bool m_bSetupFile = true;      // a self-installing file instead of a plain archive
    CString m_szName;              // backup name
    CString m_szComment;           // stored in the self-installing file's trailer

    CString m_szProgramFolder;     // with a trailing backslash
    CString m_szProgramFile;       // the running program's file name
    CString m_szLanguage;          // the System "language" setting
    time_t m_now;                  // when the backup is made

    // Seams to the rest of the program.
    std::function<void()> m_fnSaveData;                        // save notes, window states and settings first
    std::function<void(int)> m_fnProgress;                     // 0-100
    std::function<void(const CString&)> m_fnReportFailure;     // a file that could not be written
    std::function<bool(std::vector<BYTE>&)> m_fnLoadSetupProgram;

    // The relative paths the last backup collected.
    CStringArray m_files;

    // The default name for a given day: Zorel2014_02_09.
    static CString DefaultName(time_t now);
    CString GetBackupFolder() const { return m_szProgramFolder + L"system\\backup\\"; }
    // The name with ".zip" (".exe") appended unless it already ends with it.
    CString GetArchiveName() const;
    CString GetSetupFileName() const;

    Result Backup();
    // Fills m_files with the paths to back up, in their fixed order.
    void BuildFileList();
    void CollectFiles(const CString& folder, bool bSubFolders);
    bool MakeSetupFile(const CString& archivePath);
    // Whether a stored setup program is there to make a self-installing file.
    bool CanMakeSetupFile() const;

    static std::vector<BYTE> MakeTrailer(time_t now, const CString& language, const CString& comment);
    // The stored setup program from this module's resources.
    static bool LoadSetupProgram(std::vector<BYTE>& data);

    // Writes the whole program folder into "backup.zip" in it.
    static bool BackupProgramFolder(const CString& programFolder,
                                    const std::function<void(const CString&)>& reportFailure = nullptr);
    static void AddFolderToArchive(CZipArchive& archive, const CString& programFolder, const CString& folder,
                                   bool bSubFolders);
    // The paths AddFolderToArchive adds, relative to the program folder, in
    // the order it adds them.
    static void CollectFolder(std::vector<CString>& paths, const CString& programFolder, const CString& folder,
                              bool bSubFolders);

private:
    void Report(const CString& path) const {
        if (m_fnReportFailure) m_fnReportFailure(path);
    }
};

// The uninstaller's dialog: keep or delete the user's data, then close a
// running main program and remove the installation, the registry entries
// and the Start-menu folders.
#pragma once

#include "fw/Afx.h"
#include "fw/Dialog.h"
#include "uninstall/UninstallIds.h"

#include <vector>

class IRunningProgram;

class CZorelUninstallDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CZorelUninstallDlg(CWnd* parent = nullptr);

    // 0 keep the data, 1 delete it.
    int m_radio = 0;
    int m_languageOffset = 0;
    // The install folder, ending in a backslash (the program's own folder).
    CString m_installFolder;
    // Where the registry entries live (the user's keys by default).
    HKEY m_registryRoot = HKEY_CURRENT_USER;
    CString m_softwareKey = L"Software";
    CString m_runKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
    IRunningProgram* m_program;

    // Finds the main program by either title, asks it to close and waits
    // for both titles to go; false, after telling the user, when it stays.
    bool CloseRunningProgram();
    // Deletes the installed items of the table, going on past an item that
    // cannot be deleted; gives the names of the items still there.
    std::vector<CString> DeleteInstalledFiles();
    // The Run value and the program's keys, leaf first; a key that still
    // holds subkeys stays, with its parents.
    bool CleanRegistry();
    void RemoveStartMenuFolders();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnPaint();
    LRESULT OnQueryDragIcon(WPARAM, LPARAM);
    void EnableChoice(bool enable);
    CString Text(int id) const;
    // The Programs folder of the Start menu by CSIDL; tests give their own.
    virtual CString GetProgramsFolder(int csidl);
    // Opens the install folder for the user when the work is done.
    virtual void OpenInstallFolder();

    HICON m_icon = nullptr;
};

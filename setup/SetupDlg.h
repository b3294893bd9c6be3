// The installer's wizard. Its finish step leaves the Start-menu folder with
// its shortcuts and the redirect page; the window is built around these.
#pragma once

#include "fw/Afx.h"
#include "setup/SetupState.h"

class CSetupDlg {
public:
    explicit CSetupDlg(SetupState& state) : m_state(state) {}
    virtual ~CSetupDlg() = default;

    // With the Start-menu check on: Homepage.html in the install folder when
    // it has none, then a fresh "Zorel" folder in the user's Programs folder
    // with Zorel.lnk, Homepage.lnk and Uninstall.lnk. COM must be started.
    void CreateShortcuts();
    // Deletes the "Zorel" folders of the user's and of all users' Programs.
    void RemoveStartMenuFolders();

protected:
    // The Programs folder of the Start menu (CSIDL_PROGRAMS or
    // CSIDL_COMMON_PROGRAMS); empty when there is none.
    virtual CString GetProgramsFolder(int csidl);

    SetupState& m_state;
};

// The Run value "Zorel Start" that starts the main program with Windows,
// written when the folder page's check is on. root and subkey name the key
// (the user's Run key by default).
extern const wchar_t* const kRunSubkey;
extern const wchar_t* const kRunValueName;
void WriteRunValue(const SetupState& state, HKEY root = HKEY_CURRENT_USER, const wchar_t* subkey = nullptr);

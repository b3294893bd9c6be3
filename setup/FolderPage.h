// The wizard's folder page: the base folder (proposed from an earlier
// installation or the Program Files drive, changed through the folder
// picker), the sub-folder, the hint whether this installs or updates, and
// the start-with-Windows and Start-menu checks.
#pragma once

#include "fw/Afx.h"
#include "fw/Dialog.h"
#include "setup/SetupLogic.h"
#include "setup/SetupState.h"
#include "ui/FontStatic.h"

class CFolderPage : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CFolderPage(SetupState& state) : m_state(state) {}

    // Reads the fields, rebuilds the install folder and shows the hint.
    void RefreshHint();
    // False, after telling the user, when the fields cannot be installed to.
    bool CheckFields();
    // Takes a folder the picker gave: a restricted one is refused with text
    // 709 and the previous folder stays.
    bool AcceptBaseFolder(const CString& folder);

    CString m_subFolder = L"Zorel";
    CString m_programFiles;
    CString m_windowsFolder;
    int m_windowsMajor = 6;
    // Where the page reads its environment from; tests give their own.
    std::function<SetupLogic::FolderInput()> m_environment;

protected:
    BOOL OnInitDialog() override;
    void OnBrowse();
    void OnSubFolderChange();
    void ReadFields();
    void ShowFields();
    // The registry's Run value and Program Files folder, the Windows folder
    // and version.
    SetupLogic::FolderInput ReadEnvironment();

    SetupState& m_state;
    CFontStatic m_hint;
    bool m_showing = false;
};

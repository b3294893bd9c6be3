// The copy step of the installer: closes a running main program, unpacks the
// install tree stored in the installer into the install folder, seeds the
// Korean anniversary file and copies the data of an older installation.
// The wizard's page window is built around it; the steps run without one.
#pragma once

#include "fw/Afx.h"
#include "setup/SetupState.h"

#include <functional>

class IRunningProgram;
class CProgressCtrlEx;

// Resources of the installer: the zip archive of the install tree and the
// default anniversary file of Korean installations.
const UINT IDR_SETUP_PAYLOAD = 148;
const UINT IDR_SETUP_ANNIVERSARY = 147;
// The wizard's Next button, which a finished copy presses.
const UINT IDC_SETUP_NEXT = 1001;

class CSetupProcessPage {
public:
    explicit CSetupProcessPage(SetupState& state);
    virtual ~CSetupProcessPage() = default;

    // The whole copy; true on success, after posting Next to the wizard.
    // The error step tells how far a failure got.
    bool Install();
    // Install, with an exception from any step counted as failure: the
    // error step gets kErrorStepException added.
    bool InstallCatching();

    bool CloseRunningProgram();
    // Unpacks every entry; false when any entry could not be read or written.
    bool ExtractPayload();
    // True when data was copied from an older installation.
    bool MigrateOldData();
    // The current item and the percentage, shown at once.
    void SetProgress(const CString& text, int percent);

    // Where the resources come from (the installer itself by default).
    HMODULE m_resourceModule;
    UINT m_payloadId = IDR_SETUP_PAYLOAD;
    IRunningProgram* m_program;  // the real one by default
    HWND m_wizard = nullptr;     // gets Next when the copy is done
    HWND m_owner = nullptr;      // of the message box
    // The page's controls, when it has a window.
    HWND m_statusWnd = nullptr;    // 1006, the current item
    HWND m_copyTextWnd = nullptr;  // 1007, "Copying files..."
    CProgressCtrlEx* m_progressBar = nullptr;
    // Told about every progress step (the page shows it; tests record it).
    std::function<void(const CString& text, int percent)> m_onProgress;

    const CString& ProgressText() const { return m_progressText; }
    int ProgressPercent() const { return m_progressPercent; }

protected:
    // The registry's Program Files folder and the user's documents folder,
    // the places an older version kept its data.
    virtual CString ReadProgramFilesDir();
    virtual CString ReadDocumentsFolder();

private:
    CString Text(int id) const;

    SetupState& m_state;
    CString m_progressText;
    int m_progressPercent = 0;
};

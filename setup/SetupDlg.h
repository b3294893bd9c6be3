// The installer's wizard: a frame with a white header (title and subtitle)
// that shows its pages in turn: licence, folder, copy, finish. Its finish
// step leaves the Start-menu folder with its shortcuts, the redirect page
// and the Run value.
#pragma once

#include "fw/Afx.h"
#include "fw/Dialog.h"
#include "setup/FinishPage.h"
#include "setup/FolderPage.h"
#include "setup/LicensePage.h"
#include "setup/ProgressCtrlEx.h"
#include "setup/SetupProcessPage.h"
#include "setup/SetupState.h"
#include "ui/FontStatic.h"

class CSetupDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { PAGE_LICENSE = 0, PAGE_FOLDER = 1, PAGE_COPY = 2, PAGE_FINISH = 3 };

    explicit CSetupDlg(SetupState& state, CWnd* parent = nullptr);
    ~CSetupDlg() override = default;

    // Shows the page (0-3) and sets the header and the buttons for it; the
    // copy page runs the copy.
    void SetPage(int page);
    int GetPage() const { return m_page; }
    // Next (1001): the next page; on the finish page, the finish step once.
    void OnNext();
    // Back (1000): the previous page.
    void OnBack();
    // Cancel, Escape, the close box: asks before the wizard ends, where a
    // cancel is possible at all.
    void OnCancel() override;

    // With the Start-menu check on: Homepage.html in the install folder when
    // it has none, then a fresh "Zorel" folder in the user's Programs folder
    // with Zorel.lnk, Homepage.lnk and Uninstall.lnk. COM must be started.
    void CreateShortcuts();
    // Deletes the "Zorel" folders of the user's and of all users' Programs.
    void RemoveStartMenuFolders();

    // How often the finish step ran (once at most).
    int FinishStepRuns() const { return m_finishRuns; }
    bool CopySucceeded() const { return m_copySucceeded; }

    CLicensePage m_license;
    CFolderPage m_folder;
    CDialog m_copy;
    CFinishPage m_finish;
    CSetupProcessPage m_process;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnPaint();
    // The Programs folder of the Start menu (CSIDL_PROGRAMS or
    // CSIDL_COMMON_PROGRAMS); empty when there is none.
    virtual CString GetProgramsFolder(int csidl);
    // The seams of the finish step: whether GDI+ can be loaded, the note that
    // it is missing, and starting the installed program.
    virtual bool IsGdiplusPresent();
    virtual void ShowGdiplusMissing();
    virtual void StartProgram(const CString& path);
    // The Run value, when the folder page asked for it.
    virtual void WriteRunEntry();

    void SetHeader(int titleId, const CString& subtitle);
    void EnableButton(int id, bool enable);
    CString Text(int id) const;

    SetupState& m_state;
    CFontStatic m_title;
    CFontStatic m_subtitle;
    CProgressCtrlEx m_progress;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    int m_page = -1;
    bool m_copySucceeded = false;
    int m_finishRuns = 0;
};

// The Run value "Zorel Start" that starts the main program with Windows,
// written when the folder page's check is on. root and subkey name the key
// (the user's Run key by default).
extern const wchar_t* const kRunSubkey;
extern const wchar_t* const kRunValueName;
void WriteRunValue(const SetupState& state, HKEY root = HKEY_CURRENT_USER, const wchar_t* subkey = nullptr);

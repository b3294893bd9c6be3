// CPwdManagerDlg: the vault window. It lists the entries of the vault
// opened with the master password, copies IDs and passwords to the
// clipboard, opens sites, adds, edits and deletes entries (saving the vault
// after each), changes the master password and closes itself when its
// countdown runs out. After a copy it shrinks to a small view with the two
// copy buttons; maximising brings the full view back.
#pragma once

#include "fw/AfxWin.h"
#include "tools/PwdAddDlg.h"
#include "tools/PwdInfo.h"
#include "tools/PwdRules.h"
#include "tools/PwdSetupDlg.h"
#include "tools/PwdVault.h"
#include "ui/ButtonEx.h"
#include "ui/IconListBox.h"
#include "ui/StaticCounter.h"
#include "ui/StaticEx.h"

#include <functional>
#include <vector>

class CPwdManagerDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { TIMER_COUNTDOWN = 1, TIMER_NOTICE = 2, NOTICE_MS = 4500 };
    static const int kCompactWidth = 156;
    static const int kCompactHeight = 123;

    // The vault lies in "pmanager_data\" of the program folder; HistoryLevel
    // and PMCountDown come from the settings.
    CPwdManagerDlg(const CString& password, CWnd* parent = nullptr);
    ~CPwdManagerDlg() override;

    // Creates the modeless window from its template and shows it.
    BOOL Create(CWnd* parent);

    // ---- The vault file ----
    // Reads the entries (none when the file is missing or another).
    void LoadVault();
    // Writes the entries under the master password, history copy first.
    // False (text 10111 shown) when the file could not be written; the
    // entries stay in memory.
    bool SaveVault();
    // The cipher text of the entries, into the archive; false when a record
    // or the encryption failed (nothing is written then).
    bool EncryptRecords(CArchive& ar);
    // Appends count records read from the cipher text; false when it did not
    // decrypt or a record failed (the records before it are kept).
    bool DecryptRecords(UINT32 count, const BYTE* cipher, size_t length);

    // ---- What the controls do ----
    void FillList();
    void ShowEntry(int index, bool select);
    // 1474 the ID, 1473 the password.
    void CopyField(int button);
    void OpenSite();
    void AddEntry();
    void EditEntry();
    void DeleteEntry();
    void ChangeMasterPassword();
    void RestartCountdown();
    void ShowCompactView();
    void ShowFullView();

    // ---- State, read by the frame and by tests ----
    const std::vector<CPwdInfo>& GetEntries() const { return m_entries; }
    const CString& GetPassword() const { return m_szPassword; }
    bool IsCompact() const { return m_bCompact; }
    bool IsClipboardUsed() const { return m_bClipboardUsed; }
    bool IsHeld() const { return m_bHeld; }
    const PwdRules::CCountdown& GetCountdown() const { return m_countdown; }
    int GetSelection() const;
    COLORREF GetCounterColor() const { return m_counter.m_crLit; }

    // The vault file; tests point it elsewhere and set its clock.
    CPwdVault m_vault;
    // The frame's closer (it destroys and deletes this window); without one
    // the window destroys itself.
    std::function<void()> m_fnClose;
    // The main frame's action runner and the settings save.
    std::function<bool(const CString&)> m_fnRunAction;
    std::function<void()> m_fnSaveSettings;
    // The modal dialogs the window opens; tests answer them in their place.
    std::function<INT_PTR(CPwdAddDlg&)> m_fnRunAddDialog;
    std::function<INT_PTR(CPwdSetupDlg&)> m_fnRunSetupDialog;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnCancel() override;

    void OnTimer(UINT_PTR id);
    void OnSysCommand(UINT id, LPARAM lParam);

protected:
    void OnDestroy();
    void OnSelChange();
    void OnListDoubleClick();
    void OnCopyId() { CopyField(IDC_COPY_ID_BUTTON); }
    void OnCopyPassword() { CopyField(IDC_COPY_PASSWORD_BUTTON); }

private:
    enum { IDC_COPY_ID_BUTTON = 1474, IDC_COPY_PASSWORD_BUTTON = 1473 };
    void RequestClose();
    void ShowCounter();
    void ApplyCounterColors();
    void StartCountdownTimer();
    // Runs a modal step with the countdown paused, then starts it again
    // from the full time.
    void Paused(const std::function<void()>& step);
    void EnableEntryButtons(const CPwdInfo* entry);

    CString m_szPassword;
    std::vector<CPwdInfo> m_entries;
    PwdRules::CCountdown m_countdown;
    bool m_bClipboardUsed = false;
    DWORD m_clipboardMark = 0;
    bool m_bCompact = false;
    bool m_bHeld = false;

    CIconListBox m_list;
    CStaticCounter m_counter;
    CStaticEx m_notice;
    CStaticEx m_titleLabel;
    CStaticEx m_passwordLabel;
    CStaticEx m_urlLabel;
    CButtonEx m_changeMaster;
    CButtonEx m_restart;
    CFont m_boldFont;

    // The full view, kept while the compact view is up.
    CRect m_fullWindow;
    CRect m_fullRects[4];
    std::vector<HWND> m_hiddenForCompact;
};

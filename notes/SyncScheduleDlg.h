// CSyncScheduleDlg: the list of received schedule and anniversary files
// waiting in the program folder's "system\sync\", with their receive time
// and kind. The user applies one (the main window replaces or imports the
// data), deletes one or deletes them all; two buttons forward the main
// window's restore commands. The main window owns at most one and destroys
// it when Close is pressed.
#pragma once

#include "fw/AfxWin.h"
#include "net/SyncFile.h"
#include "ui/ColorButton.h"
#include "ui/IconListBox.h"

#include <functional>
#include <vector>

class CSyncScheduleDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum {
        IDD = 1092, IDC_HEADING = 1448, IDC_LIST = 1249, IDC_SYNCHRONIZE = 1447, IDC_DELETE = 1066,
        IDC_DELETE_ALL = 1067, IDC_RESTORE_SCHEDULE = 32883, IDC_RESTORE_ANNIVERSARY = 32884
    };
    // The main window's commands the restore buttons post.
    enum { ID_RESTORE_SCHEDULE = 32883, ID_RESTORE_ANNIVERSARY = 32887 };

    // mode 1: opened because a file arrived; any other: opened by the user.
    // syncFolder ends with a backslash.
    CSyncScheduleDlg(CWnd* mainWindow, int mode, const CString& syncFolder);

    // Hands a file to the main window to apply (kind, full path).
    std::function<bool(int kind, const CString& path)> onApply;
    // Close pressed: the main window lets go of the dialog and calls
    // DestroyAndDelete (without it the window destroys itself).
    std::function<void()> onClose;
    // Destroys the window; the object goes with its last message.
    void DestroyAndDelete();

    // Makes the window hidden; the caller shows it without activating it.
    BOOL CreateModeless();
    void FillSyncList();
    void OnSynchronize();
    void OnDeleteFile();
    void OnDeleteAll();

    int GetMode() const { return m_mode; }
    const std::vector<SyncListRow>& Rows() const { return m_rows; }
    CIconListBox& List() { return m_list; }

    // The title while the user opened the list.
    static const int kUserTitleText = 39850;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    void PostNcDestroy() override;
    void OnRestoreSchedule();
    void OnRestoreAnniversary();
    bool Ask(const CString& text);
    // The selected row, or -1.
    int SelectedRow() const;

    bool m_autoDelete = false;
    CWnd* m_mainWindow;
    int m_mode;
    CString m_folder;
    std::vector<SyncListRow> m_rows;
    CIconListBox m_list;
    CColorButton m_synchronize, m_delete, m_deleteAll;
};

// The bare names of the "*.sync" files in the folder, in the order the
// search gives them.
std::vector<CString> FindSyncFileNames(const CString& folder);

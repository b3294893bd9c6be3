// CAlarmSetDlg: the schedule manager, a modeless window listing every alarm
// of the program's store in a grid, with buttons to add, edit and delete
// alarms, tick them as done and clear the overdue or ticked ones. It keeps
// no alarms of its own: every change goes to the store through the host.
// Ticks are saved when the window is closed; everything else at once.
#pragma once

#include "fw/AfxWin.h"
#include "fw/ImageList.h"
#include "notes/AlarmDlgHost.h"
#include "ui/GridCtrl.h"

#include <memory>

class CAlarmSetDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = 193, IDC_GRID_PLACE = 1129, IDC_ADD = 1064, IDC_EDIT = 1065, IDC_DELETE = 1066,
           IDC_DELETE_OVERDUE = 1081, IDC_DELETE_CHECKED = 1082 };
    enum { DoneColumn = 3 };

    explicit CAlarmSetDlg(IAlarmDlgHost& host, CWnd* parent = nullptr);
    ~CAlarmSetDlg() override;

    BOOL CreateModeless(CWnd* parent);
    // The rows again from the store.
    void RefreshList();
    // Raised and made the foreground window, where it stands.
    void BringToFront();

    CGridCtrl* GetGrid() { return m_pGrid.get(); }
    bool IsChanged() const { return m_changed; }
    // Selects a data row (1 is the first alarm), as a click would.
    void SelectRow(int row);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnDeleteOverdue();
    void OnDeleteChecked();
    // A click on a cell; one on the done column of a data row ticks it.
    void OnCellClicked(int row, int column);

protected:
    LRESULT OnGridClick(WPARAM wParam, LPARAM lParam);
    LRESULT OnGridDoubleClick(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

private:
    // The array index of the selected data row; -1 when none.
    int SelectedIndex();
    void Close();

    IAlarmDlgHost& m_host;
    std::unique_ptr<CGridCtrl> m_pGrid;
    CImageList m_images;
    bool m_changed = false;
};

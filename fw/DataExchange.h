// CDataExchange and the DDX_/DDV_ functions: DoDataExchange moves values
// between a dialog's members and its controls, in the direction
// m_bSaveAndValidate says. A value that cannot be taken puts the focus on
// its control and ends the exchange; UpdateData then returns FALSE.
#pragma once

#include "StringT.h"
#include "Time.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control's handle; also remembers it for the DDV_ call that follows.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id) { return PrepareCtrl(id); }
    // Focuses the last control and ends the exchange.
    [[noreturn]] void Fail();
    HWND GetLastControl() const { return m_lastControl; }

    struct Failure {};

private:
    HWND m_lastControl = nullptr;
};

void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
void DDX_Text(CDataExchange* dx, int id, DWORD& value);
void DDX_Text(CDataExchange* dx, int id, double& value);
// A check box: 0 clear, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* dx, int id, int& value);
// The group of radio buttons that starts at id: the index of the checked
// one, or -1 when none is.
void DDX_Radio(CDataExchange* dx, int id, int& value);
// Binds the control to the object (once) so that its messages reach it.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_CBStringExact(CDataExchange* dx, int id, CString& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDX_LBString(CDataExchange* dx, int id, CString& value);
void DDX_Slider(CDataExchange* dx, int id, int& value);
void DDX_DateTimeCtrl(CDataExchange* dx, int id, CTime& value);
void DDX_DateTimeCtrl(CDataExchange* dx, int id, SYSTEMTIME& value);
void DDX_MonthCalCtrl(CDataExchange* dx, int id, CTime& value);

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);
void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue);

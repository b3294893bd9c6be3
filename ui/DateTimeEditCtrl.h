// CDateTimeEditCtrl: a date field with the programming interface of the
// system's date-time picker (its DTM_ messages and DTN_ notifications) that
// the user sees as a plain edit box with a drop-down button: Up and Down
// count the day, month or year under the caret, F4 or the button opens a
// month calendar.
#pragma once

#include "ui/ControlBase.h"
#include "ui/DateFieldLogic.h"

#include <commctrl.h>

#include <memory>

class CDateTimeEditCtrl : public CControlBase {
    DECLARE_MESSAGE_MAP()
public:
    // The edit box (child id 1).
    class CDateTimeEditCtrlEditCtrl : public CControlBase {
        DECLARE_MESSAGE_MAP()
    public:
        explicit CDateTimeEditCtrlEditCtrl(CDateTimeEditCtrl* owner);
        BOOL m_bSpin = TRUE;

    protected:
        void OnKeyDown(UINT ch, UINT repeat, UINT flags);
        void OnChar(UINT ch, UINT repeat, UINT flags);
        void OnSettingChange(UINT flags, LPCTSTR section);

    private:
        CDateTimeEditCtrl* m_pOwner;
    };

    // The drop-down button (child id 2).
    class CDateTimeEditCtrlButton : public CControlBase {
        DECLARE_MESSAGE_MAP()
    public:
        explicit CDateTimeEditCtrlButton(CDateTimeEditCtrl* owner) : m_pOwner(owner) {}

    protected:
        void OnKeyDown(UINT ch, UINT repeat, UINT flags);
        void OnLButtonDown(UINT flags, CPoint point);
        void OnLButtonUp(UINT flags, CPoint point);
        void DrawItem(LPDRAWITEMSTRUCT dis);
        BOOL OnEraseBkgnd(CDC* dc);

    private:
        void DropDefaultLook();
        CDateTimeEditCtrl* m_pOwner;
    };

    // The month calendar inside the drop-down (id 3): it keeps the mouse.
    class CDateTimeEditCtrlMonthCalCtrl : public CControlBase {
        DECLARE_MESSAGE_MAP()
    public:
        explicit CDateTimeEditCtrlMonthCalCtrl(CDateTimeEditCtrl* owner) : m_pOwner(owner) {}

    protected:
        void OnLButtonDown(UINT flags, CPoint point);
        void OnRButtonDown(UINT flags, CPoint point);
        void OnLButtonUp(UINT flags, CPoint point);
        void OnRButtonUp(UINT flags, CPoint point);
        void OnKeyDown(UINT ch, UINT repeat, UINT flags);

    private:
        bool PressOutside(CPoint point);
        CDateTimeEditCtrl* m_pOwner;
    };

    // The drop-down window (id 4) holding the calendar.
    class CDateTimeEditCtrlCalendarWnd : public CControlBase {
        DECLARE_MESSAGE_MAP()
    public:
        explicit CDateTimeEditCtrlCalendarWnd(CDateTimeEditCtrl* owner) : m_pOwner(owner), m_calendar(owner) {}
        ~CDateTimeEditCtrlCalendarWnd() override;
        BOOL Open(const CRect& below);
        CDateTimeEditCtrlMonthCalCtrl& Calendar() { return m_calendar; }

    protected:
        void OnDestroy();
        void OnActivateApp(BOOL active, DWORD threadId);
        void OnSelChange(NMHDR* nm, LRESULT* result);
        void OnSelect(NMHDR* nm, LRESULT* result);
        void OnGetDayState(NMHDR* nm, LRESULT* result);

    private:
        CDateTimeEditCtrl* m_pOwner;
        CDateTimeEditCtrlMonthCalCtrl m_calendar;
    };

    CDateTimeEditCtrl();
    ~CDateTimeEditCtrl() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int SetButtonBitmap(UINT enabledId, UINT disabledId = 0);
    DWORD GetTime(SYSTEMTIME* time);
    BOOL IsValidDateText(LPCTSTR text = nullptr);
    CWnd* GetEditBox() { return m_pEdit.get(); }
    CWnd* GetButton() { return m_pButton.get(); }
    bool IsCalendarOpen() const { return m_pCalendarWnd != nullptr; }

    // The user's date separator and short date format, read from the
    // locale; tests and a setting change may set them.
    static void SetLocaleFormat(wchar_t separator, LPCTSTR picture);
    static void ReadLocaleFormat();
    static wchar_t DateSeparator();
    static CString ShortDateFormat();

    // Parses a text by the short date format.
    static bool ParseDate(const CString& text, SYSTEMTIME* date);
    static CString FormatDate(const SYSTEMTIME& date);

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnSetFocus(CWnd* old);
    void OnEnable(BOOL enable);
    void OnDestroy();
    LRESULT OnThemeChanged();
    void OnCancelMode();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT OnRecreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnCloseCalendar(WPARAM wParam, LPARAM lParam);

public:
    // Sends DTN_DATETIMECHANGE for the current text.
    void NotifyChange();
    void ToggleCalendar();
    void CloseCalendar(bool cancel);
    void SelectionFromCalendar(const SYSTEMTIME& day, bool final);
    // The edit box's arrow-key step (step 8 clamps to the range).
    void StepField(bool up);

private:
    void Notify(UINT code, NMHDR* header, size_t size);
    void OpenCalendar();
    void SetReadOnly(bool on);
    void ApplyButtonBitmap();
    static bool IsThemed();
    void SetText(const CString& text);
    CString GetText() const;

    enum DateStatus { DateValid, DateInvalid, DateNull };
    DateStatus m_nStatus = DateNull;
    SYSTEMTIME m_date = {};
    std::unique_ptr<CDateTimeEditCtrlEditCtrl> m_pEdit;
    std::unique_ptr<CDateTimeEditCtrlButton> m_pButton;
    UINT m_nBitmapEnabled = 0, m_nBitmapDisabled = 0;
    HBITMAP m_hButtonBitmap = nullptr;
    BOOL m_bReadOnly = FALSE, m_bDisabled = FALSE, m_bRightAlign = FALSE;
    CDateTimeEditCtrlCalendarWnd* m_pCalendarWnd = nullptr;
    CString m_strSavedText;
    BOOL m_bCreatedByCode = FALSE;
    std::unique_ptr<SYSTEMTIME> m_pMinDate, m_pMaxDate;
    HFONT m_hCalendarFont = nullptr;
    COLORREF m_crCalendar[6];
    HFONT m_hMarlett = nullptr;
    bool m_bRecreating = false;
    bool m_bDrawArrow = false;
    friend class CDateTimeEditCtrlEditCtrl;
};

// CCalendarPage: the sheet's "Calendar" tab (NT platforms only). The desktop
// calendar's skin, transparency, level, hiding and start, the anniversary
// alarm, the day-schedule window's start and list options, two hot keys, and
// the calendar's anniversaries in a grid with Add, Edit and Delete. The grid
// edits the anniversary file at once, whatever becomes of the sheet.
#pragma once

#include "app/SettingsPage.h"
#include "calendar/DayInfo.h"
#include "fw/ImageList.h"
#include "ui/HotKeyBtn.h"

#include <memory>
#include <vector>

class CGridCtrl;
class ICalendarPageTarget;

class CCalendarPage : public CSettingsPage {
    DECLARE_MESSAGE_MAP()
public:
    explicit CCalendarPage(CSetupMemo& sheet);
    ~CCalendarPage() override;

    void Apply() override;
    void SetDefaults() override;
    void ApplyTexts() override;
    BOOL OnInitDialog() override;

    // Writes one grid row per anniversary of the calendar; nothing without
    // a calendar.
    void FillAnniversaryList();

    // The grid's picture of an anniversary: solar 0, lunar 2, leap month 4,
    // one more for a holiday.
    static int AnniversaryImage(const CDayInfo& info);
    // The grid's date text, from the text table's pattern.
    static CString AnniversaryDateText(int month, int day);

    // The fields, as the controls last showed them.
    int m_nTransVal = 255;
    int m_nAutoStart = 1;
    int m_nMouseOverHiding = 0;
    int m_nZPosition = 0;
    int m_nMemorialDayCheck = 1;
    int m_nAlertType = 0;
    int m_nStartMode = 2;
    int m_nSortByTime = 1;
    int m_nShowDDay = 1;
    int m_nShowChecked = 1;

    CGridCtrl* GetGrid() const { return m_pGrid.get(); }
    const std::vector<CString>& GetSkins() const { return m_skins; }

protected:
    void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    void OnSkinChanged();
    void OnMemorialCheck();
    void OnAdd();
    void OnEdit();
    void OnDelete();
    LRESULT OnGridDoubleClick(WPARAM, LPARAM);

private:
    void ReadControls();
    void UpdateControls();
    void CreateGrid();
    // The record index under the grid's focus row, -1 when there is none or
    // the calendar has no anniversary at that index.
    int FocusRecord();
    ICalendarPageTarget* Calendar();

    std::vector<CString> m_skins;
    CHotKeyBtn m_hotKey;
    CHotKeyBtn m_scheduleHotKey;
    CImageList m_images;
    std::unique_ptr<CGridCtrl> m_pGrid;
};

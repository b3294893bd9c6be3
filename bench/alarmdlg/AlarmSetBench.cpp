// The schedule manager's list over 20000 alarms of every kind: rebuilding
// the rows from the store (CAlarmSetDlg::RefreshList) against filling the
// same grid with the same number of fixed texts, images and item data, in
// alternating rounds so that a busy machine slows both sides alike. The
// ratio is the price of reading and formatting the alarms.
#include "BenchSupport.h"
#include "ProgramFolderSetup.h"
#include "ScratchFolder.h"
#include "notes/AlarmSetDlg.h"

#include <cstdio>
#include <vector>

namespace {
class CBenchHost : public IAlarmDlgHost, public IStoreHost {
public:
    explicit CBenchHost(const CString& folder) : store(*this, folder) {}
    SYSTEMTIME Now() override {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return now;
    }
    CString MemoFolder() override { return CString(); }
    CString NoteFontFace() override { return L"Tahoma"; }
    void PlaySoundFile(const CString&) override {}
    void FlashNote(const CString&) override {}
    void OpenScheduleManager() override {}
    CAlarmStore& Alarms() override { return store; }
    bool SaveAlarms() override { return true; }
    void OnAlarmsChanged() override {}
    void ResetLastMinuteKey() override {}
    void RedrawCalendar() override {}
    int RunAlarmDialog(const CAlarmInfo*, const CString&, CAlarmInfo&) override { return IDCANCEL; }
    void ReportSaveFailure(const CString&) override {}
    void ShowMessage(const CString&) override {}
    void OfferMemoRestore() override {}
    CAlarmStore store;
};

void FillStore(CAlarmStore& store, int count) {
    for (int i = 0; i < count; ++i) {
        CAlarmInfo a;
        a.m_nKind = i % 8;
        a.m_nYear = 2014, a.m_nMonth = 1 + i % 12, a.m_nDay = 1 + i % 28;
        a.m_nHour = i % 24, a.m_nMinute = i % 60;
        a.m_nDayValue = a.m_nKind == 3 ? 1 + i % 127 : a.m_nKind == 5 ? 1 + i % 32 : 2 + i % 9;
        a.m_nEndDate = MakeDateCode(2015, 1 + i % 12, 1 + i % 28);
        a.m_nWeekMonth = (BYTE)(i % 13), a.m_nWeekNumber = (BYTE)(i % 5), a.m_nWeekDay = (BYTE)(i % 7);
        a.m_nTimeMode = i % 5 == 0 ? 2 : 0;
        a.m_bDone = (BYTE)(i % 3 == 0);
        a.m_strContents.Format(L"Schedule %d\r\nsecond line of %d", i, i);
        store.AddAlarm(a);
    }
}

void FillFixed(CGridCtrl& grid, int count) {
    grid.m_bAllowDraw = FALSE;
    grid.SetRowCount(1);
    grid.SetRowCount(count + 1);
    for (int row = 1; row <= count; ++row) {
        grid.SetItemText(row, 0, L"Specific Day (2014/03/05)");
        grid.SetItemImage(row, 0, 2);
        grid.SetItemText(row, 1, L"08(h) 30(m)");
        grid.SetItemText(row, 2, L"Schedule/second line");
        grid.SetItemImage(row, 3, 16);
        for (int c = 0; c < 4; ++c) grid.SetItemData(row, c, (LPARAM)(row - 1));
    }
    grid.m_bAllowDraw = TRUE;
    grid.ResetScrollBars();
    grid.Invalidate(FALSE);
}
}  // namespace

int wmain() {
    const int kAlarms = 20000, kRounds = 9;
    CScratchFolder folder(L"bench-alarmdlg");
    UseAsProgramFolder(folder);
    CBenchHost host(folder.Path());
    FillStore(host.store, kAlarms);
    CAlarmSetDlg manager(host);
    if (!manager.CreateModeless(nullptr) || !manager.GetGrid()) {
        wprintf(L"the schedule manager could not be made\n");
        return 1;
    }
    std::vector<double> refresh, fixed;
    for (int r = 0; r < kRounds; ++r) {
        double t0 = NowMs();
        manager.RefreshList();
        double t1 = NowMs();
        FillFixed(*manager.GetGrid(), kAlarms);
        double t2 = NowMs();
        refresh.push_back(t1 - t0);
        fixed.push_back(t2 - t1);
    }
    manager.DestroyWindow();
    double a = Median(refresh), b = Median(fixed);
    wprintf(L"schedule manager list of %d alarms, median of %d rounds\n", kAlarms, kRounds);
    wprintf(L"  RefreshList from the store:       %8.1f ms\n", a);
    wprintf(L"  baseline, fixed cells filled:     %8.1f ms\n", b);
    wprintf(L"  ratio RefreshList / baseline:     %8.2f\n", b > 0 ? a / b : 0.0);
    return 0;
}

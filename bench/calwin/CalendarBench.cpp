// One redraw of a three-month calendar skin (its three calendar meters, each
// updated and drawn into an off-screen back buffer) with 500 anniversaries
// and 20000 alarms marking the days, against plain GDI+ drawing of the same
// day numbers from the same digit strip measured beside it.
#include "BenchSupport.h"

#include "calendar/AlarmInfo.h"
#include "calendar/DayMarks.h"
#include "notes/AlarmCalendar.h"
#include "shell/Settings.h"
#include "widgets/MeterCalendar.h"
#include "widgets/MeterFactory.h"
#include "widgets/SkinHost.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

const int kRounds = 20;
const int kAnniversaries = 500, kAlarms = 20000;
const int kDigitW = 9, kDigitH = 16, kStepX = 28, kStepY = 26;

class BenchHost : public ISkinHost {
public:
    BenchHost() : buffer(new Gdiplus::Bitmap(612, 204, PixelFormat32bppPARGB)) {}
    Gdiplus::Bitmap* GetBackBuffer() override { return buffer.get(); }
    int ExecuteCommand(const CString&) override { return 0; }
    bool LoadBackgroundFile(const CString&) override { return false; }
    void RefreshWindow() override {}
    CString GetSkinFile() const override { return skinFile; }
    std::unique_ptr<Gdiplus::Bitmap> buffer;
    CString skinFile;
};

void SavePng(Gdiplus::Bitmap& bitmap, const CString& path) {
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i)
        if (wcscmp(codecs[i].MimeType, L"image/png") == 0) bitmap.Save(path, &codecs[i].Clsid, nullptr);
}

// A strip of cells w x h, each of its own colour.
void WriteStrip(const CString& path, int cells, int w, int h) {
    Gdiplus::Bitmap bitmap(cells * w, h, PixelFormat32bppARGB);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < cells * w; ++x)
            bitmap.SetPixel(x, y, Gdiplus::Color(255, (BYTE)(x / w * 20), (BYTE)(y * 12), 90));
    SavePng(bitmap, path);
}

CArray<CAlarmInfo> g_alarms;
void MarkAlarms(int year, int month) {
    CAlarmCalendar::MarkCalendarAlarms(g_alarms, year, month, CalendarKindOptions(), g_MonthDayMarks);
}
void MarkRanges(int year, int month) { CAlarmCalendar::MarkCalendarAlarmRanges(g_alarms, year, month, g_RangeDayMarks); }
CString AlarmText(int year, int month, int day) {
    return CAlarmCalendar::GetDayAlarmText(g_alarms, year, month, day, CalendarKindOptions());
}

void FillAlarms() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    for (int i = 0; i < kAlarms; ++i) {
        CAlarmInfo alarm;
        alarm.m_bEnabled = 1;
        alarm.m_nKind = 2 + i % 4;  // a date, weekdays, a period, a day of the month
        alarm.m_nYear = now.wYear;
        alarm.m_nMonth = 1 + i % 12;
        alarm.m_nDay = 1 + i % 28;
        alarm.m_nDayValue = alarm.m_nKind == 3 ? 1 << (i % 7) : 1 + i % 28;
        alarm.m_nEndDate = MakeDateCode(now.wYear, alarm.m_nMonth, std::min(28, alarm.m_nDay + 5));
        alarm.m_nIcon = 1 + i % 24;
        alarm.m_strContents.Format(L"Alarm %d", i);
        g_alarms.Add(alarm);
    }
}

void FillAnniversaries(CArray<CDayInfo>& list) {
    for (int i = 0; i < kAnniversaries; ++i) {
        CDayInfo day;
        day.m_nMonth = 1 + i % 12;
        day.m_nDay = 1 + i % 29;
        day.m_bLunar = i % 3 == 0;
        day.m_bHoliday = i % 10 == 0;
        day.m_nIcon = 1 + i % 24;
        day.m_strText.Format(L"Anniversary %d", i);
        list.Add(day);
        MarkSolarAnniversary(day);
    }
}

CString Num(int n) {
    CString text;
    text.Format(L"%d", n);
    return text;
}

std::unique_ptr<CMeter> MakeCalendar(BenchHost& host, int x, int offset, bool labels) {
    std::unique_ptr<CMeter> meter(CreateMeter(L"CALENDAR", &host));
    CInfoSection section(L"M");
    const std::pair<const wchar_t*, CString> keys[] = {
        {L"X", Num(x)}, {L"Y", L"50"}, {L"Offset", Num(offset)},
        {L"DAY_W", L"9"}, {L"DAY_H", L"16"}, {L"SPACE_W", L"10"}, {L"SPACE_H", L"10"},
        {L"SunImageName", L"digits.png"}, {L"SatImageName", L"digits.png"}, {L"NormalImageName", L"digits.png"},
        {L"DayInfoFrame", L"icons.png"}, {L"InfoW", L"24"}, {L"InfoH", L"24"}, {L"InfoNextShiftX", L"6"},
        {L"PeriodFrame", L"period.png"}, {L"PeriodW", L"28"}, {L"PeriodH", L"4"}, {L"PeriodShiftY", L"18"},
        {L"TodayMarkImage", L"today.png"}, {L"MarkW", L"26"}, {L"MarkH", L"22"},
        {L"YearImageName", L"digits.png"}, {L"YEAR_W", L"9"}, {L"YEAR_H", L"16"}, {L"MonthFrameImage", L"months.png"},
        {L"MONTH_W", L"96"}, {L"MONTH_H", L"18"}, {L"DayInfoText", labels ? L"1" : L"0"}, {L"ScheduleText", L"1"},
        {L"InfoTextW", L"60"}, {L"InfoTextH", L"12"}, {L"FontColor", L"Default"},
    };
    for (const auto& kv : keys) section.SetValue(kv.first, kv.second);
    meter->ReadConfig(section);
    meter->Initialize();
    return meter;
}

}  // namespace

int wmain() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        CString folder = CString(temp) + L"zorel-calendar-bench\\";
        ::CreateDirectoryW(folder, nullptr);
        WriteStrip(folder + L"digits.png", 10, kDigitW, kDigitH);
        WriteStrip(folder + L"icons.png", 24, 24, 24);
        WriteStrip(folder + L"period.png", 3, kStepX, 4);
        WriteStrip(folder + L"today.png", 1, 26, 22);
        WriteStrip(folder + L"months.png", 1, 96, 18 * 12);

        BenchHost host;
        host.skinFile = folder + L"calendar.xml";
        g_Settings.Calendar.Period = 1;
        FillAlarms();
        CArray<CDayInfo> anniversaries;
        FillAnniversaries(anniversaries);
        g_MarkCalendarAlarms = MarkAlarms;
        g_MarkCalendarAlarmRanges = MarkRanges;
        g_DayAlarmText = AlarmText;
        // As the default skin draws it (marks and icons, no day texts), and
        // with the day texts of anniversaries and alarms under every day.
        for (bool labels : {false, true}) {
            std::vector<std::unique_ptr<CMeter>> meters;
            for (int i = 0; i < 3; ++i) {
                meters.push_back(MakeCalendar(host, 10 + 204 * i, i - 1, labels));
                static_cast<CMeterCalendar*>(meters.back().get())->LinkAnniversaries(&anniversaries);
            }

            Gdiplus::Image strip(folder + L"digits.png");
            std::vector<double> ours, plain;
            for (int round = 0; round < kRounds; ++round) {
                double start = NowMs();
                for (auto& meter : meters) {
                    meter->Update();
                    meter->Draw();
                }
                ours.push_back(NowMs() - start);

                start = NowMs();
                {
                    Gdiplus::Graphics graphics(host.buffer.get());
                    for (int month = 0; month < 3; ++month)
                        for (int day = 1; day <= 31; ++day) {
                            int x = 10 + 204 * month + ((day - 1) % 7) * kStepX, y = 50 + ((day - 1) / 7) * kStepY;
                            graphics.DrawImage(&strip, Gdiplus::Rect(x, y, kDigitW, kDigitH), (day / 10) * kDigitW, 0,
                                               kDigitW, kDigitH, Gdiplus::UnitPixel);
                            graphics.DrawImage(&strip, Gdiplus::Rect(x + kDigitW, y, kDigitW, kDigitH),
                                               (day % 10) * kDigitW, 0, kDigitW, kDigitH, Gdiplus::UnitPixel);
                        }
                }
                plain.push_back(NowMs() - start);
            }
            double a = Median(ours), b = Median(plain);
            printf("one redraw, 3 months, %d anniversaries, %d alarms, day texts %s: calendar %.2f ms   "
                   "plain GDI+ digits %.2f ms   ratio %.1f\n",
                   kAnniversaries, kAlarms, labels ? "on" : "off", a, b, a / b);
            fflush(stdout);
        }
        g_MarkCalendarAlarms = nullptr;
        g_MarkCalendarAlarmRanges = nullptr;
        g_DayAlarmText = nullptr;
    }
    Gdiplus::GdiplusShutdown(token);
    return 0;
}

// Applying a 20 KB weather feed and drawing the biorhythm chart. The feed is
// applied 1000 times against the XML parse of the same bytes alone, which
// the meter cannot do without; the chart is drawn 2000 times against plain
// GDI+ lines and dots through the same points, in one graphics object per
// round, measured beside it.
#include "BenchSupport.h"
#include "widgets/MeasureBiorhythm.h"
#include "widgets/MeterBiorhythm.h"
#include "widgets/MeterWeather.h"
#include "widgets/SkinHost.h"

#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

class BenchHost : public ISkinHost {
public:
    BenchHost() : buffer(new Gdiplus::Bitmap(240, 120, PixelFormat32bppPARGB)) {}
    Gdiplus::Bitmap* GetBackBuffer() override { return buffer.get(); }
    int ExecuteCommand(const CString&) override { return 0; }
    bool LoadBackgroundFile(const CString&) override { return false; }
    void RefreshWindow() override {}
    CString GetSkinFile() const override { return CString(); }
    std::unique_ptr<Gdiplus::Bitmap> buffer;
};

// A complete feed with as many forecast days as fit in 20 KB.
std::string MakeFeed() {
    std::string feed =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel>\n"
        "<yweather:location city=\"Seoul\" country=\"South Korea\"/>\n"
        "<yweather:atmosphere humidity=\"63\" visibility=\"9.99\" pressure=\"1015.9\"/>\n<item>\n"
        "<link>http://weather.example.com/forecast/KSXX0037.html</link>\n"
        "<yweather:condition text=\"Cloudy\" code=\"26\" temp=\"-3\" date=\"Fri, 11 Dec 2026 9:00 am KST\"/>\n";
    const std::string day =
        "<yweather:forecast day=\"Sat\" date=\"12 Dec 2026\" low=\"-9\" high=\"0\" text=\"Sunny\" code=\"32\"/>\n";
    const std::string end = "</item></channel></rss>\n";
    while (feed.size() + day.size() + end.size() <= (size_t)kWeatherFeedLimit) feed += day;
    return feed + end;
}

void Report(const char* name, double ours, double baseline, const char* baseName) {
    printf("%-28s %8.1f ms   %-16s %8.1f ms   ratio %.2f\n", name, ours, baseName, baseline, ours / baseline);
}

}  // namespace

int wmain() {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    {
        BenchHost host;
        const std::string feed = MakeFeed();
        CMeterWeather weather(&host);
        weather.ReadConfig(CInfoSection(L"W"));
        weather.Initialize();
        std::vector<double> ours, base;
        for (int run = 0; run < 5; ++run) {
            double t0 = NowMs();
            for (int i = 0; i < 1000; ++i) weather.ParseWeatherFeed(feed.data(), (int)feed.size());
            double t1 = NowMs();
            for (int i = 0; i < 1000; ++i) {
                TiXmlDocument document;
                document.Parse(feed.c_str());
            }
            double t2 = NowMs();
            ours.push_back(t1 - t0);
            base.push_back(t2 - t1);
        }
        printf("feed of %u bytes, busy after: %d\n", (unsigned)feed.size(), weather.IsBusy());
        Report("apply feed x1000", Median(ours), Median(base), "XML parse only");

        CMeterBiorhythm chart(&host);
        CInfoSection section(L"B");
        section.SetValue(L"W", L"200");
        section.SetValue(L"H", L"80");
        section.SetValue(L"HealthFormat", L"%.0f%%");
        chart.ReadConfig(section);
        chart.Initialize();
        CMeasureBiorhythm measure;
        measure.m_DaysLived = 12345;
        chart.SetMeasure(&measure);
        ours.clear();
        base.clear();
        for (int run = 0; run < 5; ++run) {
            double t0 = NowMs();
            for (int i = 0; i < 2000; ++i) chart.Draw();
            double t1 = NowMs();
            for (int i = 0; i < 2000; ++i) {
                Gdiplus::Graphics graphics(host.buffer.get());
                graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
                for (int c = 0; c < 3; ++c) {
                    CMeterBiorhythm::Point today;
                    auto points = chart.CurvePoints(c, measure.m_DaysLived, &today);
                    std::vector<Gdiplus::PointF> line;
                    for (const auto& p : points) line.emplace_back(p.x, p.y);
                    Gdiplus::Pen pen(Gdiplus::Color(255, 200, 0, 0), 2.0f);
                    graphics.DrawLines(&pen, line.data(), (INT)line.size());
                    Gdiplus::SolidBrush brush(Gdiplus::Color(255, 200, 0, 0));
                    graphics.FillEllipse(&brush, today.x - 3, today.y - 3, 6.0f, 6.0f);
                }
            }
            double t2 = NowMs();
            ours.push_back(t1 - t0);
            base.push_back(t2 - t1);
        }
        Report("biorhythm chart x2000", Median(ours), Median(base), "plain GDI+");
    }
    Gdiplus::GdiplusShutdown(token);
    return 0;
}

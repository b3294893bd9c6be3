// Drawing speed of the text meters: a STRING meter with an outline (eight
// shadow copies and the text) and a DATESTRING meter, each updated and drawn
// 10000 times into an off-screen back buffer. Beside them, measured in the
// same run: plain GDI+ drawing the same strings with one font made once (the
// baseline), and the same with the font made for every drawing, which is
// what the meters avoid by making their font once.
#include "BenchSupport.h"
#include "widgets/Meter.h"
#include "widgets/MeterFactory.h"
#include "widgets/MeterString.h"
#include "widgets/SkinHost.h"

#include "shell/LanguageTable.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cstdio>
#include <memory>

namespace {

const int kRounds = 10000;

class BenchHost : public ISkinHost {
public:
    BenchHost() : buffer(new Gdiplus::Bitmap(300, 100, PixelFormat32bppPARGB)) {}
    Gdiplus::Bitmap* GetBackBuffer() override { return buffer.get(); }
    int ExecuteCommand(const CString&) override { return 0; }
    bool LoadBackgroundFile(const CString&) override { return false; }
    void RefreshWindow() override {}
    CString GetSkinFile() const override { return CString(); }
    std::unique_ptr<Gdiplus::Bitmap> buffer;
};

std::unique_ptr<CMeter> Make(const wchar_t* type, ISkinHost* host,
                             std::initializer_list<std::pair<const wchar_t*, CString>> keys) {
    std::unique_ptr<CMeter> meter(CreateMeter(type, host));
    CInfoSection section(L"M");
    for (const auto& kv : keys) section.SetValue(kv.first, kv.second);
    meter->ReadConfig(section);
    meter->Initialize();
    return meter;
}

// Plain GDI+: the text copies at their offsets, with a font made once or
// made for every round.
void PlainRounds(Gdiplus::Bitmap* buffer, const CString& text, int copies, bool fontPerRound) {
    Gdiplus::FontFamily family(L"Tahoma");
    std::unique_ptr<Gdiplus::Font> shared(new Gdiplus::Font(&family, 11.0f, Gdiplus::FontStyleRegular,
                                                             Gdiplus::UnitPoint));
    Gdiplus::StringFormat format;
    format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip);
    Gdiplus::SolidBrush shadow(Gdiplus::Color(96, 255, 255, 255)), ink(Gdiplus::Color(255, 49, 116, 196));
    const int dx[9] = {1, -1, -1, 1, 0, 0, -1, 1, 0}, dy[9] = {1, -1, 1, -1, 1, -1, 0, 0, 0};
    for (int i = 0; i < kRounds; ++i) {
        std::unique_ptr<Gdiplus::Font> own;
        if (fontPerRound) {
            Gdiplus::FontFamily f(L"Tahoma");
            own.reset(new Gdiplus::Font(&f, 11.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint));
        }
        Gdiplus::Font* font = fontPerRound ? own.get() : shared.get();
        Gdiplus::Graphics g(buffer);
        g.SetTextRenderingHint(Gdiplus::TextRenderingHintSingleBitPerPixelGridFit);
        int first = 9 - copies;
        for (int c = first; c < 9; ++c) {
            Gdiplus::RectF r((float)(20 + dx[c]), (float)(20 + dy[c]), 180.0f, 20.0f);
            g.DrawString(text, text.GetLength(), font, r, &format, c == 8 ? &ink : &shadow);
        }
    }
}

void Report(const char* name, double ours, double baseline, double perRound) {
    printf("%-26s meter %8.1f ms   plain GDI+ %8.1f ms   ratio %.2f   (font made per draw %8.1f ms, ratio %.2f)\n",
           name, ours, baseline, ours / baseline, perRound, perRound / baseline);
}

}  // namespace

int wmain() {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    {
        BenchHost host;
        auto outlined = Make(L"STRING", &host,
                             {{L"Text", L"v3.1.1"}, {L"FontFace", L"Tahoma"}, {L"FontSize", L"11"}, {L"X", L"20"},
                              {L"Y", L"20"}, {L"W", L"180"}, {L"H", L"20"}, {L"OffsetX", L"101"},
                              {L"OffsetY", L"101"}, {L"ShadowColor", L"255,255,255,96"},
                              {L"FontColor", L"49,116,196,255"}});
        auto date = Make(L"DATESTRING", &host,
                         {{L"DateFormat", L"#SOL_LY#.#SOL_SM#.#SOL_D# #SOL_SWEEKDAY# #LUN_LM# #LUN_D#"},
                          {L"FontFace", L"Tahoma"}, {L"FontSize", L"11"}, {L"X", L"20"}, {L"Y", L"20"},
                          {L"W", L"180"}, {L"H", L"20"}, {L"FontColor", L"49,116,196,255"}});
        date->Update();
        CString dateText = static_cast<CMeterString*>(date.get())->GetDrawnText();

        const struct {
            const char* name;
            CMeter* meter;
            CString text;
            int copies;
        } cases[] = {{"STRING with an outline", outlined.get(), L"v3.1.1", 9},
                     {"DATESTRING", date.get(), dateText, 1}};
        for (const auto& c : cases) {
            double ours = 0, plain = 0, perRound = 0;
            for (int pass = 0; pass < 2; ++pass) {  // the first pass warms every side
                double t0 = NowMs();
                for (int i = 0; i < kRounds; ++i) {
                    c.meter->Update();
                    c.meter->Draw();
                }
                double t1 = NowMs();
                PlainRounds(host.buffer.get(), c.text, c.copies, false);
                double t2 = NowMs();
                PlainRounds(host.buffer.get(), c.text, c.copies, true);
                double t3 = NowMs();
                ours = t1 - t0, plain = t2 - t1, perRound = t3 - t2;
            }
            Report(c.name, ours, plain, perRound);
        }
    }
    Gdiplus::GdiplusShutdown(token);
    return 0;
}

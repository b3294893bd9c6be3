#include "MeterTestSupport.h"

const DWORD kCell[12] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF,
                         0xFF800000, 0xFF008000, 0xFF000080, 0xFF808000, 0xFF008080, 0xFF800080};

namespace {

void Put16(std::string& s, unsigned v) {
    s += (char)(v & 0xFF);
    s += (char)((v >> 8) & 0xFF);
}
void Put32(std::string& s, unsigned v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

std::string Bmp(int w, int h, const std::function<DWORD(int, int)>& pixel) {
    int row = (w * 3 + 3) & ~3;
    std::string s = "BM";
    Put32(s, 54 + row * h);
    Put32(s, 0);
    Put32(s, 54);
    Put32(s, 40);
    Put32(s, w);
    Put32(s, h);
    Put16(s, 1);
    Put16(s, 24);
    Put32(s, 0);
    Put32(s, row * h);
    Put32(s, 2835);
    Put32(s, 2835);
    Put32(s, 0);
    Put32(s, 0);
    for (int y = h - 1; y >= 0; --y) {  // bottom-up
        std::string line;
        for (int x = 0; x < w; ++x) {
            DWORD c = pixel(x, y);
            line += (char)(c & 0xFF);
            line += (char)((c >> 8) & 0xFF);
            line += (char)((c >> 16) & 0xFF);
        }
        line.resize(row, '\0');
        s += line;
    }
    return s;
}

}  // namespace

std::string StripBmp(const std::vector<DWORD>& colours, int cellW, int cellH, bool vertical) {
    int n = (int)colours.size();
    return Bmp(vertical ? cellW : cellW * n, vertical ? cellH * n : cellH,
               [&](int x, int y) { return colours[vertical ? y / cellH : x / cellW]; });
}

std::string PictureBmp(int w, int h, DWORD (*pixel)(int x, int y)) { return Bmp(w, h, pixel); }

void FrameHost::Clear() {
    Gdiplus::Graphics g(buffer.get());
    g.Clear(Gdiplus::Color(0, 0, 0, 0));
}

std::unique_ptr<CMeter> MakeMeter(const wchar_t* drawType, ISkinHost* host, Keys keys) {
    std::unique_ptr<CMeter> meter(CreateMeter(drawType, host));
    if (!meter) return meter;
    CInfoSection section(L"M");
    for (const auto& kv : keys) section.SetValue(kv.first, kv.second);
    meter->ReadConfig(section);
    meter->Initialize();
    return meter;
}

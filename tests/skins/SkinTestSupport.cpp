#include "SkinTestSupport.h"

#include <algorithm>

CString DumpSections(const SkinDefinition& skin) {
    CString out;
    for (int i = 0; i < skin.GetSectionCount(); ++i) {
        const CInfoSection* s = skin.GetSection(i);
        out += s->GetName() + L"{";
        bool first = true;
        for (const auto& kv : s->Values()) {  // an ordered map: keys sorted
            if (!first) out += L";";
            out += kv.first + L"=" + kv.second;
            first = false;
        }
        out += L"}";
    }
    return out;
}

bool FakeEnvironment::QuerySystemInformation(ULONG infoClass, void* buffer, ULONG size, ULONG* returned) {
    if (infoClass == 0) {
        // The basic record of a 64-bit process: the processor count at byte 56.
        if (size < 57) return false;
        memset(buffer, 0, size);
        ((BYTE*)buffer)[56] = (BYTE)processorCount;
        *returned = 64;
        return true;
    }
    if (nextSample >= cpuSamples.size()) return false;
    const auto& sample = cpuSamples[nextSample++];
    LONGLONG* out = (LONGLONG*)buffer;
    ULONG need = (ULONG)(sample.size() * 48);
    if (need > size) return false;
    memset(buffer, 0, need);
    for (size_t i = 0; i < sample.size(); ++i) {
        out[i * 6 + 0] = sample[i][0];
        out[i * 6 + 1] = sample[i][1];
        out[i * 6 + 2] = sample[i][2];
    }
    *returned = cpuReturnedOverride ? cpuReturnedOverride : need;
    return true;
}

FakeHost::FakeHost(int width, int height)
    : buffer(new Gdiplus::Bitmap(width, height, PixelFormat32bppPARGB)) {}

FakeHost::~FakeHost() = default;

DWORD FakeHost::Pixel(int x, int y) const {
    Gdiplus::Color c;
    buffer->GetPixel(x, y, &c);
    return c.GetValue();
}

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_Token, &input, nullptr);
}

GdiplusSession::~GdiplusSession() { Gdiplus::GdiplusShutdown(m_Token); }

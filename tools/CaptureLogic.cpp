#include "tools/CaptureLogic.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace CaptureLogic {

int ZoomForKeys(int mode, bool ctrl, bool shift) {
    switch (mode) {
    case modeColorPicker:
        return ctrl && shift ? 16 : ctrl ? 2 : shift ? 4 : 8;
    case modeZoom:
        return ctrl && shift ? 16 : ctrl ? 4 : shift ? 8 : 2;
    case modeRegion:
    case modeRuler:
        return ctrl && shift ? 8 : ctrl ? 2 : shift ? 4 : 1;
    default:
        return 1;
    }
}

UINT CursorFor(int mode, int zoom) {
    if (mode == modeColorPicker) {
        switch (zoom) {
        case 2: return 251;
        case 4: return 255;
        case 16: return 253;
        default: return 254;
        }
    }
    if (mode == modeZoom || mode == modeRuler) return 252;
    return 250;
}

Magnifier RegionMagnifier(int zoom) {
    switch (zoom) {
    case 8: return {6, 50};
    case 4: return {6, 24};
    case 2: return {12, 24};
    default: return {};
    }
}

int PickerSource(int zoom) {
    switch (zoom) {
    case 16: return 12;
    case 4: return 50;
    case 2: return 100;
    default: return 24;
    }
}

int ZoomViewSource(int zoom) { return 800 / std::max(2, std::min(zoom, 16)); }

int RulerSource(int zoom) { return 800 / std::max(1, std::min(zoom, 8)); }

std::vector<RulerTick> RulerTicks(int zoom) {
    // Zooms 1 and 2 share a scale of 2-pixel ticks; 4 and 8 stretch it.
    int scale = zoom <= 2 ? 1 : zoom / 2;
    int step = 2 * scale;
    int labelEvery = zoom <= 2 ? 50 : 10 * zoom;
    std::vector<RulerTick> ticks;
    for (int i = 0; i <= 800; i += step) {
        RulerTick tick;
        tick.offset = i;
        if (i % (100 * scale) == 0)
            tick.length = 13;
        else if (i % (50 * scale) == 0)
            tick.length = 10;
        else if (i % (10 * scale) == 0)
            tick.length = 7;
        else
            tick.length = 3;
        tick.labelled = i % labelEvery == 0;
        tick.label = tick.labelled ? i / std::max(1, zoom) : 0;
        ticks.push_back(tick);
    }
    return ticks;
}

CString ColorText(BYTE red, BYTE green, BYTE blue) {
    CString text;
    text.Format(L"RGB(%d,%d,%d) #%02x%02x%02x", red, green, blue, red, green, blue);
    return text;
}

bool IsDrag(POINT press, POINT release) {
    return std::abs(release.x - press.x) + std::abs(release.y - press.y) > 4;
}

PanelHit HitPanel(POINT click, POINT anchor) {
    int x = click.x - anchor.x;
    int y = click.y - anchor.y;
    PanelHit hit;
    if (x >= 18 && x <= 140) {
        for (int i = 0; i < 4; ++i) {
            if (y >= kOutputEntryY[i] && y < kOutputEntryY[i] + 20) return {hitOutput, i};
        }
    }
    if (x >= 17 && x <= 140 && y >= kPreferenceEntryY && y <= kPreferenceEntryY + 20) return {hitPreference, 0};
    if (x >= 18 && x <= 140) {
        for (int i = 0; i < 3; ++i) {
            if (y >= kModeEntryY[i] && y < kModeEntryY[i] + 20) return {hitMode, kModeEntryMode[i]};
        }
    }
    return hit;
}

CRect Normalised(const CRect& rect) {
    return CRect(std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
                 std::max(rect.top, rect.bottom));
}

CRect WindowRegion(const CRect& windowRect, const CRect& virtualScreen, int copyWidth, int copyHeight) {
    CRect region = Normalised(windowRect);
    region.OffsetRect(-virtualScreen.left, -virtualScreen.top);
    CRect clipped;
    if (!clipped.IntersectRect(region, CRect(0, 0, copyWidth, copyHeight))) return CRect();
    return clipped;
}

bool NoteRectFor(const CRect& region, POINT screenOrigin, int minWidth, int minHeight, CRect& noteRect) {
    CRect rect = Normalised(region);
    if (rect.Width() <= 0 || rect.Height() <= 0) return false;
    rect.OffsetRect(screenOrigin.x, screenOrigin.y);
    // The title bar would leave the screen above a region at its top.
    if (rect.top < screenOrigin.y + 17) rect.OffsetRect(0, screenOrigin.y + 17 - rect.top);
    rect.left -= 6;
    rect.top -= 21;
    rect.right += 5;
    rect.bottom += 9;
    if (rect.Width() < minWidth) rect.right = rect.left + minWidth;
    if (rect.Height() < minHeight) rect.bottom = rect.top + minHeight;
    noteRect = rect;
    return true;
}

CString NameStamp(const SYSTEMTIME& time) {
    CString text;
    text.Format(L"%d%02d%02d%02d%02d%02d", time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute,
                time.wSecond);
    return text;
}

CString MimeForFormat(const CString& format) {
    if (format == L"jpg" || format == L"jpeg") return L"image/jpeg";
    return L"image/" + format;
}

int QualityForFormat(const CString& format) { return format == L"jpg" || format == L"jpeg" ? 95 : 0; }

bool FormatOfFileName(const CString& fileName, CString& format) {
    int dot = fileName.ReverseFind(L'.');
    int slash = std::max(fileName.ReverseFind(L'\\'), fileName.ReverseFind(L'/'));
    if (dot < 0 || dot < slash) return false;
    CString extension = fileName.Mid(dot + 1);
    extension.MakeLower();
    if (extension == L"jpeg") extension = L"jpg";
    if (extension != L"png" && extension != L"jpg" && extension != L"bmp") return false;
    format = extension;
    return true;
}

int FilterIndexForFormat(const CString& format) {
    if (format == L"jpg") return 2;
    if (format == L"bmp") return 3;
    return 1;
}

int ListIndexForFormat(const CString& format) { return FilterIndexForFormat(format) - 1; }

CString FormatForListIndex(int index) {
    if (index == 1) return L"jpg";
    if (index == 2) return L"bmp";
    return L"png";
}

namespace {
POINT FlyTarget(POINT point, int screenWidth, int screenHeight) {
    return {std::min<LONG>(point.x, screenWidth - 35), std::min<LONG>(point.y, screenHeight - 25)};
}
}  // namespace

int FlyAwayDuration(const CRect& region, POINT point, int screenWidth, int screenHeight) {
    CRect rect = Normalised(region);
    POINT target = FlyTarget(point, screenWidth, screenHeight);
    double cx = (rect.left + rect.right) / 2.0, cy = (rect.top + rect.bottom) / 2.0;
    double distance = std::max(10.0, std::hypot(target.x - cx, target.y - cy));
    return std::max((int)(distance / 2), 300);
}

CRect FlyAwayFrame(const CRect& region, POINT point, int screenWidth, int screenHeight, int t, int duration) {
    CRect rect = Normalised(region);
    POINT target = FlyTarget(point, screenWidth, screenHeight);
    double d = std::max(1, duration);
    double k = std::max(0.0, (d - t) / d);
    double width = rect.Width() * k, height = rect.Height() * k;
    double cx = (rect.left + rect.right) / 2.0, cy = (rect.top + rect.bottom) / 2.0;
    double x = cx + (target.x - cx) * t / d - width / 2;
    double y = cy + (target.y - cy) * t / d - height / 2;
    return CRect((int)x, (int)y, (int)(x + width), (int)(y + height));
}

}  // namespace CaptureLogic

// The decisions of the screen capture, apart from any window: which zoom the
// keys choose, the ruler's scale, the colour text, what a release of the
// mouse means, where the panel's entries are, the rectangle a note gets
// around a captured picture, the names and formats of saved pictures and
// the length of the sliding effect. Coordinates are those of the overlay
// (screen coordinates minus the virtual screen's origin) unless named
// otherwise.
#pragma once

#include "fw/Afx.h"

#include <vector>

namespace CaptureLogic {

enum Mode {
    modeRegion = 0,
    modeWindow = 1,
    modeFullScreen = 2,
    modeLastRegion = 3,
    modeControl = 4,
    modeScroll = 5,
    modeColorPicker = 6,
    modeZoom = 7,
    modeRuler = 8,
    modeTopWindow = 9,
};

enum Output { outMemo = 0, outSave = 1, outSaveAs = 2, outClipboard = 3 };

// The largest virtual screen the overlay copies.
const int kMaxScreenWidth = 7680;
const int kMaxScreenHeight = 4320;

// The magnification the Ctrl and Shift keys choose in a mode; 1 where the
// mode has no magnifier.
int ZoomForKeys(int mode, bool ctrl, bool shift);
// The cursor resource the colour picker shows at a zoom; the other modes:
// 252 for zoom and ruler, 250 for the rest.
UINT CursorFor(int mode, int zoom);
// How many screen pixels the region magnifier takes around the cursor and
// how large it shows them; side 0 when the zoom shows none.
struct Magnifier {
    int source = 0;
    int side = 0;
};
Magnifier RegionMagnifier(int zoom);
// The side of the square the colour picker (200 x 200 view), the zoom view
// and the ruler (800 x 800 views) show at a zoom.
int PickerSource(int zoom);
int ZoomViewSource(int zoom);
int RulerSource(int zoom);

// One tick of the ruler: its offset i from the start of the view and its
// length; labelled ticks carry the true distance in pixels.
struct RulerTick {
    int offset = 0;
    int length = 0;
    bool labelled = false;
    int label = 0;
};
std::vector<RulerTick> RulerTicks(int zoom);

// "RGB(10,5,255) #0a05ff".
CString ColorText(BYTE red, BYTE green, BYTE blue);

// A release farther than 4 pixels (|dx| + |dy|) from the press ends a drag.
bool IsDrag(POINT press, POINT release);

// What a click on the panel hits, with the panel anchored at the origin of
// the work area (overlay coordinates).
enum PanelHitKind { hitNone, hitOutput, hitPreference, hitMode };
struct PanelHit {
    PanelHitKind kind = hitNone;
    int value = 0;  // the output (0 to 3) or the mode (0, 1, 4)
};
PanelHit HitPanel(POINT click, POINT anchor);
// The entries of the panel: the y of the output entries and of the mode
// entries, relative to the anchor, and the mode of each mode entry.
const int kOutputEntryY[4] = {20, 40, 60, 80};
const int kPreferenceEntryY = 102;
const int kModeEntryY[3] = {140, 160, 180};
const int kModeEntryMode[3] = {modeRegion, modeWindow, modeControl};

// The rectangle normalised so that left <= right and top <= bottom.
CRect Normalised(const CRect& rect);
// The region of a picked window: its screen rectangle in overlay
// coordinates, clipped to the screen copy.
CRect WindowRegion(const CRect& windowRect, const CRect& virtualScreen, int copyWidth, int copyHeight);

// The screen rectangle of a note made from a region: the picture inside the
// note's frame and title bar, kept off the top edge and at least the
// smallest note size. Empty when the region is.
bool NoteRectFor(const CRect& region, POINT screenOrigin, int minWidth, int minHeight, CRect& noteRect);

// The 14 digits of the local time ("20140209153007").
CString NameStamp(const SYSTEMTIME& time);
// The encoder's type for a stored format: "jpg" is "image/jpeg".
CString MimeForFormat(const CString& format);
// The JPEG quality used for a format, 0 when none is given.
int QualityForFormat(const CString& format);
// The format a chosen file name asks for: its extension, lower-cased;
// false when it is none of png, jpg, jpeg, bmp (the format is left alone).
bool FormatOfFileName(const CString& fileName, CString& format);
// The save dialog's filter entry (1 PNG, 2 JPEG, 3 BMP) for a format.
int FilterIndexForFormat(const CString& format);
// The preference list's index (0 PNG, 1 JPEG, 2 BMP) and back.
int ListIndexForFormat(const CString& format);
CString FormatForListIndex(int index);

// The length in milliseconds of the sliding effect of a region whose far
// corner is point, on a screen copy of that size.
int FlyAwayDuration(const CRect& region, POINT point, int screenWidth, int screenHeight);
// Where the shrinking picture is at t of duration milliseconds: its
// rectangle in overlay coordinates.
CRect FlyAwayFrame(const CRect& region, POINT point, int screenWidth, int screenHeight, int t, int duration);

}  // namespace CaptureLogic

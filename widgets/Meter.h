// A meter: one drawn element of a skinned window (an image, a text, a button,
// a rotating hand...). The base reads the keys common to every kind, draws
// the solid background and bevel, hit-tests, and offers the image helpers the
// kinds share.
#pragma once

#include <vector>

#include "widgets/InfoSection.h"

namespace Gdiplus {
class Graphics;
class Image;
class Pen;
class Rect;
}  // namespace Gdiplus

class CMeasure;
class ISkinHost;
class TiXmlElement;

enum MeterKind {
    METER_DRAWOBJECT = 0,
    METER_BUTTON = 1,
    METER_SHORTCUT = 2,
    METER_ZORDER = 3,
    METER_WEBURL = 4,
    METER_BITMAP = 5,
    METER_IMAGE = 6,
    METER_STRING = 7,
    METER_FRAMEIMAGE = 8,
    METER_NUMIMAGE = 9,
    METER_ROTATOR = 10,
    METER_ROUNDLINE = 11,
    METER_CALENDAR = 12,
    METER_SCHEDULE = 13,
    METER_RAUNCHER = 14,
    METER_DATESTRING = 15,
    METER_WEATHER = 16,
    METER_EDITBOX = 17,
    METER_USERSTRING = 18,
    METER_BIORHYTHM = 19,
    METER_KIND_COUNT = 20,
};

// Image state of a meter that shows an image from a URL.
enum MeterImageState { IMAGE_STATE_NONE = 0, IMAGE_STATE_LOADING = 1, IMAGE_STATE_LOADED = 2 };

class CMeter {
public:
    explicit CMeter(ISkinHost* owner) : m_Owner(owner) {}
    virtual ~CMeter() = default;
    CMeter(const CMeter&) = delete;
    CMeter& operator=(const CMeter&) = delete;

    virtual void ReadConfig(const CInfoSection& section);
    virtual void Initialize() {}
    virtual bool Update() { return true; }
    virtual bool Draw();
    virtual CString GetImageUrl() { return CString(); }
    virtual void OnImageDownloaded(bool success) {}
    virtual int GetIndicator() { return 0; }
    virtual int GetCacheKey(int fallback) { return fallback; }
    virtual int GetH() { return m_Hidden ? 0 : m_H; }
    virtual int GetW() { return m_Hidden ? 0 : m_W; }
    virtual int GetX(bool raw = false) { return m_X; }
    virtual int GetY(bool raw = false) { return m_Y; }
    virtual bool IsButton() { return false; }
    // Both borders count: the right and bottom edges hit too.
    virtual bool HitTest(int x, int y);

    // Solid background and bevel into the graphics (the base drawing).
    void DrawBackground(Gdiplus::Graphics& graphics);

    // Image helpers; unless keepSize is set, W and H take the image's size.
    // The caller owns the image.
    Gdiplus::Image* LoadPngResource(int resourceId, const wchar_t* type, bool keepSize);
    Gdiplus::Image* LoadImageFile(const CString& path, bool keepSize);
    Gdiplus::Image* LoadFileIcon(const CString& path, UINT iconSizeFlags, bool keepSize);
    Gdiplus::Image* LoadWebIcon(const CString& url, bool keepSize);

    int GetID() const { return m_ID; }
    MeterKind GetKind() const { return m_Kind; }
    bool IsHidden() const { return m_Hidden; }
    void SetHidden(bool hidden) { m_Hidden = hidden; }
    int GetBevelType() const { return m_BevelType; }
    DWORD GetSolidColor() const { return m_SolidColor; }
    const CString& GetMeasureSection() const { return m_MeasureSection; }
    void SetMeasureSection(const CString& name) { m_MeasureSection = name; }
    CMeasure* GetMeasure() const { return m_Measure; }
    void SetMeasure(CMeasure* measure) { m_Measure = measure; }
    ISkinHost* GetOwner() const { return m_Owner; }
    int GetDownloadNumber() const { return m_DownloadNumber; }
    void SetDownloadNumber(int number) { m_DownloadNumber = number; }
    int GetImageState() const { return m_ImageState; }
    void SetImageState(int state) { m_ImageState = state; }

protected:
    void TakeImageSize(Gdiplus::Image* image, bool keepSize);

    int m_ID = -1;
    MeterKind m_Kind = METER_DRAWOBJECT;
    int m_DownloadNumber = -1;
    int m_ImageState = IMAGE_STATE_NONE;
    CString m_MeasureSection;
    CMeasure* m_Measure = nullptr;
    int m_X = 0, m_Y = 0;
    int m_W = 1, m_H = 1;
    bool m_Hidden = false;
    int m_BevelType = 0;
    DWORD m_SolidColor = 0;
    ISkinHost* m_Owner;
};

// The bevel lines around a rectangle: light along the top and left, dark
// along the bottom and right, two lines deep.
void DrawBevel(Gdiplus::Graphics& graphics, const Gdiplus::Rect& rect, const Gdiplus::Pen& light,
               const Gdiplus::Pen& dark);

// The bytes of an image file, read whole; false for a missing, empty or
// implausibly large file (64 MB and more are no skin picture).
bool ReadImageFileBytes(const CString& path, std::vector<BYTE>& bytes);
// A relative image name resolved beside the skin file that names it.
CString ResolveBesideSkin(const CString& skinFile, const CString& path);

// A skin's built-in image number (from 100001) as a PNG resource id; any
// other number is returned unchanged.
int MapImageId(int id);

// The keys every widget element shares, for the kinds' XML converters.
void ConvertMeterCommon(const TiXmlElement* element, CInfoSection& section);

// The one shared loading indicator, drawn over image meters while their
// download runs. It is a frame-image meter that sets itself up; that kind
// registers how it is made.
typedef CMeter* (*LoadingIndicatorMaker)();
void SetLoadingIndicatorMaker(LoadingIndicatorMaker maker);
CMeter* EnsureLoadingIndicator();
void FreeLoadingIndicator();

#include "widgets/MeterPicture.h"

#include "widgets/MeterFrameImage.h"
#include "widgets/SkinHost.h"

#include "shell/ProgramFolder.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

// The indicator strip: eight frames of 30 x 30 side by side.
const int kIndicatorCell = 30;
const int kIndicatorFrames = 8;

}  // namespace

CString ImageCachePath(int key) {
    CString path;
    path.Format(L"%ssystem\\caches\\%d", (LPCWSTR)g_ProgramFolder, key);
    return path;
}

CMeterPicture::CMeterPicture() = default;
CMeterPicture::~CMeterPicture() = default;

void CMeterPicture::Reset(Gdiplus::Image* image) { m_Image.reset(image); }

void CMeterPicture::ReadConfig(CMeter& meter, const CInfoSection& section, bool zeroSizeTakesPicture) {
    m_SizeGiven = section.GetInt(L"W", -1) != -1 && section.GetInt(L"H", -1) != -1;
    if (zeroSizeTakesPicture && section.GetInt(L"W", 0) == 0 && section.GetInt(L"H", 0) == 0) m_SizeGiven = false;
    m_Name = section.GetString(L"ImageName", L"");
    m_Url = section.GetString(L"ImageUrl", L"");
    m_Indicator = section.GetInt(L"Indicator", 0);
    m_CacheID = section.GetInt(L"CacheID", -1);
    m_Image.reset();
    if (!m_Name.IsEmpty()) {
        m_Image.reset(meter.LoadImageFile(m_Name, m_SizeGiven));
    } else {
        int resource = MapImageId(section.GetInt(L"ImageID", -1));
        if (resource > 0) m_Image.reset(meter.LoadPngResource(resource, L"PNG", m_SizeGiven));
    }
}

void CMeterPicture::OnDownloaded(CMeter& meter, bool success) {
    if (success) {
        m_Image.reset();
        m_Image.reset(meter.LoadImageFile(ImageCachePath(meter.GetDownloadNumber()), m_SizeGiven));
    }
    meter.SetImageState(IMAGE_STATE_LOADED);
}

void CMeterPicture::DrawIndicator(CMeter& meter, Gdiplus::Graphics& graphics, int x, int y, int w, int h) const {
    if (!m_Indicator || meter.GetImageState() != IMAGE_STATE_LOADING) return;
    CMeterFrameImage* indicator = CMeterFrameImage::GetLoadingIndicator();
    Gdiplus::Image* strip = indicator ? indicator->GetPicture() : nullptr;
    if (!strip) return;
    int frame = meter.GetOwner() ? meter.GetOwner()->GetLoadingFrame() : 0;
    // A frame number from outside the strip would show a blank; wrap it.
    frame = ((frame % kIndicatorFrames) + kIndicatorFrames) % kIndicatorFrames;
    Gdiplus::Rect target((w - kIndicatorCell) / 2 + x, (h - kIndicatorCell) / 2 + y, kIndicatorCell, kIndicatorCell);
    graphics.DrawImage(strip, target, kIndicatorCell * frame, 0, kIndicatorCell, kIndicatorCell, Gdiplus::UnitPixel);
}

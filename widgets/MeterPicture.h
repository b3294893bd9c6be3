// The picture a meter shows, wherever it comes from: an image file named by
// the skin, a built-in image number, or an address on the web that the
// skinned window downloads into the cache folder. Every picture-showing
// kind holds one and follows the same rules for its keys, its cache key,
// the result of a download and the loading indicator drawn while it runs.
#pragma once

#include "widgets/Meter.h"

#include <memory>

namespace Gdiplus {
class Graphics;
class Image;
}  // namespace Gdiplus

// Cache keys from a skin's CacheID start here, above any running number.
const int kCacheIdBase = 10000000;

// "<program folder>system\caches\<key>", without extension.
CString ImageCachePath(int key);

class CMeterPicture {
public:
    CMeterPicture();
    ~CMeterPicture();
    CMeterPicture(const CMeterPicture&) = delete;
    CMeterPicture& operator=(const CMeterPicture&) = delete;

    // Reads ImageName, ImageID, ImageUrl, Indicator and CacheID and loads the
    // picture into the meter. The size counts as given when the skin sets
    // both W and H (to anything but -1); with zeroSizeTakesPicture, W=0 H=0
    // also lets the picture's size win. A picture loaded without a given size
    // sets the meter's W and H.
    void ReadConfig(CMeter& meter, const CInfoSection& section, bool zeroSizeTakesPicture);

    // The download of the URL has ended: on success the cache file named by
    // the meter's download number replaces the picture (a file that is no
    // image leaves none); on failure the old picture stays. Either way the
    // meter's image is loaded now.
    void OnDownloaded(CMeter& meter, bool success);

    // CacheID + 10000000 when the skin gave a CacheID above 0, else fallback.
    int GetCacheKey(int fallback) const { return m_CacheID > 0 ? m_CacheID + kCacheIdBase : fallback; }
    const CString& GetUrl() const { return m_Url; }
    int GetIndicator() const { return m_Indicator; }
    bool IsSizeGiven() const { return m_SizeGiven; }
    Gdiplus::Image* Get() const { return m_Image.get(); }
    void Reset(Gdiplus::Image* image);

    // The shared loading indicator, centred on the meter's stored rectangle,
    // while its download runs and when the skin asked for it.
    void DrawIndicator(CMeter& meter, Gdiplus::Graphics& graphics, int x, int y, int w, int h) const;

private:
    std::unique_ptr<Gdiplus::Image> m_Image;
    bool m_SizeGiven = false;
    CString m_Name;
    CString m_Url;
    int m_Indicator = 0;
    int m_CacheID = -1;
};

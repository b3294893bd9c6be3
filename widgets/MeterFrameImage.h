// A frame-image meter: one frame of a picture strip, chosen by the bound
// measure's value. One of them, without an owner, is the loading indicator
// every picture-showing meter draws while its download runs.
#pragma once

#include "widgets/MeterPicture.h"

class CMeterFrameImage : public CMeter {
public:
    explicit CMeterFrameImage(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    bool Draw() override;
    CString GetImageUrl() override { return m_Picture.GetUrl(); }
    void OnImageDownloaded(bool success) override { m_Picture.OnDownloaded(*this, success); }
    int GetIndicator() override { return m_Picture.GetIndicator(); }
    int GetCacheKey(int fallback) override { return m_Picture.GetCacheKey(fallback); }

    int GetFrame() const { return m_Frame; }
    Gdiplus::Image* GetPicture() const { return m_Picture.Get(); }

    // The frame for a value: ValueDiv first, then ValueMaxFrame over the
    // relative value, else the value itself.
    static long long FrameFor(double value, double relative, float valueDiv, int valueMaxFrame, int valueMax,
                              int revision);

    // The shared loading indicator (the strip of built-in image 290), made
    // on first use.
    static CMeterFrameImage* GetLoadingIndicator();

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

    // The indicator's own set-up: the strip with its size kept, 40 x 40 at
    // the origin, eight side-by-side frames.
    void SetUpAsLoadingIndicator();

private:

    CMeterPicture m_Picture;
    bool m_VerticalFrame = false;
    int m_ValueMax = 0;
    int m_ValueMaxFrame = 0;
    float m_ValueDiv = 0.0f;
    int m_RevisionVal = 0;
    long long m_Frame = 0;
};

// A number-image meter: the bound measure's value written as a number whose
// digits are cut from a strip of the ten digit pictures 0 to 9.
#pragma once

#include "widgets/MeterPicture.h"

class CMeterNumImage : public CMeter {
public:
    explicit CMeterNumImage(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    bool Draw() override;
    CString GetImageUrl() override { return m_Picture.GetUrl(); }
    void OnImageDownloaded(bool success) override { m_Picture.OnDownloaded(*this, success); }
    int GetIndicator() override { return m_Picture.GetIndicator(); }
    int GetCacheKey(int fallback) override { return m_Picture.GetCacheKey(fallback); }

    int GetNumber() const { return m_Number; }

    struct NumberRule {
        int valueDiv = 1;
        int valueMax = 0;
        int revision = 0;
        int cipher = 1;
        bool cipherSizeFit = false;
    };
    // The number shown for a measure's value and relative value.
    static int NumberFor(double value, double relative, const NumberRule& rule);
    // The number right-aligned in a field of cipher places, padded with
    // zeros (fitCipher) or blanks; a longer number is not cut.
    static CString DigitText(int number, int cipher, bool fitCipher);

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    CMeterPicture m_Picture;
    NumberRule m_Rule;
    bool m_Vertical = false;
    int m_Space = 0;
    int m_ValueDefault = 0;
    bool m_AlignLeftTop = true;
    bool m_FitCipher = true;
    int m_Number = 0;
};

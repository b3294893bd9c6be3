// A text meter: a fixed text, a measure's value as text, or both, drawn with
// GDI+ in one font, colour and alignment, with an optional shadow, smear or
// outline behind it. The date and user text meters and the labels of the
// button family build on it.
#pragma once

#include "widgets/Meter.h"

#include <memory>
#include <vector>

namespace Gdiplus {
class Font;
class FontFamily;
}  // namespace Gdiplus

class CMeterString : public CMeter {
public:
    explicit CMeterString(ISkinHost* owner);
    ~CMeterString() override;

    void ReadConfig(const CInfoSection& section) override;
    // Makes the font once; it is kept until the meter goes.
    void Initialize() override;
    bool Update() override;
    bool Draw() override;
    // X is the text's anchor: its left edge, right edge or middle.
    int GetX(bool raw = false) override;

    void SetText(const CString& text) { m_Text = text; }
    // Draws the meter moved by (dx, dy) in the colour, then puts back its
    // position and colour.
    bool DrawOffset(int dx, int dy, DWORD color);

    // Prefix, text with its "%n" filled from the values (or the first value
    // when there is no text), postfix.
    CString GetDrawnText() const;
    const std::vector<CString>& GetValues() const { return m_Values; }
    // The decimals an update asks the measure for.
    int GetDecimals() const;
    DWORD GetFontColor() const { return m_FontColor; }
    void SetFontColor(DWORD color) { m_FontColor = color; }
    void SetPosition(int x, int y) {
        m_X = x;
        m_Y = y;
    }
    const CString& GetText() const { return m_Text; }
    const CString& GetFontFace() const { return m_FontFace; }
    // The family the font was made from: the face, or sans serif when the
    // system has no such face.
    CString GetFontFamilyName() const;
    int GetFontSize() const { return m_FontSize; }
    int GetStyle() const { return m_Style; }
    int GetAlign() const { return m_Align; }
    int GetVAlign() const { return m_VAlign; }
    bool IsSingleLine() const { return m_SingleLine; }
    bool IsAntiAlias() const { return m_AntiAlias; }

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);
    static void ConvertDateXml(const TiXmlElement* element, CInfoSection& section);
    static void ConvertUserXml(const TiXmlElement* element, CInfoSection& section);

protected:
    // Decimal text of a number, for the date and user placeholders.
    static CString Number(int n);

    std::vector<CString> m_Values;

private:
    void DrawTextAt(Gdiplus::Graphics& graphics, const CString& text, int x, int y, DWORD color);

    DWORD m_FontColor = 0xFF000000;
    DWORD m_ShadowColor = 0xFFFFFFFF;
    int m_OffsetX = 0, m_OffsetY = 0;
    CString m_Prefix, m_Postfix, m_Text;
    bool m_AntiAlias = false, m_Percentual = false, m_AutoScale = false, m_ClipString = false, m_SingleLine = false;
    int m_FontSize = 10;
    int m_NumOfDecimals = -1;
    double m_Scale = 1.0;
    bool m_ScaleWhole = true;
    CString m_FontFace;
    int m_Align = 0;   // 0 left, 1 right, 2 centre
    int m_VAlign = 0;  // 0 top, 1 bottom, 2 centre
    int m_Style = 0;   // 0 normal, 1 bold, 2 italic, 3 bold italic
    std::unique_ptr<Gdiplus::FontFamily> m_FontFamily;
    std::unique_ptr<Gdiplus::Font> m_Font;
};

// The elements of a text, shared by the XML forms of the text kinds.
void ConvertTextXml(const TiXmlElement* element, CInfoSection& section);

// The words of StringAlign, StringVAlign and StringStyle; any other word
// gives 0 (left, top, normal).
int ParseStringAlign(const CString& word);
int ParseStringVAlign(const CString& word);
int ParseStringStyle(const CString& word);

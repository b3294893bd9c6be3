// What the seven-segment counter computes without a window: segment sizes,
// where each character sits, which strokes a character lights, and how the
// mouse changes the value.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

#include <vector>

class CStaticCounterLogic {
public:
    // One stroke of a digit, from (x1, y1) to (x2, y2).
    struct Stroke {
        int x1, y1, x2, y2;
        bool operator==(const Stroke& o) const { return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2; }
    };
    // One digit position of the text to draw.
    struct Cell {
        int x;          // horizontal offset of the position
        int code;       // segment code, 0 when the character has none
        bool unlit;     // draw the dim "8" first
    };

    enum { CodeAllUnlit = 999, CodePoint = 256, CodeColon = 257 };

    CStaticCounterLogic();
    virtual ~CStaticCounterLogic() = default;

    // Segment sizes for a client rectangle whose bottom is clientBottom; done
    // once, later calls keep the first sizes.
    void ComputeGeometry(int clientBottom);
    static int CharCode(wchar_t ch);
    // The strokes of one code at offset x, with the current sizes.
    std::vector<Stroke> Strokes(int code, int x) const;
    // The text with the pad blanks in front, and each position laid out.
    CString PaddedText() const;
    std::vector<Cell> Layout() const;

    // The unlit colour actually used.
    COLORREF UnlitColor() const;

    // Value setters: build the text from the format member (a format that is
    // not a single number conversion is replaced, see SafeFormat).
    void SetIntText(int value, BOOL replaceFormat, LPCTSTR format);
    void SetFloatText(double value, BOOL replaceFormat, LPCTSTR format);
    // Formats one number with an owner's format. Only a single %d/%i/%u/%x/%o
    // or %f/%e/%g/%a conversion with flags, width and precision is accepted;
    // anything else (no conversion, %s, %n, '*', several conversions, very long
    // texts) falls back to a plain number, so an owner's format can never read
    // a missing argument.
    static CString FormatNumber(const CString& format, double value, bool floatMode);

    // Mouse: each returns true when the text changed and must be repainted.
    void OnButtonDown(bool left, int x);
    bool OnMouseMove(int x);
    bool OnButtonUp(bool left);

    // State (public: the owner sets colours, flags, limits and pad width directly).
    int m_nLastDrag = 0;
    unsigned short m_nPanelHeight = 10;
    BYTE m_bShowUnlit = 1;
    BYTE m_bGeometryReady = 0;
    BYTE m_bOwnUnlitColor = 0;
    CString m_strText = _T("0");
    CString m_strFormat = _T("%.3d");
    CRect m_rcClient;
    float m_fMin = 0.0f;
    float m_fMax = 100.0f;
    int m_nPadWidth = 0;
    int m_nDragX = 0;
    int m_nPenWidth = 0;
    int m_nSegLength = 0;
    int m_nSegOffset = 0;
    COLORREF m_crBack = RGB(0, 0, 0);
    COLORREF m_crLit = RGB(100, 255, 100);
    COLORREF m_crUnlit = RGB(0, 0, 0);
    float m_fValue = 0.0f;
    BYTE m_bBottomPanel = 0;
    BYTE m_bLeftDown = 0;
    BYTE m_bRightDown = 0;
    BYTE m_bChangeable = 1;
    BYTE m_bFloatMode = 0;

protected:
    // Called whenever the text changed; the window repaints.
    virtual void OnTextChanged() {}

private:
    void ApplyChange(float change);
};

#include "ui/StaticCounterLogic.h"

#include <cmath>

CStaticCounterLogic::CStaticCounterLogic() {}

void CStaticCounterLogic::ComputeGeometry(int clientBottom) {
    if (m_bGeometryReady)
        return;
    double h = clientBottom;
    if (m_bBottomPanel)
        h = h + 2 - m_nPanelHeight;
    int t = (int)(h * 0.06);
    int l = (int)(h * 0.35);
    if (t < 1) t = 1;
    if (l < 1) l = 1;
    m_nSegOffset = t;
    m_nSegLength = l;
    m_nPenWidth = t;
    m_bGeometryReady = 1;
}

int CStaticCounterLogic::CharCode(wchar_t ch) {
    static const int digits[10] = {252, 96, 218, 242, 102, 182, 190, 224, 254, 246};
    if (ch >= L'0' && ch <= L'9')
        return digits[ch - L'0'];
    switch (ch) {
    case L'-': return 2;
    case L'.': return CodePoint;
    case L':': return CodeColon;
    default: return 0;
    }
}

std::vector<CStaticCounterLogic::Stroke> CStaticCounterLogic::Strokes(int code, int x) const {
    const int t = m_nSegOffset, L = m_nSegLength;
    std::vector<Stroke> out;
    if (code == CodePoint) {
        out.push_back({x + 2 * t, 2 * L + 4 * t + 1, x + L / 2, 2 * L + 4 * t + 1});
        return out;
    }
    if (code == CodeColon) {
        out.push_back({x + 4 * t, L + 1, x + L / 2 + 2 * t, L + 1});
        out.push_back({x + 4 * t, 2 * L + t + 1, x + L / 2 + 2 * t, 2 * L + t + 1});
        return out;
    }
    int flags = code == CodeAllUnlit ? 0xFE : code;
    if (flags & 0x80) out.push_back({x + 2 * t, t + 1, x + L, t + 1});
    if (flags & 0x40) out.push_back({x + t + L, 2 * t + 1, x + t + L, L + 2 * t + 1});
    if (flags & 0x20) out.push_back({x + t + L, L + 4 * t + 1, x + t + L, 2 * L + 3 * t + 1});
    if (flags & 0x10) out.push_back({x + 2 * t, 2 * L + 4 * t + 1, x + L, 2 * L + 4 * t + 1});
    if (flags & 0x08) out.push_back({x + t, L + 4 * t + 1, x + t, 2 * L + 3 * t + 1});
    if (flags & 0x04) out.push_back({x + t, 2 * t + 1, x + t, L + 2 * t + 1});
    if (flags & 0x02) out.push_back({x + 2 * t, L + 3 * t + 1, x + L, L + 3 * t + 1});
    return out;
}

CString CStaticCounterLogic::PaddedText() const {
    CString text = m_strText;
    int pad = m_nPadWidth - text.GetLength();
    if (m_nPadWidth >= 1 && pad > 0) {
        if (pad > 40) pad = 40;
        text = CString(_T(' '), pad) + text;
    }
    return text;
}

std::vector<CStaticCounterLogic::Cell> CStaticCounterLogic::Layout() const {
    const int t = m_nSegOffset, L = m_nSegLength;
    CString text = PaddedText();
    std::vector<Cell> cells;
    int x = 2;
    for (int i = 0; i < text.GetLength(); ++i) {
        wchar_t ch = text[i];
        if (i > 0) {
            if (ch == L':') x += t + L;
            else if (text[i - 1] == L':') x += L + 1;
            else x += L + 4 * t;
        }
        cells.push_back({x, CharCode(ch), m_bShowUnlit && ch != L':'});
    }
    return cells;
}

COLORREF CStaticCounterLogic::UnlitColor() const {
    if (m_bOwnUnlitColor)
        return m_crUnlit;
    return RGB(GetRValue(m_crLit) / 3, GetGValue(m_crLit) / 3, GetBValue(m_crLit) / 3);
}

namespace {

enum class Conv { None, Int, Float };

// Which single number conversion a format holds, or None when it holds
// anything else.
Conv CheckFormat(const CString& format) {
    if (format.GetLength() > 64)
        return Conv::None;
    Conv found = Conv::None;
    int n = format.GetLength();
    for (int i = 0; i < n; ++i) {
        if (format[i] != L'%')
            continue;
        if (i + 1 < n && format[i + 1] == L'%') {
            ++i;
            continue;
        }
        if (found != Conv::None)
            return Conv::None;
        int j = i + 1;
        while (j < n && wcschr(L"-+ #0", format[j])) ++j;
        int digits = 0;
        while (j < n && iswdigit(format[j])) { ++j; ++digits; }
        if (digits > 2) return Conv::None;
        if (j < n && format[j] == L'.') {
            ++j;
            digits = 0;
            while (j < n && iswdigit(format[j])) { ++j; ++digits; }
            if (digits > 2) return Conv::None;
        }
        if (j >= n) return Conv::None;
        wchar_t c = format[j];
        if (wcschr(L"diouxX", c)) found = Conv::Int;
        else if (wcschr(L"fFeEgGaA", c)) found = Conv::Float;
        else return Conv::None;
        i = j;
    }
    return found;
}

}  // namespace

CString CStaticCounterLogic::FormatNumber(const CString& format, double value, bool floatMode) {
    Conv conv = CheckFormat(format);
    CString fmt = format;
    if (conv == Conv::None) {
        fmt = floatMode ? _T("%.2f") : _T("%d");
        conv = floatMode ? Conv::Float : Conv::Int;
    }
    CString out;
    if (conv == Conv::Int) {
        double v = std::trunc(value);
        if (!(v == v)) v = 0;
        if (v > 2147483647.0) v = 2147483647.0;
        if (v < -2147483648.0) v = -2147483648.0;
        out.Format(fmt, (int)v);
    } else {
        out.Format(fmt, value);
    }
    return out;
}

void CStaticCounterLogic::SetIntText(int value, BOOL replaceFormat, LPCTSTR format) {
    m_bFloatMode = 0;
    if (replaceFormat && format)
        m_strFormat = format;
    m_strText = FormatNumber(m_strFormat, value, false);
    OnTextChanged();
}

void CStaticCounterLogic::SetFloatText(double value, BOOL replaceFormat, LPCTSTR format) {
    m_bFloatMode = 1;
    if (replaceFormat && format)
        m_strFormat = format;
    m_strText = FormatNumber(m_strFormat, value, true);
    OnTextChanged();
}

void CStaticCounterLogic::OnButtonDown(bool left, int x) {
    if (left) m_bLeftDown = 1;
    else m_bRightDown = 1;
    m_nDragX = x;
}

void CStaticCounterLogic::ApplyChange(float change) {
    m_fValue += change;
    if (m_fValue > m_fMax) m_fValue = m_fMax;
    if (m_fValue < m_fMin) m_fValue = m_fMin;
    if (m_bFloatMode)
        SetFloatText(m_fValue, FALSE, nullptr);
    else
        SetIntText((int)m_fValue, FALSE, nullptr);
}

bool CStaticCounterLogic::OnMouseMove(int x) {
    if (!m_bLeftDown && !m_bRightDown)
        return false;
    int d = x - m_nDragX;
    m_nDragX = x;
    m_nLastDrag = d;
    if (!m_bChangeable)
        return false;
    // A right drag moves by hundredths: computed in floating point, so a
    // move of fewer than 100 pixels still counts.
    float change = m_bLeftDown ? (float)d : (float)d / 100.0f;
    ApplyChange(change);
    return true;
}

bool CStaticCounterLogic::OnButtonUp(bool left) {
    bool changed = false;
    if (m_nLastDrag == 0 && m_bChangeable && (left ? m_bLeftDown : m_bRightDown)) {
        float step = m_bFloatMode ? 0.01f : 1.0f;
        ApplyChange(left ? -step : step);
        changed = true;
    }
    if (left) m_bLeftDown = 0;
    else m_bRightDown = 0;
    m_nLastDrag = 0;
    return changed;
}

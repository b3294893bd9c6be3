#include "ui/FontPreviewCombo.h"
#include "ui/ControlIds.h"

#include "ui/ControlSettings.h"
#include "ui/PassThroughHitTest.h"

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CFontPreviewCombo, CControlBase)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CFontPreviewCombo::~CFontPreviewCombo() {
    DeleteFonts();
    if (m_hTrueType) ImageList_Destroy(m_hTrueType);
}

void CFontPreviewCombo::DeleteFonts() {
    for (auto& kv : m_fonts) ::DeleteObject(kv.second);
    m_fonts.clear();
}

LRESULT CFontPreviewCombo::OnNcHitTest(CPoint) {
    if (PassPointerThrough(g_ControlSettings.MouseOverHiding)) return HTTRANSPARENT;
    return Default();
}

void CFontPreviewCombo::SetPreviewStyle(int height, BOOL refill) {
    if (height == m_nFontHeight) return;
    m_nFontHeight = height;
    if (refill && m_hWnd) FillFonts();
}

int CALLBACK CFontPreviewCombo::EnumFace(const LOGFONTW* lf, const TEXTMETRICW*, DWORD type, LPARAM param) {
    CFontPreviewCombo* self = reinterpret_cast<CFontPreviewCombo*>(param);
    const wchar_t* face = lf->lfFaceName;
    if (face[0] == L'@' || wcsncmp(face, L"WST", 3) == 0) return 1;
    if (self->m_fonts.count(face)) return 1;
    int index = (int)self->SendMessage(CB_ADDSTRING, 0, (LPARAM)face);
    if (index < 0) return 1;
    self->SendMessage(CB_SETITEMDATA, index, (LPARAM)type);
    HFONT font = ::CreateFontW(self->m_nFontHeight, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    self->m_fonts[face] = font;
    return 1;
}

void CFontPreviewCombo::FillFonts() {
    if (!m_hTrueType) {
        HBITMAP bmp = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_TRUETYPE_MARK));
        if (bmp) {
            BITMAP bm;
            ::GetObjectW(bmp, sizeof(bm), &bm);
            m_hTrueType = ImageList_Create(15, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 1);
            if (m_hTrueType) ImageList_AddMasked(m_hTrueType, bmp, RGB(255, 255, 255));
            ::DeleteObject(bmp);
        }
    }
    SendMessage(CB_RESETCONTENT);
    DeleteFonts();
    HDC dc = ::GetDC(m_hWnd);
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExW(dc, &lf, (FONTENUMPROCW)&EnumFace, (LPARAM)this, 0);
    ::ReleaseDC(m_hWnd, dc);
    // Nothing is chosen for the owner: it selects the face it shows, and a
    // face missing here must not turn into the first one of the list.
    SendMessage(CB_SETCURSEL, (WPARAM)-1);
}

CString CFontPreviewCombo::ItemText(int index) const {
    int len = (int)SendMessage(CB_GETLBTEXTLEN, index);
    if (len <= 0) return CString();
    std::wstring buffer((size_t)len + 1, L'\0');
    SendMessage(CB_GETLBTEXT, index, (LPARAM)&buffer[0]);
    return CString(buffer.c_str());
}

void CFontPreviewCombo::MeasureItem(LPMEASUREITEMSTRUCT mis) {
    CString face = ItemText((int)mis->itemID);
    HFONT font = ::CreateFontW(m_nFontHeight, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, face);
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(dc, &tm);
    if (old) ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    if (font) ::DeleteObject(font);
    mis->itemHeight = tm.tmHeight + 4;
}

void CFontPreviewCombo::DrawItem(LPDRAWITEMSTRUCT dis) {
    HDC dc = dis->hDC;
    CRect rc(dis->rcItem);
    if (dis->itemState & ODS_FOCUS) ::DrawFocusRect(dc, &rc);
    if ((int)dis->itemID < 0) return;
    int saved = ::SaveDC(dc);
    bool selected = (dis->itemState & ODS_SELECTED) != 0;
    HBRUSH b = ::CreateSolidBrush(selected ? ::GetSysColor(COLOR_HIGHLIGHT) : ::GetBkColor(dc));
    ::FillRect(dc, &rc, b);
    ::DeleteObject(b);
    if (selected) ::SetTextColor(dc, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    if ((dis->itemData & TRUETYPE_FONTTYPE) && m_hTrueType)
        ImageList_Draw(m_hTrueType, 0, dc, rc.left + 2, rc.top + 1, ILD_TRANSPARENT);
    CString face = ItemText((int)dis->itemID);
    auto it = m_fonts.find(face.str());
    if (it != m_fonts.end() && it->second) ::SelectObject(dc, it->second);
    ::SetBkMode(dc, TRANSPARENT);
    CRect t = rc;
    t.left += 17;
    ::DrawTextW(dc, face, -1, &t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::RestoreDC(dc, saved);
}

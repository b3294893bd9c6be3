#include "notes/MemoDialogTemplate.h"

#include <cwchar>

CMemoDialogTemplate::CMemoDialogTemplate(DWORD style, int cx, int cy, const wchar_t* title) {
    DLGTEMPLATE header = {};
    header.style = style | DS_SETFONT;
    header.cx = (short)cx;
    header.cy = (short)cy;
    const WORD* raw = reinterpret_cast<const WORD*>(&header);
    m_words.assign(raw, raw + sizeof header / sizeof(WORD));
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // the standard dialog class
    AddText(title);
    m_words.push_back(8);  // point size
    AddText(L"Tahoma");
}

void CMemoDialogTemplate::Align() {
    // Items start on a DWORD boundary.
    if (m_words.size() % 2) m_words.push_back(0);
}

void CMemoDialogTemplate::AddText(const wchar_t* text) {
    for (const wchar_t* p = text ? text : L""; *p; ++p) m_words.push_back((WORD)*p);
    m_words.push_back(0);
}

void CMemoDialogTemplate::AddItemHeader(DWORD style, WORD id, int x, int y, int cx, int cy) {
    Align();
    DLGITEMTEMPLATE item = {};
    item.style = style | WS_CHILD;
    item.x = (short)x;
    item.y = (short)y;
    item.cx = (short)cx;
    item.cy = (short)cy;
    item.id = id;
    const WORD* raw = reinterpret_cast<const WORD*>(&item);
    m_words.insert(m_words.end(), raw, raw + sizeof item / sizeof(WORD));
    ++m_items;
    // The count of items lives in the header.
    reinterpret_cast<DLGTEMPLATE*>(m_words.data())->cdit = (WORD)m_items;
}

void CMemoDialogTemplate::Add(ControlClass cls, WORD id, const wchar_t* text, DWORD style, int x, int y, int cx, int cy) {
    AddItemHeader(style, id, x, y, cx, cy);
    m_words.push_back(0xFFFF);
    m_words.push_back((WORD)cls);
    AddText(text);
    m_words.push_back(0);  // no creation data
}

void CMemoDialogTemplate::Add(const wchar_t* cls, WORD id, const wchar_t* text, DWORD style, int x, int y, int cx, int cy) {
    AddItemHeader(style, id, x, y, cx, cy);
    AddText(cls);
    AddText(text);
    m_words.push_back(0);
}

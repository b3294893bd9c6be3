#include "RichEditCtrl.h"

#include <richole.h>

#include <cstring>

BOOL CRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!AfxInitRichEdit2()) return FALSE;
    return CWnd::Create(RICHEDIT_CLASSW, nullptr, style, rect, parent, id);
}

long CRichEditCtrl::GetTextLengthEx(DWORD flags, UINT codePage) const {
    GETTEXTLENGTHEX gtl = {flags, codePage};
    return (long)SendMessage(EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
}

void CRichEditCtrl::SetSel(long start, long end) {
    CHARRANGE range = {start, end};
    SendMessage(EM_EXSETSEL, 0, (LPARAM)&range);
}

void CRichEditCtrl::GetSel(long& start, long& end) const {
    CHARRANGE range = {0, 0};
    SendMessage(EM_EXGETSEL, 0, (LPARAM)&range);
    start = range.cpMin;
    end = range.cpMax;
}

CString CRichEditCtrl::GetSelText() const {
    CHARRANGE range = {0, 0};
    SendMessage(EM_EXGETSEL, 0, (LPARAM)&range);
    long length = range.cpMax - range.cpMin;
    if (length <= 0) return CString();
    CString text;
    wchar_t* buffer = text.GetBufferSetLength((int)length + 1);
    long got = (long)SendMessage(EM_GETSELTEXT, 0, (LPARAM)buffer);
    text.ReleaseBuffer(got < 0 ? 0 : (int)got);
    return text;
}

CString CRichEditCtrl::GetTextRange(long first, long last) const {
    if (last < first) return CString();
    CString text;
    TEXTRANGEW range = {{first, last}, text.GetBufferSetLength((int)(last - first) + 1)};
    long got = (long)SendMessage(EM_GETTEXTRANGE, 0, (LPARAM)&range);
    text.ReleaseBuffer(got < 0 ? 0 : (int)got);
    return text;
}

namespace {
struct MemoryStream {
    const char* data;
    LONG size;
    LONG pos;
    CStringA out;
};

DWORD CALLBACK ReadBytes(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* got) {
    auto s = (MemoryStream*)cookie;
    LONG n = s->size - s->pos;
    if (n > count) n = count;
    if (n > 0) memcpy(buffer, s->data + s->pos, (size_t)n);
    s->pos += n;
    *got = n;
    return 0;
}

DWORD CALLBACK WriteBytes(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written) {
    auto s = (MemoryStream*)cookie;
    s->out.Append((const char*)buffer, count);
    *written = count;
    return 0;
}
}  // namespace

long CRichEditCtrl::StreamInBytes(int format, const CStringA& bytes) {
    MemoryStream s = {bytes.GetString(), bytes.GetLength(), 0, CStringA()};
    EDITSTREAM es = {(DWORD_PTR)&s, 0, ReadBytes};
    return StreamIn(format, es);
}

CStringA CRichEditCtrl::StreamOutBytes(int format) {
    MemoryStream s = {nullptr, 0, 0, CStringA()};
    EDITSTREAM es = {(DWORD_PTR)&s, 0, WriteBytes};
    StreamOut(format, es);
    return s.out;
}

IRichEditOle* CRichEditCtrl::GetIRichEditOle() const {
    IRichEditOle* ole = nullptr;
    SendMessage(EM_GETOLEINTERFACE, 0, (LPARAM)&ole);
    return ole;
}

void CRichEditCtrl::PasteSpecial(UINT format, DWORD aspect, HMETAFILE metafile) {
    REPASTESPECIAL rps = {aspect, (DWORD_PTR)metafile};
    SendMessage(EM_PASTESPECIAL, format, (LPARAM)&rps);
}

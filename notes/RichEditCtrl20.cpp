#include "notes/RichEditCtrl20.h"

namespace {

// riched20.dll is loaded once and kept until the program ends.
struct RichEditLibraries {
    HMODULE v2 = nullptr;
    HMODULE v1 = nullptr;
    RichEditLibraries() {
        v2 = LoadLibraryW(L"riched20.dll");
        if (!v2) v1 = LoadLibraryW(L"riched32.dll");
    }
    ~RichEditLibraries() {
        if (v2) FreeLibrary(v2);
        if (v1) FreeLibrary(v1);
    }
};

RichEditLibraries& Libraries() {
    static RichEditLibraries libraries;
    return libraries;
}

}  // namespace

BOOL CRichEditCtrl20::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (Libraries().v2) {
        m_nVersion = 2;
        if (CWnd::Create(RICHEDIT_CLASSW, L"", style, rect, parent, id)) return TRUE;
    }
    m_nVersion = 1;
    if (!Libraries().v1 && !Libraries().v2) Libraries().v1 = LoadLibraryW(L"riched32.dll");
    return CWnd::Create(L"RICHEDIT", L"", style, rect, parent, id);
}

long CRichEditCtrl20::GetTextLengthEx() const {
    GETTEXTLENGTHEX query = {GTL_NUMCHARS | GTL_PRECISE, 1200};
    return (long)SendMessage(EM_GETTEXTLENGTHEX, (WPARAM)&query, 0);
}

CString CRichEditCtrl20::GetTextRange(long start, long end) const {
    if (end < start) return CString();
    std::wstring buffer((size_t)(end - start) + 1, L'\0');
    TEXTRANGEW range = {{start, end}, &buffer[0]};
    long n = (long)SendMessage(EM_GETTEXTRANGE, 0, (LPARAM)&range);
    return CString(buffer.c_str(), (int)n);
}

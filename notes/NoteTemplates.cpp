#include "notes/NoteTemplates.h"

#include "notes/NoteIds.h"

#include <map>
#include <vector>

namespace {

void AppendText(std::vector<WORD>& out, const wchar_t* text) {
    for (; *text; ++text) out.push_back((WORD)*text);
    out.push_back(0);
}

std::vector<WORD> BuildTemplate(DWORD style, DWORD exStyle, short cx, short cy) {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    DLGTEMPLATE* header = (DLGTEMPLATE*)t.data();
    header->style = style | DS_SETFONT;
    header->dwExtendedStyle = exStyle;
    header->cdit = 0;
    header->cx = cx;
    header->cy = cy;
    t.push_back(0);  // no menu
    t.push_back(0);  // the standard dialog class
    t.push_back(0);  // no caption: texts come from the text table
    t.push_back(8);  // Tahoma 8
    AppendText(t, L"Tahoma");
    return t;
}

}  // namespace

LPCDLGTEMPLATE GetNoteTemplate(UINT id) {
    if (LPCDLGTEMPLATE resource = CDialog::LoadTemplate(MAKEINTRESOURCEW(id))) return resource;
    static std::map<UINT, std::vector<WORD>> built;
    auto it = built.find(id);
    if (it != built.end()) return (LPCDLGTEMPLATE)it->second.data();
    std::vector<WORD> t;
    switch (id) {
    case IDD_TITLE_BAR:
    case IDD_STYLE_BAR: t = BuildTemplate(WS_CHILD | WS_CLIPSIBLINGS, 0, 100, 10); break;
    case IDD_TITLE_INPUT:
        t = BuildTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 200, 62);
        break;
    default: t = BuildTemplate(WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, 100, 80); break;
    }
    return (LPCDLGTEMPLATE)built.emplace(id, std::move(t)).first->second.data();
}

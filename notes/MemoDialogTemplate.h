// CMemoDialogTemplate: a dialog template built in memory (Tahoma 8, dialog
// units), for the group and restore dialogs and the delete confirmations.
// Every caption is a placeholder: the dialogs set their texts from the text
// table when they open.
#pragma once

#include "fw/Afx.h"

#include <vector>

class CMemoDialogTemplate {
public:
    CMemoDialogTemplate(DWORD style, int cx, int cy, const wchar_t* title);

    // Predefined control classes by their system atom.
    enum ControlClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082, ListBox = 0x0083 };
    void Add(ControlClass cls, WORD id, const wchar_t* text, DWORD style, int x, int y, int cx, int cy);
    // A control of a registered window class (list view, rich edit).
    void Add(const wchar_t* cls, WORD id, const wchar_t* text, DWORD style, int x, int y, int cx, int cy);

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }
    int GetItemCount() const { return m_items; }

private:
    void AddItemHeader(DWORD style, WORD id, int x, int y, int cx, int cy);
    void AddText(const wchar_t* text);
    void Align();

    std::vector<WORD> m_words;
    int m_items = 0;
};

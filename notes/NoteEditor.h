// INoteEditor: what the note's text storage needs from the editor that holds
// the text. COleRichEditCtrl implements it; tests use a plain buffer.
#pragma once

#include "fw/Afx.h"

#include <vector>

class INoteEditor {
public:
    virtual ~INoteEditor() = default;
    // The whole text as RTF.
    virtual bool GetRtfBytes(std::vector<BYTE>& rtf) = 0;
    // Replaces the text with the RTF bytes.
    virtual bool LoadRtfBytes(const BYTE* rtf, size_t length) = 0;
    // Replaces the text with the file's RTF; false when the file is missing
    // or could not be read (then OpenFailed tells whether it exists).
    virtual bool LoadRtfFile(const CString& path) = 0;
    // No text at all, in the editor's default format.
    virtual void EmptyText() = 0;
    // The file existed but could not be read: the text must never be
    // written over it.
    virtual bool IsOpenFailed() const = 0;
    virtual bool IsTextModified() const = 0;
    virtual void SetTextModified(bool modified) = 0;
    virtual long GetTextLength() const = 0;
};

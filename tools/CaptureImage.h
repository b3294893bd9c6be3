// Pictures of the screen capture as files: the imaging library's encoder for
// a type, and a picture encoded in memory and then written through the
// program's atomic writer, so a failed save leaves no half-written file.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "fw/Afx.h"

// The index of the first image encoder whose type equals mime exactly (case
// matters), its CLSID in clsid; -1 (and clsid all zeros) when none does.
int GetEncoderClsid(const wchar_t* mime, CLSID* clsid);

// Encodes the picture with the encoder of mime (quality > 0 sets the
// encoder's quality) and writes the file whole. False when there is no such
// encoder, the encoding failed or the file could not be written.
bool SaveCaptureImage(Gdiplus::Bitmap& picture, const CString& path, const CString& mime, int quality);

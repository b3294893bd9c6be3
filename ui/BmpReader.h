// Reads a .bmp file for the bitmap picker: checks every size in its headers
// against the bytes that are really there before a bitmap is made of it.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

#include <vector>

class CBmpReader {
public:
    // The checked layout of a .bmp image held in memory (the whole file).
    struct Layout {
        size_t infoOffset = 0;   // BITMAPINFOHEADER
        size_t bitsOffset = 0;   // pixel data
        int colors = 0;          // palette entries that follow the header
        int width = 0, height = 0;
    };

    // True when the bytes are a bitmap whose headers tell the truth about
    // its sizes: "BM", a 40-byte (or larger) information header, a sane
    // width, height and bit count, a palette and pixel rows that lie wholly
    // inside the file.
    static bool Parse(const std::vector<BYTE>& file, Layout* layout);
    // Reads a file (at most 64 MB) into memory; false when it cannot.
    static bool ReadFile(LPCTSTR path, std::vector<BYTE>* bytes);
    // A device-dependent bitmap made from a checked file on the screen's
    // device context, with the file's palette realised; null on failure.
    static HBITMAP LoadBitmapFile(LPCTSTR path);
};

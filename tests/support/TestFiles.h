// Whole files as byte strings and moments as SYSTEMTIME values, the way the
// tests set up and check what the program reads and writes.
#pragma once

#include "fw/Afx.h"

#include <string>

// The file's bytes; empty when it cannot be opened.
std::string ReadFileBytes(const CString& path);
// Replaces the file with the bytes; false when it cannot be written whole.
bool WriteFileBytes(const CString& path, const std::string& bytes);
// A desktop-widget skin of one box of the colour ("R,G,B,A") filling a
// window of the size given; the sizes tell widgets apart on the screen.
std::string WidgetBoxSkin(int width, int height, const char* colour);
// A local moment with the fields given and the rest zero.
SYSTEMTIME MakeSystemTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                          int milliseconds = 0);

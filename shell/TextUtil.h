// Small text services: UTF-8 to text, splitting lines, filling numbers into
// message templates and the display name of a web site.
#pragma once

#include "fw/Afx.h"

// Converts zero-terminated UTF-8 bytes; null gives an empty text.
void Utf8ToString(const char* bytes, CString& text);
// Appends the lines of the text to the array; each piece keeps its line feed
// (and carriage return), the last piece may be empty, an empty text gives none.
void SplitLines(const CString& text, CStringArray& lines);
// Replaces every occurrence of the token by the number ("%d" / "%02d").
void ReplaceNumber(CString& text, const CString& token, int number);
void ReplaceTwoDigitNumber(CString& text, const CString& token, int number);
// "http://www.example.com/x" gives "Example"; empty when the URL has no "//".
CString GetSiteNameOfUrl(const CString& url);

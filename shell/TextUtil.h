// Small text services: UTF-8 to text, splitting lines, filling numbers into
// message templates, the display name of a web site, reading numbers from
// stored texts and escaping values for XML attributes.
#pragma once

#include "fw/Afx.h"

#include <string>

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
// Reads an optionally signed decimal number after blanks, clamped to int, and
// moves p past it; false (p unmoved) when no digit follows.
bool ScanInt(const wchar_t*& p, int& value);
// The bytes with the characters that would end an attribute or start markup
// written as entities; an XML parser turns them back.
std::string EscapeXmlAttribute(const CStringA& text);
// The same for a text, in the ANSI code page.
std::string EscapeXmlAttribute(const CString& text);

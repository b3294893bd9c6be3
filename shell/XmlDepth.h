// How deep the elements of an XML text nest, measured before the text goes
// to the XML parser. The parser descends once per open element on the
// machine stack, so a file nested many thousand elements deep (a damaged
// settings file, a hostile skin) would end the program; such a file is
// refused as damaged instead.
//
// The measure reads the text the way the parser does (comments, CDATA,
// declarations, quoted attribute values, entities and multi-byte characters
// hide markup from it alike), and counts with both of its ways of stepping
// over characters, so it is never below the depth the parser reaches. It may
// be above it for text the parser gives up on early.
#pragma once

#include <cstddef>
#include <cstdio>

namespace XmlDepth {

// Deeper than any file of ours and well within the stack of every thread
// that reads XML.
const int MaxDepth = 1000;

// How deep the deepest element of the text lies: an element at the top is
// 1 deep, and an empty or broken one counts as well (the parser goes down a
// level before it reads the tag). The text is read no further than size and
// ends at a 0 byte the way the parser's text ends.
int Measure(const char* text, size_t size);

// True when the text nests no deeper than MaxDepth.
bool IsWithinLimit(const char* text, size_t size);

// The same for an open file as the parser reads it from there; the file is
// left at its start. -1, or false, when the file cannot be read.
int MeasureFile(FILE* file);
bool IsFileWithinLimit(FILE* file);

}  // namespace XmlDepth

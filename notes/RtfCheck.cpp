#include "notes/RtfCheck.h"

#include <cstring>

namespace {

bool IsLetter(BYTE c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(BYTE c) { return c >= '0' && c <= '9'; }
bool IsBlank(BYTE c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == 0; }

enum class Walk { Closed, Open, TooDeep };

// Walks the groups from start; Closed when the group open at start closes.
// Escaped braces and the bytes of \binN data are no group marks.
Walk WalkGroups(const BYTE* data, size_t size, size_t start, int maxDepth, bool stopWhenClosed) {
    int depth = 0;
    size_t i = start;
    while (i < size) {
        BYTE c = data[i];
        if (c == '\\') {
            if (i + 1 < size && !IsLetter(data[i + 1])) {
                i += 2;  // \{ \} \\ \' and the other symbols
                continue;
            }
            size_t word = ++i;
            while (i < size && IsLetter(data[i])) ++i;
            bool bin = i - word == 3 && memcmp(data + word, "bin", 3) == 0;
            if (i < size && data[i] == '-') ++i;
            unsigned long long n = 0;
            while (i < size && IsDigit(data[i])) {
                if (n < size) n = n * 10 + (data[i] - '0');
                ++i;
            }
            if (i < size && data[i] == ' ') ++i;
            if (bin) {
                if (n > size - i) return Walk::Open;
                i += (size_t)n;
            }
            continue;
        }
        if (c == '{') {
            if (++depth > maxDepth) return Walk::TooDeep;
        } else if (c == '}') {
            if (depth > 0 && --depth == 0 && stopWhenClosed) return Walk::Closed;
        }
        ++i;
    }
    return depth == 0 ? Walk::Closed : Walk::Open;
}

}  // namespace

RtfShape CheckNoteRtf(const BYTE* data, size_t size, int maxDepth) {
    if (size == 0) return RtfShape::Empty;
    size_t start = 0;
    while (start < size && IsBlank(data[start])) ++start;
    if (size - start < 5 || memcmp(data + start, "{\\rtf", 5) != 0) return RtfShape::NotRtf;
    switch (WalkGroups(data, size, start, maxDepth, true)) {
    case Walk::TooDeep: return RtfShape::TooDeep;
    case Walk::Open: return RtfShape::Cut;
    default: break;
    }
    // Whatever follows the closed group the control ignores, but it must not
    // be the rest of a deeper file.
    return IsRtfDepthSafe(data, size, maxDepth) ? RtfShape::Whole : RtfShape::TooDeep;
}

bool IsRtfDepthSafe(const BYTE* data, size_t size, int maxDepth) {
    return WalkGroups(data, size, 0, maxDepth, false) != Walk::TooDeep;
}

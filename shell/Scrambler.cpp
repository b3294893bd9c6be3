#include "Scrambler.h"

#include <cstring>

namespace {

const char kScrambleKey[] = "472958103647";
// One entry per scrambler function; all point at the same key.
const char* const kScrambleKeys[3] = {kScrambleKey, kScrambleKey, kScrambleKey};
const size_t kKeyLength = 13;  // the 12 digits and their terminating zero
const size_t kBufferSize = 260;

char g_scrambled[kBufferSize];
char g_unscrambled[kBufferSize];

int Shift(const char* key, size_t i) {
    signed char a = (signed char)key[i % kKeyLength];
    signed char b = (signed char)key[(i + 5) % kKeyLength];
    return a + b - 96;
}

bool ScrambleInto(const char* key, const char* text, char* buffer, size_t size) {
    memset(buffer, 0, size);
    size_t length = text ? strlen(text) : 0;
    if (size < 2 * length + 2) return false;
    size_t count = 0;
    for (size_t i = 0; i < length; ++i) {
        unsigned char byte = (unsigned char)~(unsigned char)text[i];
        int shift = Shift(key, i);
        byte = (unsigned char)(i % 2 ? byte + shift : byte - shift);
        if (byte == 0) {
            // Position 0 would put a zero byte inside the result and end it there.
            if (i == 0 || i > 255) {
                memset(buffer, 0, size);
                return false;
            }
            buffer[length + count++] = (char)i;
            byte = 7;
        }
        buffer[i] = (char)byte;
    }
    buffer[length + count] = (char)(count + 7);
    return true;
}

}  // namespace

const char* ScrambleText(const char* text) {
    ScrambleInto(kScrambleKeys[0], text, g_scrambled, kBufferSize);
    return g_scrambled;
}

void ScrambleTextToBuffer(const char* text, char* buffer, size_t bufferSize) {
    if (buffer) ScrambleInto(kScrambleKeys[1], text, buffer, bufferSize);
}

const char* UnscrambleText(const char* scrambled) {
    const char* key = kScrambleKeys[2];
    memset(g_unscrambled, 0, kBufferSize);
    size_t n = scrambled ? strnlen(scrambled, kBufferSize - 1) : 0;
    if (n == 0) return g_unscrambled;
    memcpy(g_unscrambled, scrambled, n);
    size_t trailer = (unsigned char)g_unscrambled[n - 1];
    if (trailer < 7 || trailer - 7 > n - 1) {
        memset(g_unscrambled, 0, kBufferSize);
        return g_unscrambled;
    }
    size_t escapes = trailer - 7;
    size_t length = n - escapes - 1;
    for (size_t j = 0; j < escapes; ++j) {
        size_t position = (unsigned char)g_unscrambled[length + j];
        if (position >= length) {
            memset(g_unscrambled, 0, kBufferSize);
            return g_unscrambled;
        }
        g_unscrambled[position] = 0;
    }
    for (size_t i = 0; i < length; ++i) {
        unsigned char byte = (unsigned char)g_unscrambled[i];
        int shift = Shift(key, i);
        byte = (unsigned char)(i % 2 ? byte - shift : byte + shift);
        g_unscrambled[i] = (char)~byte;
    }
    memset(g_unscrambled + length, 0, kBufferSize - length);
    return g_unscrambled;
}

// The program's own reversible text scrambler. It derives keys from constant
// texts and decodes the few web addresses the program keeps scrambled.
// Scrambled form: the transformed bytes, one byte per position whose byte
// came out as zero (that byte then holds 7), and a trailer of the number of
// such positions plus 7.
#pragma once

#include <cstddef>

// The longest text that always fits the 260-byte result buffers.
const size_t kMaxScrambleLength = 129;

// Scrambles into a program-wide 260-byte buffer, valid until the next call.
// A text that does not fit, or one that cannot be scrambled without a zero
// byte inside the result, gives an empty result.
const char* ScrambleText(const char* text);
// The same into the caller's buffer. A buffer smaller than twice the text's
// length plus two (room for every byte escaped, the trailer and an ending
// zero) is only zeroed.
void ScrambleTextToBuffer(const char* text, char* buffer, size_t bufferSize);
// The text as it was before scrambling, in a second program-wide 260-byte
// buffer. A damaged text (a trailer that does not fit it, an escaped position
// outside it) gives an empty result.
const char* UnscrambleText(const char* scrambled);

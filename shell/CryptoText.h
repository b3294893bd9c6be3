// Short texts under the application key, and password hashes.
#pragma once

#include "fw/Afx.h"

// Three decimal digits per cipher byte (48 per block); at most the first 255
// bytes are encrypted. Empty for an empty text or on failure.
CStringA EncryptString(const CStringA& text);
// Reads at most the first 256 digits; empty when they do not make whole
// blocks or do not decrypt.
CStringA DecryptString(const CStringA& digits);
// SHA-256 of the text's ANSI bytes (with the program's salt appended when
// asked) as 64 lower-case hexadecimal digits.
CString HashPassword(const CString& text, bool appendSalt);

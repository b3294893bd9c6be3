// Little-endian words and double words in the zip records' byte buffers.
#pragma once

#include <windows.h>

inline WORD GetWord(const char* p) { return (WORD)((BYTE)p[0] | ((BYTE)p[1] << 8)); }
inline DWORD GetDword(const char* p) { return (DWORD)GetWord(p) | ((DWORD)GetWord(p + 2) << 16); }
inline void PutWord(char* p, WORD v) { p[0] = (char)(v & 0xFF); p[1] = (char)(v >> 8); }
inline void PutDword(char* p, DWORD v) { PutWord(p, (WORD)(v & 0xFFFF)); PutWord(p + 2, (WORD)(v >> 16)); }

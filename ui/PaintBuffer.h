// CPaintBuffer: one off-screen picture that every paint of a kind of window
// reuses. Making a memory DC and a bitmap for each paint costs more under
// Wine than the drawing itself, and a group of a thousand notes paints a
// thousand times as it opens. Only the thread that paints uses it; a paint
// inside another one takes a buffer of its own.
#pragma once

#include <windows.h>

class CPaintBuffer {
public:
    CPaintBuffer() = default;
    CPaintBuffer(const CPaintBuffer&) = delete;
    CPaintBuffer& operator=(const CPaintBuffer&) = delete;
    ~CPaintBuffer() { Free(); }

    // A memory DC holding a screen-compatible bitmap of at least cx by cy,
    // with the DC's default state; null when none could be made. Every
    // Begin is followed by End before the next one.
    HDC Begin(int cx, int cy);
    void End();
    void Free();

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    int m_cx = 0, m_cy = 0;
    int m_saved = 0;
};

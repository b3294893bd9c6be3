// CCriticalSection and its scoped lock CSingleLock.
#pragma once

#include <windows.h>

class CCriticalSection {
public:
    CCriticalSection() { InitializeCriticalSection(&m_cs); }
    ~CCriticalSection() { DeleteCriticalSection(&m_cs); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;
    void Lock() { EnterCriticalSection(&m_cs); }
    void Unlock() { LeaveCriticalSection(&m_cs); }

private:
    CRITICAL_SECTION m_cs;
};

class CSingleLock {
public:
    explicit CSingleLock(CCriticalSection* cs, bool initialLock = false) : m_cs(cs) {
        if (initialLock) Lock();
    }
    ~CSingleLock() { Unlock(); }
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;
    void Lock() {
        if (!m_locked) { m_cs->Lock(); m_locked = true; }
    }
    void Unlock() {
        if (m_locked) { m_locked = false; m_cs->Unlock(); }
    }
    bool IsLocked() const { return m_locked; }

private:
    CCriticalSection* m_cs;
    bool m_locked = false;
};

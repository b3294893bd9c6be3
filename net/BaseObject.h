// CBaseObject: an object shared between the thread that makes it and the
// worker thread it starts. Its creator hands the only reference to the
// worker, which releases it when it ends; there is no separate add-reference.
#pragma once

#include <atomic>

class CBaseObject {
public:
    CBaseObject() = default;
    virtual ~CBaseObject() = default;
    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;

    // One reference less; the last one deletes the object.
    void Release();

protected:
    std::atomic<int> m_nRefCount{1};
};

// Where remembered lists (the history combo) keep their values: the
// application's profile in the registry, or a map in tests.
#pragma once

#include "fw/Afx.h"

#include <tchar.h>

class IProfileStore {
public:
    virtual ~IProfileStore() = default;
    // The stored text, or an empty one when the value is absent.
    virtual CString Read(LPCTSTR section, LPCTSTR entry) = 0;
    virtual void Write(LPCTSTR section, LPCTSTR entry, LPCTSTR value) = 0;
    // Removes the value; false when there was none.
    virtual bool Delete(LPCTSTR section, LPCTSTR entry) = 0;
};

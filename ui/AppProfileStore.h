// The history's values in the application's profile (the registry key the
// application names at start).
#pragma once

#include "ui/ProfileStore.h"

class CAppProfileStore : public IProfileStore {
public:
    CString Read(LPCTSTR section, LPCTSTR entry) override;
    void Write(LPCTSTR section, LPCTSTR entry, LPCTSTR value) override;
    bool Delete(LPCTSTR section, LPCTSTR entry) override;
    static CAppProfileStore& Instance();
};

// The file class the zip storage uses for archives on disk.
#pragma once

#include "fw/Afx.h"

class CZipDiskFile : public CFile {
};

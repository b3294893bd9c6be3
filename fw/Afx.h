// The framework's core in one include.
#pragma once

#include <windows.h>

#include "Archive.h"
#include "Array.h"
#include "Convert.h"
#include "CriticalSection.h"
#include "Exception.h"
#include "File.h"
#include "Geometry.h"
#include "StringT.h"
#include "Time.h"

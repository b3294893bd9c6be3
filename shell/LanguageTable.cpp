#include "LanguageTable.h"

CLanguageTable g_LanguageTable;

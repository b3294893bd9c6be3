#include "ui/ControlSettings.h"

CControlSettings g_ControlSettings;

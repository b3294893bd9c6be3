#include "ui/FloatingOptions.h"

namespace {
FloatingOptionsProvider s_provider = nullptr;
}

void SetFloatingOptionsProvider(FloatingOptionsProvider provider) { s_provider = provider; }

CFloatingOptions GetFloatingOptions() { return s_provider ? s_provider() : CFloatingOptions(); }

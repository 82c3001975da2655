#pragma once
#include <functional>

#include "platform/seam.h"

namespace platform {
// The system's default sound; tests replace it to count beeps (empty function: the sound).
void Beep();
Seam<std::function<void()>>& BeepSeam();
}  // namespace platform

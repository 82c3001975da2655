#pragma once
#include <functional>

namespace platform {
// The system's default sound; tests replace it to count beeps (empty function: back to the sound).
void Beep();
void SetBeepHandler(std::function<void()> handler);
}  // namespace platform

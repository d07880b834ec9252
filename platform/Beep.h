#pragma once

#include <functional>

// MessageBeep's simple beep.
enum : unsigned { BEEP_SIMPLE = 0xFFFFFFFF };

void AppBeep(unsigned type);

// Tests count beeps; an empty function restores the real beep.
void SetBeepHook(std::function<void(unsigned type)> hook);

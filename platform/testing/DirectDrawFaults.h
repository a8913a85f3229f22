// The fault point of our DirectDraw, for the platform layer only. Every
// DirectDraw operation passes through it first, and the objects report their
// births and deaths, so that tests can count calls, inject failures and see
// that nothing leaks (the test side is in Testing.h).
#pragma once

#include "win32/Win32.h"

namespace testhooks {

// Counts a call of the operation. Returns the result a test armed for this
// call (the operation then returns it and does nothing else), or DD_OK (0).
HRESULT DirectDrawFaultPoint(const char* operation);

enum class DirectDrawKind { Object, Surface, Clipper };

// +1 when an object of the kind is made, -1 when it is freed.
void CountLiveDirectDraw(DirectDrawKind kind, int delta);

}  // namespace testhooks

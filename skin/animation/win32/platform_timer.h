#pragma once
// The engine's timers on the platform: thread timers without a window, delivered through the
// thread's message loop (modal loops included) to the carrier that owns them.
#include "skin/animation/threaded_timer.h"

namespace velmora::skin {

TimerCarriers PlatformTimers();

}  // namespace velmora::skin

#pragma once
// The thread's message loop for tests that wait on timers, counting the timer messages it sees.
#include <windows.h>

namespace velmora::skin::test {

// Pumps for `ms`, or until `done()`; after each timer message `sample()` runs. Answers the timer
// messages seen.
template <typename Done, typename Sample>
int PumpMessages(DWORD ms, Done done, Sample sample) {
  int timerMessages = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms && !done()) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&message);
      if (message.message == WM_TIMER) ++timerMessages, sample();
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
  }
  return timerMessages;
}

inline int PumpMessages(DWORD ms) {
  return PumpMessages(ms, [] { return false; }, [] {});
}

}  // namespace velmora::skin::test

// The real clock for Windows: the performance counter for waiting, local time for the reseed.
#include <cmath>

#include "game/clock.h"
#include "ui/win32/win32.h"

namespace zandor {

double SystemClock::Now() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  // Whole seconds and the remainder apart, so a large count keeps its sub-millisecond part.
  const long long whole = count.QuadPart / frequency.QuadPart;
  const long long rest = count.QuadPart % frequency.QuadPart;
  return static_cast<double>(whole) + static_cast<double>(rest) / static_cast<double>(frequency.QuadPart);
}

void SystemClock::Sleep(double seconds) {
  if (!(seconds > 0)) return;
  // Sleep takes whole milliseconds; rounding up means a caller that loops on Now never spins.
  const double ms = std::ceil(seconds * 1000.0);
  ::Sleep(ms >= 4.0e9 ? 0xFFFFFFFEu : static_cast<DWORD>(ms));
}

float SystemClock::SecondsSinceMidnight() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return static_cast<float>(t.wHour * 3600 + t.wMinute * 60 + t.wSecond) +
         static_cast<float>(t.wMilliseconds) / 1000.0f;
}

}  // namespace zandor

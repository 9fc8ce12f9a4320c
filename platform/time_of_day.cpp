#include <chrono>
#include <ctime>

#include "platform/application.h"

namespace kurvex {

namespace {

// The local wall-clock time of day of `now`, as a fraction of a day.
double WallFraction(std::chrono::system_clock::time_point now) {
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const auto since_second = now - std::chrono::system_clock::from_time_t(t);
  const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                         std::chrono::duration<double>(since_second).count();
  return seconds / 86400.0;
}

struct Anchor {
  std::chrono::steady_clock::time_point mono = std::chrono::steady_clock::now();
  double fraction = WallFraction(std::chrono::system_clock::now());
};

}  // namespace

double TimeOfDay() {
  static const Anchor anchor;
  const auto elapsed = std::chrono::steady_clock::now() - anchor.mono;
  return anchor.fraction + std::chrono::duration<double>(elapsed).count() / 86400.0;
}

}  // namespace kurvex

#include "panels/SteadyCount.h"

#include <algorithm>
#include <limits>

std::int32_t CountedSeconds(std::int32_t before, std::uint64_t startedAt, std::uint64_t now)
{
    constexpr std::uint64_t kMillisecondsPerSecond = 1000;
    constexpr auto kMost = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    const std::uint64_t elapsed = now > startedAt ? now - startedAt : 0;
    const std::uint64_t since = (elapsed + kSecondLeadMilliseconds) / kMillisecondsPerSecond;
    const std::uint64_t counted = static_cast<std::uint64_t>(std::max(before, 0)) + std::min(since, kMost);
    return static_cast<std::int32_t>(std::min(counted, kMost));
}

bool HasCounterRunOut(std::int32_t counted)
{
    constexpr std::int32_t kHundredMinutes = 6000;
    return counted >= kHundredMinutes;
}

std::int32_t TimerSecondsLeft(std::int32_t setSeconds, std::int32_t counted)
{
    return std::max(setSeconds - counted, 0);
}

#include "system/Now.h"

#include <windows.h>

#include <ctime>

std::int64_t WallTime()
{
    return _time64(nullptr);
}

std::uint64_t SteadyTime()
{
    return ::GetTickCount64();
}

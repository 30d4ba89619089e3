#include "app/Now.h"

#include <ctime>

std::int64_t WallTime()
{
    return _time64(nullptr);
}

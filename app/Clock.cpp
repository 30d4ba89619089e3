#include "app/Clock.h"

#include <ctime>

std::int64_t CurrentTime()
{
    return _time64(nullptr);
}

#pragma once
#include "platform/errors/Error.h"

#include <functional>

// The number of the platform::Error that f throws, 0 when it throws none.
inline long errorNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const platform::Error& e) {
        return e.Number;
    }
    return 0;
}

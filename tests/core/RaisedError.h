#pragma once
// The number of the platform::Error that f throws, 0 when it throws none.

#include "platform/errors/Error.h"

template <typename F>
long RaisedError(F&& f)
{
    try {
        f();
    } catch (const platform::Error& e) {
        return e.Number;
    }
    return 0;
}

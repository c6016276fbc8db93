#pragma once
#include "platform/errors/Error.h"

#include <functional>
#include <gtest/gtest.h>

// The number of the platform::Error that f throws, 0 when it throws none.
// Every error carries a text: the clerk sees "Error n: text".
inline long errorNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const platform::Error& e) {
        EXPECT_FALSE(e.Description.isEmpty()) << "error " << e.Number << " has no text";
        return e.Number;
    }
    return 0;
}

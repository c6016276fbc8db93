#pragma once
// A start-up test: de1.conn closed before and after, and the application
// folder given back to the executable's, so that each case starts the
// program as a fresh process would.

#include "core/General.h"
#include "core/de1.h"

#include <gtest/gtest.h>

namespace testsupport {

class StartupFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (de1::conn().State()) de1::conn().Close();
    }
    void TearDown() override
    {
        General::SetAppPath({});
        if (de1::conn().State()) de1::conn().Close();
    }
};

}  // namespace testsupport

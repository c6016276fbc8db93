#pragma once
// The data environment: the one shared connection of the whole program.
#include "platform/ado/Connection.h"

namespace de1 {

ado::Connection& conn();

}  // namespace de1

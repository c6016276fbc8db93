#include "core/de1.h"

namespace de1 {

ado::Connection& conn()
{
    static ado::Connection c;
    return c;
}

}  // namespace de1

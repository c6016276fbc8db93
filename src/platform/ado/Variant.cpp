#include "platform/ado/Variant.h"

namespace ado {

double Variant::toDouble() const
{
    switch (type()) {
    case Type::Integer: return double(integer());
    case Type::Double: return real();
    default: return 0.0;
    }
}

}  // namespace ado

#include "core/MenuPrincipal.h"

namespace MenuPrincipal {
namespace {

std::function<void(bool)>& current()
{
    static std::function<void(bool)> f;
    return f;
}

}  // namespace

void SetHabDeshabMenu(std::function<void(bool)> f) { current() = std::move(f); }

void HabDeshabMenu(bool Habilitar)
{
    if (current()) current()(Habilitar);
}

}  // namespace MenuPrincipal

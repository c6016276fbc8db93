#pragma once
// The list windows switch the main window's menus back on as they close;
// the main window sits above them, so it hands them this switch.
#include <functional>

namespace MenuPrincipal {

void SetHabDeshabMenu(std::function<void(bool)> f);  // the main window, once
void HabDeshabMenu(bool Habilitar);                  // does nothing without a main window

}  // namespace MenuPrincipal

#pragma once
// The modes of an editor's line and payment sections: "nuevo", "modificar"
// and "eliminar" put the section in one, "aceptar" carries it out and
// "cancelar" returns to browsing (no mode).

namespace forms {

enum ModoSeccion : int { ModoNinguno = 0, ModoNuevo = 1, ModoModificar = 2, ModoEliminar = 8 };

}  // namespace forms

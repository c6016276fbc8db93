#pragma once
// The header of an editor: a section toolbar ("nuevo", "modificar",
// "eliminar", "aceptar", "cancelar") over the frame of the header's fields,
// locked while browsing. Unlocking hands the keyboard to the first field the
// clerk can type into; locking hands it to the button the header offers
// next, so that it never stays on a control that has just been disabled.

class QWidget;

namespace forms {

class Toolbar;

// Habilitar true locks the header (browsing), false opens it for editing.
// A new record offers "nuevo", an existing one "modificar".
void HabilitarCabecera(Toolbar& barra, QWidget& marco, bool nuevo, bool Habilitar);

// The first control inside the frame that Tab stops at and that takes
// typing or a choice (not a read-only box); null when there is none.
QWidget* PrimerCampo(QWidget& marco);

}  // namespace forms

#pragma once
// The register of dock prices ("Valores Banquina"): each species' price per
// kilogram from a date of entry into force, newest first. The declaration
// and guide editors price their lines from these rows.

#include "core/FormLista.h"
#include "core/records/clsPrecios.h"

class frmPrecios : public FormLista {
    Q_OBJECT
public:
    frmPrecios();

    forms::DataGrid* grillaPrecios;
    forms::DataControl* adoPrecios;

    // The row handed to the editor for "modificar", made on the first copy.
    std::shared_ptr<clsPrecios> mPrecio;

private:
    void AbrirEditor(int op) override;
    bool CargarSeleccionada() override { return CargarPrecioSeleccionado(); }
    bool CargarPrecioSeleccionado();
    void Borrar() override { BorrarPrecio(); }
    void BorrarPrecio();
};

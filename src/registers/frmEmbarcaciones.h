#pragma once
// The vessel register: every vessel whose declarations the program
// prepares, with its registration, hull and engine data. It opens the
// vessel editor and deletes a vessel that no declaration names.

#include "core/FormLista.h"
#include "core/records/clsEmbarcacion.h"

class frmEmbarcaciones : public FormLista {
    Q_OBJECT
public:
    frmEmbarcaciones();

    forms::DataGrid* grillaEmbaraciones;
    forms::DataControl* adoEmbarcaciones;

    // The record handed to the editor for "modificar": made on the first
    // copy of a row and refilled afterwards.
    std::shared_ptr<clsEmbarcacion> mEmbarcacion;

private:
    void AbrirEditor(int op) override;
    bool CargarSeleccionada() override { return CargarEmbarcacionSeleccionada(); }
    bool CargarEmbarcacionSeleccionada();
    void Borrar() override { BorrarEmbarcacion(); }
    void BorrarEmbarcacion();
};

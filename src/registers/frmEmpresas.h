#pragma once
// The list of the company register: every company with its three
// addresses; it opens the company editor for a new or the selected company
// and deletes a company that no declaration names.

#include "core/FormLista.h"
#include "core/records/clsEmpresa.h"

class frmEmpresas : public FormLista {
    Q_OBJECT
public:
    frmEmpresas();

    forms::DataGrid* grillaEmpresas;
    forms::DataControl* adoEmpresas;

    // The record handed to the editor for "modificar": made on the first
    // copy of a row and refilled afterwards.
    std::shared_ptr<clsEmpresa> mEmpresa;

private:
    void AbrirEditor(int op) override;
    bool CargarSeleccionada() override { return CargarEmpresaSeleccionada(); }
    bool CargarEmpresaSeleccionada();
    void Borrar() override { BorrarEmpresa(); }
    void BorrarEmpresa();
};

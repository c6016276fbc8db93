#pragma once
// The list of the company register: every company with its three
// addresses; it opens the company editor for a new or the selected company
// and deletes a company that no declaration names.

#include "core/records/clsEmpresa.h"
#include "platform/forms/Form.h"

#include <memory>

namespace forms {
class DataControl;
class DataGrid;
class Toolbar;
}  // namespace forms

class frmEmpresas : public forms::Form {
    Q_OBJECT
public:
    frmEmpresas();

    forms::Toolbar* tlbMonedas;
    forms::DataGrid* grillaEmpresas;
    forms::DataControl* adoEmpresas;

    // The record handed to the editor for "modificar": made on the first
    // copy of a row and refilled afterwards.
    std::shared_ptr<clsEmpresa> mEmpresa;

    // Wide enough for the main columns, never wider than the main window's area.
    QSize sizeHint() const override;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& cancel) override;

private:
    void tlbMonedas_ButtonClick(const QString& key);
    void HabilitarBotones();
    void CargarGrilla();
    void FormatearGrilla();
    void CargarEmpresaSeleccionada();
    void BorrarEmpresa();
    void AbrirEditor(int op, const std::shared_ptr<clsEmpresa>& empresa);
};

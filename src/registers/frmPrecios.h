#pragma once
// The register of dock prices ("Valores Banquina"): each species' price per
// kilogram from a date of entry into force, newest first. The declaration
// and guide editors price their lines from these rows.

#include "core/records/clsPrecios.h"
#include "platform/forms/Form.h"

#include <memory>

namespace forms {
class DataControl;
class DataGrid;
class Toolbar;
}  // namespace forms

class frmPrecios : public forms::Form {
    Q_OBJECT
public:
    frmPrecios();

    forms::Toolbar* tlbMonedas;
    forms::DataGrid* grillaPrecios;
    forms::DataControl* adoPrecios;

    // The row handed to the editor for "modificar", made on the first copy.
    std::shared_ptr<clsPrecios> mPrecio;

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
    void CargarPrecioSeleccionado();
    void BorrarPrecio();
    void AbrirEditor(int op, const std::shared_ptr<clsPrecios>& precio);
};

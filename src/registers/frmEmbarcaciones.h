#pragma once
// The vessel register: every vessel whose declarations the program
// prepares, with its registration, hull and engine data. It opens the
// vessel editor and deletes a vessel that no declaration names.

#include "core/records/clsEmbarcacion.h"
#include "platform/forms/Form.h"

#include <memory>

namespace forms {
class DataControl;
class DataGrid;
class Toolbar;
}  // namespace forms

class frmEmbarcaciones : public forms::Form {
    Q_OBJECT
public:
    frmEmbarcaciones();

    forms::Toolbar* tlbMonedas;
    forms::DataGrid* grillaEmbaraciones;
    forms::DataControl* adoEmbarcaciones;

    // The row handed to the editor for "modificar", made on the first copy.
    std::shared_ptr<clsEmbarcacion> mEmbarcacion;

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
    // False, after saying why, when the row does not fit the record.
    bool CargarEmbarcacionSeleccionada();
    void BorrarEmbarcacion();
    void AbrirEditor(int op, const std::shared_ptr<clsEmbarcacion>& embarcacion);
};

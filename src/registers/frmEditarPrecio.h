#pragma once
// The editor of one dock price: species, price per kilogram, date of entry
// into force and the regulation that set it. One window for the program:
// the list calls Operacion again on the open editor.

#include "core/records/clsPrecios.h"
#include "platform/forms/Form.h"

#include <cstdint>
#include <memory>

class QLineEdit;
class ctlNumero;
namespace forms {
class ComboBox;
class DatePicker;
class Toolbar;
}  // namespace forms

class frmEditarPrecio : public forms::Form {
    Q_OBJECT
public:
    frmEditarPrecio();

    // 1 prepares a new price (rec is not read); any other code edits rec.
    void Operacion(std::int32_t op, const std::shared_ptr<clsPrecios>& rec);

    forms::ComboBox* cbo_Especies;
    ctlNumero* txt_precio;
    forms::DatePicker* dtp_FAlta;
    QLineEdit* txtDisposicion;
    forms::Toolbar* toolbar;

protected:
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void toolbar_ButtonClick(const QString& key);
    bool ValidarDatos();
    bool InsertarPrecio();
    bool ActualizarPrecio();
    QString Disposicion() const;  // the reference as SQL: quoted, or null when empty

    std::int32_t mOperacion = 0;
    std::shared_ptr<clsPrecios> mPrecio;
};

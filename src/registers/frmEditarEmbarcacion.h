#pragma once
// The editor of one vessel: number, matrícula, name, type, port, the four
// register dates, hull and tonnage data and the engine. The matrícula
// identifies the vessel and cannot change; the number can. One window for
// the program: the list calls Operacion again on the open editor.

#include "core/records/clsEmbarcacion.h"
#include "platform/forms/Form.h"

#include <cstdint>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class ctlNumero;
namespace forms {
class ComboBox;
class DatePicker;
class Toolbar;
}  // namespace forms

class frmEditarEmbarcacion : public forms::Form {
    Q_OBJECT
public:
    frmEditarEmbarcacion();

    // 1 prepares a new vessel (rec is not read); any other code edits rec.
    void Operacion(std::int32_t op, const std::shared_ptr<clsEmbarcacion>& rec);

    forms::Toolbar* toolbar;
    QLineEdit* txt_IdEmbarcacion;
    QLineEdit* txt_Matricula;
    QLineEdit* txt_nombre;
    forms::ComboBox* cbo_TipoEmb;
    forms::ComboBox* cbo_Puertos;
    QLineEdit* txt_NroCertSeg;
    QCheckBox* chk_convenio;
    QGroupBox* frm_fechas;
    forms::DatePicker* dtp_FInscL7351;
    forms::DatePicker* dtp_FAlta;
    forms::DatePicker* dtp_FBaja;
    forms::DatePicker* dtp_FBotadura;
    QGroupBox* frm_Datos;
    ctlNumero* txt_Eslora;
    QLineEdit* txt_MCasco;
    ctlNumero* txt_Arboladura;
    ctlNumero* txt_Manga;
    ctlNumero* txt_Puntal;
    ctlNumero* txt_Bodega;
    ctlNumero* txt_TonTotal;
    ctlNumero* txt_TonNeto;
    QGroupBox* frm_motor;
    QLineEdit* txt_MarcaMotor;
    QLineEdit* txt_NroMotor;
    QLineEdit* txt_TipoMotor;
    ctlNumero* txt_Potencia;
    ctlNumero* txt_Poder;

protected:
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    void toolbar_ButtonClick(const QString& key);
    bool ValidarDatos();
    bool InsertarEmbarcacion();
    bool ActualizarEmbarcacion();

    std::int32_t mOperacion = 0;
    std::shared_ptr<clsEmbarcacion> mEmbarcacion;
};

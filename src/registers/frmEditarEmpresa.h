#pragma once
// The editor of one company of the register: number, CUIT, name, gross-
// income number, company type, start and end dates, and the fiscal, real
// and legal addresses. One window for the whole program: the list calls
// Operacion again on the open editor.
//
// The code is split by section: frmEditarEmpresa.cpp (layout, loading,
// Operacion, keys, closing), frmEditarEmpresa_Domicilios.cpp (provinces
// and localities of the three addresses), frmEditarEmpresa_Guardar.cpp
// (checks, insert and update).

#include "core/records/clsEmpresa.h"
#include "core/records/colLocalidades.h"
#include "core/records/colProvincias.h"
#include "platform/forms/Form.h"

#include <QString>
#include <cstdint>
#include <memory>

class QGroupBox;
class QLineEdit;
namespace forms {
class ComboBox;
class DatePicker;
class MaskedEdit;
class Toolbar;
}  // namespace forms

class frmEditarEmpresa : public forms::Form {
    Q_OBJECT
public:
    frmEditarEmpresa();
    ~frmEditarEmpresa() override;

    // 1 prepares a new company (rec is not read); any other code the
    // company that rec describes.
    void Operacion(std::int32_t operacion, const std::shared_ptr<clsEmpresa>& rec);

    forms::Toolbar* toolbar;
    QLineEdit* txt_IdEmpresa;
    QLineEdit* txt_CUIT;
    QLineEdit* txt_RSocial;
    forms::ComboBox* cboTipoSociedad;
    forms::MaskedEdit* mskNroInscripcion;
    forms::DatePicker* dtp_FAlta;
    forms::DatePicker* dtp_FBaja;

    QGroupBox* Frame2;  // fiscal address
    QLineEdit* txt_DomicilioFiscal;
    forms::ComboBox* cbo_localidad_DFiscal;
    forms::ComboBox* cbo_provincia_DFiscal;
    QLineEdit* txt_CodPostal_DFiscal;

    QGroupBox* Frame1;  // real address
    QLineEdit* txt_DomicilioReal;
    forms::ComboBox* cbo_localidad_DReal;
    forms::ComboBox* cbo_provincia_DReal;
    QLineEdit* txt_CodPostal_DReal;

    QGroupBox* Frame3;  // legal address
    QLineEdit* txt_DomicilioLegal;
    forms::ComboBox* cbo_localidad_DLegal;
    forms::ComboBox* cbo_provincia_DLegal;
    QLineEdit* txt_CodPostal_DLegal;

    QSize sizeHint() const override;  // within the main window's area

protected:
    void Form_Load() override;
    void Form_KeyPress(int& KeyAscii) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

private:
    // One address block: its frame, street, province, locality and postal code.
    struct Domicilio {
        QGroupBox* frame = nullptr;
        QLineEdit* domicilio = nullptr;
        forms::ComboBox* provincia = nullptr;
        forms::ComboBox* localidad = nullptr;
        QLineEdit* codPostal = nullptr;
    };
    Domicilio crearDomicilio(const QString& titulo, const char* frame, const char* sufijo);

    // Frame (frmEditarEmpresa.cpp)
    void toolbar_ButtonClick(const QString& key);
    void dtp_FAlta_Change();
    void txt_RSocial_KeyPress(int& KeyAscii);
    void mskNroInscripcion_LostFocus();

    // Addresses (frmEditarEmpresa_Domicilios.cpp)
    void CargarProvincias();
    void CargarLocalidades();
    void ProvinciaElegida(const Domicilio& d);
    void LocalidadElegida(const Domicilio& d);

    // Checks and saving (frmEditarEmpresa_Guardar.cpp)
    bool ValidarDatos();
    bool InsertarEmpresa();
    bool ActualizarEmpresa();
    // The values of the statements, by the rules both share.
    QString sqlNroIB() const;
    static QString sqlTexto(const QLineEdit* t);
    static QString sqlId(const forms::ComboBox* c);

    Domicilio mFiscal, mReal, mLegal;
    std::int32_t mOperacion = 0;
    std::shared_ptr<clsEmpresa> mEmpresa;
    std::shared_ptr<colProvincias> mProvincias;
    std::shared_ptr<colLocalidades> mLocalidades;
};

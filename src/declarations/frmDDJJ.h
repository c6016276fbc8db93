#pragma once
// The list of the sworn declarations, where the clerk's work on them
// starts: it opens the editor for a new or the selected declaration,
// deletes one, prints it with the checksum of its export, and exports it
// to the two text files the authority receives (frmDDJJ_Exportar.cpp).

#include "core/records/clsCabDDJJ.h"
#include "platform/forms/Form.h"

#include <QString>
#include <memory>

namespace forms {
class CommonDialog;
class DataControl;
class DataGrid;
class Toolbar;
}  // namespace forms

class frmDDJJ : public forms::Form {
    Q_OBJECT
public:
    frmDDJJ();

    forms::Toolbar* tlbMonedas;
    forms::DataGrid* grillaDJ;
    forms::DataControl* adoDDJJ;
    forms::CommonDialog* ComD;

    // The record handed to the editor for "modificar": made on the first
    // copy of a row and refilled afterwards.
    std::shared_ptr<clsCabDDJJ> mCabDDJJ;
    // The checksum of the last export run, which the printed declaration carries.
    QString MD5Archivos;

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
    void CargarDJSeleccionada();
    void BorrarDJ();
    void GenerarDisco(bool& EnDisco);

    // The selected row's declaration number in its 23 digits.
    QString NroDJSeleccionada();
    QStringList TextosFilaActual();
    // Asks for the export file's place; the dialog's cancel throws 32755.
    QString PedirArchivo(const QString& nombre, const QString& carpeta);

    // The windows this list opens.
    void AbrirEditor(int op, std::shared_ptr<clsCabDDJJ> cab);
    void AbrirVisor(const QString& DJNro, const QString& MD5Files);
};

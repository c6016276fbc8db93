#pragma once
// The list of the sworn declarations, where the clerk's work on them
// starts: it opens the editor for a new or the selected declaration,
// deletes one, prints it with the checksum of its export, and exports it
// to the two text files the authority receives (frmDDJJ_Exportar.cpp).

#include "core/FormLista.h"
#include "core/records/clsCabDDJJ.h"

#include <QString>

namespace forms {
class CommonDialog;
}  // namespace forms

class frmDDJJ : public FormLista {
    Q_OBJECT
public:
    frmDDJJ();

    forms::DataGrid* grillaDJ;
    forms::DataControl* adoDDJJ;
    forms::CommonDialog* ComD;

    // The record handed to the editor for "modificar": made on the first
    // copy of a row and refilled afterwards.
    std::shared_ptr<clsCabDDJJ> mCabDDJJ;
    // The checksum of the last export run, which the printed declaration carries.
    QString MD5Archivos;

private:
    void AbrirEditor(int op) override;
    bool CargarSeleccionada() override { return CargarDJSeleccionada(); }
    bool CargarDJSeleccionada();
    void Borrar() override { BorrarDJ(); }
    void BorrarDJ();
    // "imprimir" and "disco".
    void OtroBoton(const QString& key) override;
    void GenerarDisco(bool& EnDisco);

    // The selected row's declaration number in its 23 digits.
    QString NroDJSeleccionada();
    QStringList TextosFilaActual();
    // Asks for the export file's place; the dialog's cancel throws 32755.
    QString PedirArchivo(const QString& nombre, const QString& carpeta);
    void AbrirVisor(const QString& DJNro, const QString& MD5Files);
};

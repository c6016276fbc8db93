// The export of the selected declaration to its two text files, and the
// checksum of their records that the printed declaration carries.

#include "declarations/frmDDJJ.h"

#include "core/CMD5.h"
#include "core/de1.h"
#include "declarations/ExportRecords.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Trap.h"
#include "platform/text/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

QString frmDDJJ::PedirArchivo(const QString& nombre, const QString& carpeta)
{
    ComD->DialogTitle = QStringLiteral("Guardar como");
    ComD->Filter = QStringLiteral("Texto (*.txt)|*.txt");
    ComD->DefaultExt = QStringLiteral(".txt");
    ComD->InitDir = carpeta;
    ComD->CancelError = true;
    ComD->Flags = forms::cdlOFNOverwritePrompt;
    ComD->FileName = nombre;
    ComD->ShowSave();
    return ComD->FileName;
}

void frmDDJJ::GenerarDisco(bool& EnDisco)
{
    MD5Archivos.clear();
    // Every record of the run in write order; it becomes the checksum only
    // when the run completes, so a failed run never hands records on as one.
    QString registros;
    auto correr = [&] {
        const QStringList fila = TextosFilaActual();
        const QString nroDJ = NroDJSeleccionada();
        const QString cabecera = ExportRecords::Header(fila);
        const QString sufijo = ExportRecords::FileSuffix(fila.value(1), fila.value(2), fila.value(6));

        // A print run works in a folder of its own, never in one the user
        // exports to; the working files go with the folder. Their names are
        // fixed: a matrícula may hold characters a file name cannot.
        std::unique_ptr<QTemporaryDir> trabajo;
        if (!EnDisco) {
            trabajo = std::make_unique<QTemporaryDir>();
            if (!trabajo->isValid()) throw platform::RuntimeError(platform::ErrPathFileAccess);
        }
        auto ruta = [&](const QString& prefijo, const QString& carpeta) {
            if (!EnDisco) return trabajo->filePath(prefijo);
            return PedirArchivo(prefijo + sufijo, carpeta);
        };
        // The checksum is of what the files hold: each record's Windows-1252
        // bytes, one character each, so a "’" or "€" counts as its file byte.
        auto escribir = [&](text::TextFile& f, const QString& registro) {
            f.WriteLine(registro);
            registros += QString::fromLatin1(text::ToWindows1252(registro));
        };

        const QString rutaDJ = ruta(QStringLiteral("DJ"), QDir::homePath());
        {
            text::TextFile f(rutaDJ);
            escribir(f, cabecera);
            ado::Recordset rs;
            rs.Open(ExportRecords::SalesLinesSql(nroDJ), de1::conn());
            for (; !rs.Eof(); rs.MoveNext()) escribir(f, ExportRecords::SalesLine(rs));
            f.Close();
        }
        if (!EnDisco) QFile::remove(rutaDJ);

        // The second dialog starts where the first file went.
        const QString rutaGui = ruta(QStringLiteral("Gui"), QFileInfo(rutaDJ).absolutePath());
        {
            text::TextFile f(rutaGui);
            ado::Recordset guias;
            guias.Open(ExportRecords::GuidesSql(nroDJ), de1::conn());
            for (; !guias.Eof(); guias.MoveNext()) escribir(f, ExportRecords::Guide(guias));
            ado::Recordset lineas;
            lineas.Open(ExportRecords::GuideLinesSql(nroDJ), de1::conn());
            for (; !lineas.Eof(); lineas.MoveNext()) escribir(f, ExportRecords::GuideLine(lineas));
            f.Close();
        }
        if (!EnDisco) QFile::remove(rutaGui);

        MD5Archivos = CMD5().MD5(registros).toUpper();
        if (EnDisco)
            forms::MsgBox(QStringLiteral("La exportación se ha realizado con éxito"), forms::vbInformation,
                          QStringLiteral("Atención"));
    };
    // A cancelled dialog ends the run quietly, and so does any failure of a
    // print run; any other failure of an export tells the clerk why.
    if (EnDisco)
        forms::Atrapar(correr, platform::ErrCancel, [] {});
    else
        forms::Ignorar(correr);
}

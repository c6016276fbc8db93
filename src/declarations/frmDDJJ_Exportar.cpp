// The export of the selected declaration to its two text files, and the
// checksum of their records that the printed declaration carries.

#include "declarations/frmDDJJ.h"

#include "core/CMD5.h"
#include "core/General.h"
#include "core/de1.h"
#include "core/schema/Vistas.h"
#include "declarations/ExportRecords.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Trap.h"
#include "platform/text/NewFile.h"
#include "platform/text/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

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
        const QString sufijo = ExportRecords::FileSuffix(fila.value(PES_VW_CAB_DDJJ7351::PCDJ_ANIO),
                                                         fila.value(PES_VW_CAB_DDJJ7351::PCDJ_MES),
                                                         fila.value(PES_VW_CAB_DDJJ7351::PBAR_MATRICULA));

        // A print run only needs the checksum: its records go to no file,
        // so it can neither touch the clerk's files nor leave any behind.
        // An export's two files change together: neither replaces an old
        // file until both are whole on disk (see FileGroup).
        std::optional<text::FileGroup> grupo;
        if (EnDisco) grupo.emplace(General::AppPath());
        std::optional<text::TextFile> archivo;
        auto abrir = [&](const QString& prefijo, const QString& carpeta) {
            if (!EnDisco) return QString();
            const QString ruta = PedirArchivo(prefijo + sufijo, carpeta);
            archivo.emplace(*grupo, ruta);
            return ruta;
        };
        // The checksum is of what the files hold: each record's Windows-1252
        // bytes, one character each, so a "’" or "€" counts as its file byte.
        auto escribir = [&](const QString& registro) {
            if (archivo) archivo->WriteLine(registro);
            registros += QLatin1StringView(text::ToWindows1252(registro));
        };
        auto cerrar = [&] {
            if (archivo) archivo->Close();
            archivo.reset();
        };

        const QString rutaDJ = abrir(QStringLiteral("DJ"), QDir::homePath());
        {
            escribir(cabecera);
            ado::Recordset rs;
            rs.Open(ExportRecords::SalesLinesSql(nroDJ), de1::conn());
            const ExportRecords::Records lineasDJ(ExportRecords::Records::Kind::SalesLine, rs);
            for (; !rs.Eof(); rs.MoveNext()) escribir(lineasDJ.Current());
            cerrar();
        }

        // The second dialog starts where the first file went. Leaving it
        // (a cancel) keeps the whole DJ file alone, as the clerk chose.
        try {
            abrir(QStringLiteral("Gui"), QFileInfo(rutaDJ).absolutePath());
        } catch (const platform::Error&) {
            if (grupo) grupo->Commit();
            throw;
        }
        {
            ado::Recordset guias;
            guias.Open(ExportRecords::GuidesSql(nroDJ), de1::conn());
            const ExportRecords::Records guia(ExportRecords::Records::Kind::Guide, guias);
            for (; !guias.Eof(); guias.MoveNext()) escribir(guia.Current());
            ado::Recordset lineas;
            lineas.Open(ExportRecords::GuideLinesSql(nroDJ), de1::conn());
            const ExportRecords::Records lineaGuia(ExportRecords::Records::Kind::GuideLine, lineas);
            for (; !lineas.Eof(); lineas.MoveNext()) escribir(lineaGuia.Current());
            cerrar();
        }
        if (grupo) grupo->Commit();

        MD5Archivos = CMD5().MD5(registros).toUpper();
        if (EnDisco)
            forms::MsgBox(QStringLiteral("La exportación se ha realizado con éxito"), forms::vbInformation,
                          QStringLiteral("Atención"));
    };
    // A cancelled dialog ends the run quietly, and so does any failure of a
    // print run but a damaged database, which goes on up to the print so
    // that no form leaves with a checksum of records it could not read; any
    // other failure of an export tells the clerk why.
    if (EnDisco)
        forms::Atrapar(correr, platform::ErrCancel, [] {});
    else
        forms::IgnorarSalvo(correr, ado::Causa::Danada);
}

#pragma once
// The printed sworn declaration: its identification, the sales lines, the
// totals, the transit guides (a subreport) and the signatures; every page
// footer carries the declaration's payment code and the checksum of its
// export, each as barcode and as grouped text.

#include "platform/report/Report.h"

#include <QString>
#include <QStringList>

namespace barcode {
class Barcode;
}

class crDJ : public report::Report {
public:
    // The viewer window's barcode controls and its checksum text.
    crDJ(barcode::Barcode& Barcode, barcode::Barcode& BarcodeMD5, const QString& MD5Files);

    report::Section* PageFooterSection1;
    report::SubreportObject* subGuias;
    report::PictureObject* picCodigo;
    report::TextObject* txtCodigo;
    report::TextObject* txtAviso;  // why there is no payment code
    report::PictureObject* picMD5;
    report::TextObject* txtMD5;

    // Why the declaration prints without its payment code (empty when it has one).
    QStringList Avisos() const;

    void Layout() override;

private:
    void PageFooterSection1_Format();
    QString ArmarCodigoBarras();
    void Encabezado();
    void Detalle();
    void Totales();
    void Guias();
    void Firmas();
    void Pie();

    barcode::Barcode& m_barcode;
    barcode::Barcode& m_barcodeMD5;
    const QString& m_md5;
    QString m_problema;  // of the last code built
    QString m_aviso;
    bool m_enTotales = false;  // past the sales lines: the page header drops their captions
    bool m_enGuias = false;    // among the guides: the page header shows theirs
    report::Section* m_cabecera = nullptr;
};

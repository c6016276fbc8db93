#pragma once
// The printed forms opened as the clerk opens them, on a fresh database
// with the sample registers and one declaration with its lines, guides and
// payment slips put in with SQL.

#include "core/Utiles.h"
#include "declarations/ListFixture.h"
#include "declarations/reports/CodigoPago.h"
#include "declarations/reports/frmLisBolDeposito.h"
#include "declarations/reports/frmLisDJ.h"
#include "platform/report/Viewer.h"
#include "support/Pdf.h"

#include "platform/text/Text.h"

#include <QLabel>
#include <QMdiSubWindow>

namespace reportstest {

using listtest::exec;

// The declaration every test starts from: vessel "123", company 30708123451, May 2006, rate 3.
const QString kNro = QStringLiteral("30708123451012320060501");

inline QString num(double v) { return QString::number(v, 'g', 17); }

inline void insertLine(const QString& nro, int n, int species, double kg, double price)
{
    exec(QStringLiteral("INSERT INTO LNV_PES_TB_DET_DDJJ7351 VALUES ('%1', %2, %3, %4, %5, %6)")
             .arg(nro)
             .arg(n)
             .arg(species)
             .arg(num(kg), num(price), num(text::Round(kg * price, 2))));
}

inline void insertGuide(const QString& nro, const QString& guia, const QString& fecha)
{
    exec(QStringLiteral("INSERT INTO LNV_PES_TB_GUIAS_TRANSPORTE VALUES ('%1', '%2', '%3', 12, 44, 26, "
                        "'PLANTA PESQUERA DEL SUR', 120, 1400, 1544, 3, 46.32)")
             .arg(nro, guia, fecha));
}

struct Pago {
    int n = 1;
    int anio = 2006, mes = 5;
    double importe = 1500, intereses = 0, multa = 0;
};

inline void insertPayment(const QString& nro, const Pago& p)
{
    const double total = p.importe + p.intereses + p.multa;
    exec(QStringLiteral("INSERT INTO LNV_PES_TB_PAGOS_DDJJ7351 VALUES ('%1', %2, %3, %4, %5, %6, %7, %8, "
                        "'00012345', 'BANCO DEL CHUBUT', 0, NULL, NULL, 0)")
             .arg(nro)
             .arg(p.n)
             .arg(p.anio)
             .arg(p.mes)
             .arg(num(p.importe), num(p.intereses), num(p.multa), num(total)));
}

// The grouped digits as printed, back to the code.
inline QString digitsOf(const QString& grouped) { return QString(grouped).remove(QLatin1Char(' ')); }

// A body of 79 digits and its check digit.
inline QString code(const QString& body) { return body + Utiles::DigitoVerificadorBarras(body); }

class ReportsTest : public listtest::ListWindowTest {
protected:
    void SetUp() override
    {
        ListWindowTest::SetUp();
        listtest::Decl d;
        d.nro = kNro;
        d.importe = 45;
        d.intereses = 2.5;
        d.multa = 1;
        d.total = 48.5;
        d.mtoVtas = 1500;
        listtest::insertDeclaration(d);
    }
    void TearDown() override
    {
        forms::SetCommonDialogHook({});
        ListWindowTest::TearDown();
    }

    frmLisBolDeposito& openSlips(const QString& nro)
    {
        auto& v = forms::Form::Instance<frmLisBolDeposito>();
        v.IdInstrumento(nro);
        v.Show();
        testsupport::Settle();
        return v;
    }

    // Saves what the viewer shows through its "pdf" button; returns the file.
    QString savePdf(report::Viewer* viewer, const QString& name)
    {
        const QString path = QDir(db.folder()).filePath(name);
        QFile::remove(path);  // no replace question
        forms::SetCommonDialogHook([path](const forms::CommonDialog&) -> std::optional<QString> { return path; });
        viewer->tlbVisor->Buttons(QStringLiteral("pdf")).widget()->click();
        testsupport::Settle();
        forms::SetCommonDialogHook({});
        return path;
    }

    // Another window takes the activation, then the viewer gets it back.
    void reactivate(forms::Form& viewer)
    {
        openList();
        viewer.Show();
        testsupport::Settle();
    }
};

}  // namespace reportstest

#include "declarations/reports/frmLisDJ.h"

#include "core/General.h"
#include "core/de1.h"
#include "declarations/reports/Visor.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/MousePointer.h"
#include "platform/forms/Trap.h"
#include "platform/report/Viewer.h"

#include <QVBoxLayout>

frmLisDJ::frmLisDJ()
{
    setObjectName(QStringLiteral("frmLisDJ"));
    setCaption(QStringLiteral("Declaración Jurada"));
    CRViewer91 = new report::Viewer(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CRViewer91);
}

frmLisDJ::~frmLisDJ() = default;

QSize frmLisDJ::sizeHint() const { return visor::Tamanio(); }

void frmLisDJ::Form_Load()
{
    Move(0, 0);
    forms::SetMousePointer(forms::vbHourglass);
}

void frmLisDJ::Form_Activate()
{
    forms::SetMousePointer(forms::vbHourglass);
    // The number as the list gives it, quoted so that no text can change the statement.
    const QString nro = General::DuplicarComillas(m_nro);
    const QString sql = QStringLiteral("select * from PES_VW_DJ7351 where PCDJ_NRO='") + nro + QStringLiteral("'");
    auto rs = std::make_unique<ado::Recordset>();
    if (!Report) Report = std::make_unique<crDJ>(Barcode, BarcodeMD5, m_md5);
    Report->DiscardSavedData();

    // From here on a failure is passed over: the viewer shows what it can;
    // a damaged database is told.
    if (forms::Ignorar([&] { rs->Open(sql, de1::conn(), ado::adOpenStatic, ado::adLockOptimistic); },
                       ado::Causa::Danada, m_danadaMostrada)) {
        auto guias = std::make_unique<ado::Recordset>();
        const QString sqlGuias =
            QStringLiteral("select * from PES_VW_GUIAS_REPORTE where PCDJ_NRO='") + nro + QStringLiteral("'");
        if (forms::Ignorar([&] { guias->Open(sqlGuias, de1::conn(), ado::adOpenStatic, ado::adLockOptimistic); },
                           ado::Causa::Danada, m_danadaMostrada))
            forms::Ignorar([&] {
                Report->SetDataSource(*rs);
                for (report::Section* s : Report->Sections())
                    for (report::ReportObject* o : s->ReportObjects())
                        if (o->Kind() == report::ObjectKind::Subreport)
                            static_cast<report::SubreportObject*>(o)->OpenSubreport().SetDataSource(*guias);
            });
    }
    forms::Ignorar([&] { rs->Close(); });
    rs.reset();
    Report->txtMD5->SetText(m_md5);
    forms::Ignorar([&] {
        CRViewer91->setReportSource(Report.get());
        CRViewer91->ViewReport();
    });
    forms::SetMousePointer(forms::vbDefault);

    visor::Avisar(Report->Avisos(),
                  QStringLiteral("La declaración se imprime sin código de barras ni dígitos de pago, porque su código "
                                 "de pago no puede armarse con 80 dígitos:"),
                  m_avisoMostrado);
}

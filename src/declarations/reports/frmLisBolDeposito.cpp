#include "declarations/reports/frmLisBolDeposito.h"

#include "core/General.h"
#include "core/de1.h"
#include "declarations/reports/Visor.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/MousePointer.h"
#include "platform/forms/Trap.h"
#include "platform/report/Viewer.h"
#include "platform/text/Text.h"

#include <QVBoxLayout>

frmLisBolDeposito::frmLisBolDeposito()
{
    setObjectName(QStringLiteral("frmLisBolDeposito"));
    setCaption(QStringLiteral("Boletas de Depósito"));
    CRViewer91 = new report::Viewer(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CRViewer91);
}

frmLisBolDeposito::~frmLisBolDeposito() = default;

QSize frmLisBolDeposito::sizeHint() const { return visor::Tamanio(); }

void frmLisBolDeposito::Form_Load()
{
    Move(0, 0);
    forms::SetMousePointer(forms::vbHourglass);
}

void frmLisBolDeposito::Form_Activate()
{
    forms::SetMousePointer(forms::vbHourglass);
    const QString nro = text::PadLeft(m_nro, 23, QChar('0'));
    const QString sql = QStringLiteral("select * from PES_VW_BOLETA_PAGO where PCDJ_NRO='")
        + General::DuplicarComillas(nro) + QStringLiteral("'");
    auto rs = std::make_unique<ado::Recordset>();
    if (!Report) Report = std::make_unique<CrBDLey7351>(Barcode);
    Report->DiscardSavedData();

    // From here on a failure is passed over: the viewer shows what it can;
    // a damaged database is told.
    if (forms::Ignorar([&] { rs->Open(sql, de1::conn(), ado::adOpenStatic, ado::adLockOptimistic); },
                       ado::Causa::Danada, m_danadaMostrada))
        forms::Ignorar([&] {
            Report->SetDataSource(*rs);
            Report->ReadRecords();
        });
    forms::Ignorar([&] { rs->Close(); });
    rs.reset();
    for (report::TextObject* t : Report->txtNroDJ) t->SetText(nro);
    forms::Ignorar([&] {
        CRViewer91->setReportSource(Report.get());
        CRViewer91->ViewReport();
    });
    forms::SetMousePointer(forms::vbDefault);

    visor::Avisar(Report->Avisos(),
                  QStringLiteral("Estas boletas se imprimen sin código de barras ni dígitos de pago, porque su código "
                                 "de pago no puede armarse con 80 dígitos:"),
                  m_avisoMostrado);
}

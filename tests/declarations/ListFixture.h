#pragma once
// The declaration list opened as the clerk opens it: the main window shown,
// its menu item chosen, on a fresh database with the sample registers.

#include "core/de1.h"
#include "declarations/frmDDJJ.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Toolbar.h"
#include "support/Support.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <optional>

namespace listtest {

// A declaration header over the sample vessel "123" and company 1 unless told.
struct Decl {
    QString nro;
    int anio = 2006;
    int mes = 5;
    int barId = 1;
    QString matricula = QStringLiteral("123");
    QString nombre = QStringLiteral("DON JUAN CARLOS");
    int empId = 1;
    qint64 cuit = 30708123451;
    QString rsocial = QStringLiteral("PESQUERA PUNTA NINFAS S.A.");
    double mtoVtas = 0, alicuota = 3, importe = 0, intereses = 0, multa = 0, total = 0;
    QString estado = QStringLiteral("N");
    int tipo = 1;
    qint64 nroDoc = 20123456;
};

inline void exec(const QString& sql) { de1::conn().Execute(sql); }

inline void insertDeclaration(const Decl& d)
{
    auto n = [](double v) { return QString::number(v, 'g', 17); };
    exec(QStringLiteral("INSERT INTO LNV_PES_TB_CAB_DDJJ7351 (PCDJ_NRO, PCDJ_ANIO, PCDJ_MES, PPTO_ID, PBAR_ID, "
                        "PBAR_MATRICULA, PBAR_NOMBRE, PEMP_ID, PEMP_CUIT, PEMP_RSOCIAL, PCDJ_ALICUOTA, "
                        "PCDJ_INTERESES, PCDJ_MULTA, PCDJ_TOTAL, PEDJ_ID, PTDJ_ID, PCDJ_RESP, GTDC_ID, "
                        "PCDJ_NRODOC, PCAR_ID, PCDJ_MTOVTAS, PCDJ_IMPORTE) VALUES ('%1', %2, %3, 12, %4, '%5', "
                        "'%6', %7, %8, '%9', ")
             .arg(d.nro)
             .arg(d.anio)
             .arg(d.mes)
             .arg(d.barId)
             .arg(d.matricula, d.nombre)
             .arg(d.empId)
             .arg(d.cuit)
             .arg(d.rsocial)
         + QStringLiteral("%1, %2, %3, %4, '%5', %6, 'JUAN PEREZ', 'DNI', %7, 1, %8, %9)")
               .arg(n(d.alicuota), n(d.intereses), n(d.multa), n(d.total), d.estado)
               .arg(d.tipo)
               .arg(d.nroDoc)
               .arg(n(d.mtoVtas), n(d.importe)));
}

inline long count(const QString& sqlCount)
{
    ado::Recordset rs;
    rs.Open(sqlCount, de1::conn());
    return long(rs(0).integer());
}

// Answers the Save dialogs: the proposed name inside `folder`, or a cancel
// for the dialog numbered `cancelAt` (1-based); records what each showed.
// A dialog that comes back with a full path (its replace question declined)
// is cancelled, so a test that fails there ends instead of looping.
class SaveDialogs {
public:
    struct Shown {
        QString title, filter, defaultExt, startFolder, proposed;
        long flags;
    };
    explicit SaveDialogs(const QString& folder, int cancelAt = 0)
    {
        forms::SetCommonDialogHook([this, folder, cancelAt](const forms::CommonDialog& d) -> std::optional<QString> {
            shown.push_back({d.DialogTitle, d.Filter, d.DefaultExt, d.StartFolder(), d.FileName, d.Flags});
            if (int(shown.size()) == cancelAt) return std::nullopt;
            if (QFileInfo(d.FileName).isAbsolute()) return std::nullopt;
            return QDir(folder).filePath(QFileInfo(d.FileName).fileName());
        });
    }
    ~SaveDialogs() { forms::SetCommonDialogHook({}); }
    std::vector<Shown> shown;
};

class ListWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = &MDIPrincipal::Instance();
        main->Show();
        testsupport::Settle();
    }
    void TearDown() override
    {
        delete MDIPrincipal::Existing();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmDDJJ& openList()
    {
        main->op_DDJJ->trigger();
        testsupport::Settle();
        frmDDJJ* f = forms::Form::Existing<frmDDJJ>();
        if (!f) throw std::runtime_error("the list did not open");
        return *f;
    }
    static forms::Button button(frmDDJJ& f, const char* key) { return f.tlbMonedas->Buttons(QString::fromLatin1(key)); }
    static void click(frmDDJJ& f, const char* key)
    {
        button(f, key).widget()->click();
        testsupport::Settle();
    }
    // Clicks the grid row that holds the declaration number, as the clerk would.
    static void selectDeclaration(frmDDJJ& f, const QString& nro)
    {
        forms::DataGrid* g = f.grillaDJ;
        for (int r = 0; r < g->model()->rowCount(); ++r) {
            const QModelIndex i = g->model()->index(r, 0);
            if (g->model()->data(i).toString() != nro) continue;
            g->scrollTo(i);
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
            testsupport::Settle();
            return;
        }
        throw std::runtime_error("declaration not in the list: " + nro.toStdString());
    }
    bool menusEnabled() const
    {
        return main->op_archivo->menuAction()->isEnabled() && main->op_Tablas->menuAction()->isEnabled()
            && main->op_DJ->menuAction()->isEnabled();
    }

    testsupport::TempDb db{true};
    MDIPrincipal* main = nullptr;
};

}  // namespace listtest

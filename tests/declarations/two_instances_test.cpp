// Two instances of the program on one file, as a clerk who started it
// twice would use them: each is a child process that opens the real
// windows and obeys commands from the test, one line each, answering with
// the messages its windows showed. Whatever either saves, the stored
// totals are what the stored rows give, neither changes or deletes a row
// of the other's, and every save overtaken by the other says so.
//
// DJ_TRIALS sets how many times each case runs (1 unless set).
#include "editor_fixture.h"
#include "guias_fixture.h"

#include "core/General.h"
#include "core/controls/ctlNumero.h"
#include "core/de1.h"
#include "declarations/Renglones.h"
#include "declarations/frmDDJJ.h"
#include "declarations/frmEditarGuias.h"
#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/TabbedDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/text/Text.h"
#include "registers/frmEditarEmpresa.h"
#include "registers/frmEmpresas.h"
#include "support/WindowTest.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <string>

using namespace guiastest;

namespace {

constexpr qint64 kCuit = 20123456786LL;
constexpr qint64 kCuitSola = 30708123451LL;  // a company no declaration names
const QString kGuia = QStringLiteral("G1");

// ---------------------------------------------------------------- the child

struct Detenido {
    std::string que;
};

void pulsar(forms::Toolbar* tb, const char* key)
{
    QToolButton* b = tb->Buttons(QString::fromLatin1(key)).widget();
    if (!b->isEnabled()) throw Detenido{tb->objectName().toStdString() + " " + key + " deshabilitado"};
    QTest::mouseClick(b, Qt::LeftButton);
    testsupport::Settle();
}

void elegirEspecie(forms::ComboBox* cbo, int especie)
{
    for (int i = 0; i < cbo->ListCount(); ++i)
        if (cbo->ItemData(i) == especie) {
            cbo->setListIndex(i);
            return;
        }
    throw Detenido{"especie no ofrecida"};
}

// Shows the tab, clicked as the clerk does (another one first when it is the shown one).
void mostrarTab(forms::TabbedDialog* t, int tab)
{
    if (t->Tab() == tab) t->setTab(tab == 0 ? 1 : 0);
    t->setTab(tab);
    testsupport::Settle();
}

// Goes to the tab unless it is the shown one: what it shows stays as read.
void irATab(forms::TabbedDialog* t, int tab)
{
    if (t->Tab() == tab) return;
    t->setTab(tab);
    testsupport::Settle();
}

frmEditarDJ& dj() { return forms::Form::Instance<frmEditarDJ>(); }
frmEditarGuias& guia() { return forms::Form::Instance<frmEditarGuias>(); }

// One command: its words separated by blanks. What is shown is answered
// on the next line beginning "@@".
QString obedecer(const QStringList& w)
{
    const QString& c = w[0];
    const auto num = [&](int i) { return w.value(i).toDouble(); };
    if (c == QLatin1String("abrir")) {
        dj().Operacion(2, testsupport::recordOf(kNro));
        dj().Show();
        testsupport::Settle();
    } else if (c == QLatin1String("tab")) {
        mostrarTab(dj().SSTab1, w[1].toInt());
        return {};
    } else if (c == QLatin1String("linea")) {
        irATab(dj().SSTab1, 1);
        pulsar(dj().tlb_detalle, "nuevo");
        elegirEspecie(dj().cbo_Especies, w[1].toInt());
        dj().txt_kg->setValue(num(2));
        dj().txt_precio->setValue(num(3));
        dj().txt_MtoTotal->setValue(num(2) * num(3));
        pulsar(dj().tlb_detalle, "aceptar");
    } else if (c == QLatin1String("linea_mod") || c == QLatin1String("linea_borrar")) {
        // On the grid as this window read it: no reload first.
        testsupport::WindowTest::clickRowHolding(dj().grilla_detalle, 1, w[1]);
        const bool borrar = c == QLatin1String("linea_borrar");
        pulsar(dj().tlb_detalle, borrar ? "eliminar" : "modificar");
        if (!borrar) {
            dj().txt_kg->setValue(num(2));
            dj().txt_MtoTotal->setValue(num(2) * dj().txt_precio->Value());
        }
        pulsar(dj().tlb_detalle, "aceptar");
    } else if (c == QLatin1String("cab")) {
        pulsar(dj().tlb_cabecera, "modificar");
        if (w.value(1) == QLatin1String("tasa")) testsupport::WindowTest::pick(dj().cbo_Alicuota, w[2] + '%');
        if (w.value(1) == QLatin1String("interes")) dj().txt_Interes->setValue(num(2));
        pulsar(dj().tlb_cabecera, "aceptar");
    } else if (c == QLatin1String("ventana") || c == QLatin1String("salir")) {
        pulsar(dj().toolbar, c == QLatin1String("ventana") ? "aceptar" : "salir");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return forms::Form::Existing<frmEditarDJ>() ? QStringLiteral("abierto") : QStringLiteral("cerrado");
    } else if (c == QLatin1String("pago") || c == QLatin1String("pago_mod") || c == QLatin1String("pago_borrar")) {
        irATab(dj().SSTab1, 3);
        const bool nuevo = c == QLatin1String("pago");
        if (!nuevo) testsupport::WindowTest::clickRowHolding(dj().grilla_pagos, 1, w[1]);
        pulsar(dj().tlb_BoletadePago, nuevo ? "nuevo" : c == QLatin1String("pago_mod") ? "modificar" : "eliminar");
        if (c != QLatin1String("pago_borrar")) {
            const double importe = num(nuevo ? 1 : 2);
            for (ctlNumero* n : {dj().txt_ImportePg, dj().txt_TotalPg, dj().nroEfectivo}) n->setValue(importe);
            for (ctlNumero* n : {dj().txt_InteresPg, dj().txt_MultaPg, dj().nroCheque1_Monto, dj().nroCheque2_Monto})
                n->setValue(0);
        }
        pulsar(dj().tlb_BoletadePago, "aceptar");
    } else if (c == QLatin1String("guia")) {
        mostrarTab(dj().SSTab1, 2);
        testsupport::WindowTest::clickRowHolding(dj().grilla_guias, 1, w[1]);
        pulsar(dj().tlb_guias, "modificar");
    } else if (c == QLatin1String("guia_linea")) {
        irATab(guia().SSTab1, 1);
        pulsar(guia().tlb_detalle, "nuevo");
        elegirEspecie(guia().cbo_Especies, w[1].toInt());
        guia().txt_cajones->setValue(num(2));
        guia().txt_kg->setValue(num(3));
        guia().txt_precio->setValue(num(4));
        guia().txt_MtoTotal->setValue(num(3) * num(4));
        pulsar(guia().tlb_detalle, "aceptar");
    } else if (c == QLatin1String("guia_cab")) {
        guia().SSTab1->setTab(0);
        testsupport::Settle();
        pulsar(guia().tlb_cabecera, "modificar");
        pulsar(guia().tlb_cabecera, "aceptar");
    } else if (c == QLatin1String("guia_borrar")) {
        dj().Show();
        mostrarTab(dj().SSTab1, 2);
        testsupport::WindowTest::clickRowHolding(dj().grilla_guias, 1, w[1]);
        pulsar(dj().tlb_guias, "eliminar");
    } else if (c == QLatin1String("dj_borrar")) {
        frmDDJJ& l = forms::Form::Instance<frmDDJJ>();
        l.Show();
        testsupport::Settle();
        testsupport::WindowTest::clickRowHolding(l.grillaDJ, 0, kNro);
        pulsar(l.tlbMonedas, "borrar");
        l.Unload();
    } else if (c == QLatin1String("empresa") || c == QLatin1String("empresa_borrar")) {
        frmEmpresas& l = forms::Form::Instance<frmEmpresas>();
        l.Show();
        testsupport::Settle();
        testsupport::WindowTest::clickRowHolding(l.grillaEmpresas, 1, w[1]);
        pulsar(l.tlbMonedas, c == QLatin1String("empresa") ? "modificar" : "borrar");
        if (c == QLatin1String("empresa_borrar")) l.Unload();
    } else if (c == QLatin1String("empresa_aceptar")) {
        frmEditarEmpresa* e = forms::Form::Existing<frmEditarEmpresa>();
        if (!e) throw Detenido{"sin editor de empresa"};
        pulsar(e->toolbar, "aceptar");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return forms::Form::Existing<frmEditarEmpresa>() ? QStringLiteral("abierto") : QStringLiteral("cerrado");
    } else if (c == QLatin1String("mostrar")) {
        QStringList v;
        for (ctlNumero* n : {dj().txt_TotalGralVtas, dj().txt_Importe, dj().txt_TotalAdeudado, dj().nroAfavorL7351,
                             dj().nroSumatoriaPagos, dj().txt_MtoGralVtas})
            v << QString::number(n->Value(), 'f', 2);
        return v.join(QLatin1Char(' '));
    } else {
        throw Detenido{"orden desconocida"};
    }
    return {};
}

}  // namespace

// Run only as a child of the tests below, which name the folder.
TEST(Instancia, DISABLED_ObedeceOrdenes)
{
    const QString folder = qEnvironmentVariable("DJ_INSTANCIA_CARPETA");
    ASSERT_FALSE(folder.isEmpty());
    QStringList mostrados;
    forms::SetMsgBoxHook([&](const QString& prompt, int, const QString&) {
        mostrados << prompt;
        if (prompt.startsWith(QStringLiteral("¿Está seguro")) || prompt.startsWith(QStringLiteral("Al borrar")))
            return int(forms::vbYes);
        if (prompt.startsWith(QStringLiteral("El Monto Total no coincide"))) return int(forms::vbNo);
        return int(forms::vbOK);
    });
    text::SetToday(QDate(2006, 5, 15));
    de1::conn().Open(General::BuildConnectionString(folder));
    de1::conn().UseWriteAheadLog();
    testsupport::ShowMainWindow();
    std::cout << "\n@@listo" << std::endl;
    for (std::string linea; std::getline(std::cin, linea);) {
        const QStringList w = QString::fromStdString(linea).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (w.isEmpty() || w[0] == QLatin1String("fin")) break;
        mostrados.clear();
        QString valor;
        try {
            valor = obedecer(w);
        } catch (const Detenido& d) {
            valor = QStringLiteral("!") + QString::fromStdString(d.que);
        }
        std::cout << "\n@@" << (valor + QLatin1Char('\t') + mostrados.join(QLatin1Char('\t'))).toStdString()
                  << std::endl;
    }
    forms::SetMsgBoxHook({});
    testsupport::CloseMainWindow();
}

namespace {

// ---------------------------------------------------------------- the test's side

// One instance of the program, driven from the test.
class Instancia {
public:
    explicit Instancia(const QString& carpeta)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DJ_INSTANCIA_CARPETA"), carpeta);
        m_p.setProcessEnvironment(env);
        m_p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_p.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--gtest_also_run_disabled_tests"), QStringLiteral("--gtest_filter=Instancia.*")});
        m_p.waitForStarted();
        respuesta();
    }
    ~Instancia()
    {
        m_p.write("fin\n");
        if (!m_p.waitForFinished(10000)) m_p.kill();
        m_p.waitForFinished();
    }

    // What the command returned, and the messages its windows showed.
    struct Respuesta {
        QString valor;
        QStringList mensajes;
    };
    Respuesta operator()(const QString& orden)
    {
        m_p.write((orden + QLatin1Char('\n')).toUtf8());
        const QStringList r = respuesta().split(QLatin1Char('\t'));
        EXPECT_FALSE(r.value(0).startsWith(QLatin1Char('!'))) << orden.toStdString() << ": " << r[0].toStdString();
        return {r.value(0), r.mid(1, r.size() - (r.size() > 1 && r.last().isEmpty() ? 2 : 1))};
    }

private:
    QString respuesta()
    {
        for (int esperas = 0; esperas < 600; ++esperas) {
            const qsizetype fin = m_buffer.indexOf("\n@@");
            if (fin >= 0) {
                const qsizetype eol = m_buffer.indexOf('\n', fin + 3);
                if (eol >= 0) {
                    const QString r = QString::fromUtf8(m_buffer.mid(fin + 3, eol - fin - 3));
                    m_buffer.remove(0, eol);
                    return r;
                }
            }
            if (m_p.state() != QProcess::Running) break;
            m_p.waitForReadyRead(100);
            m_buffer += m_p.readAllStandardOutput();
        }
        ADD_FAILURE() << "the instance did not answer";
        return QStringLiteral("!sin respuesta");
    }

    QProcess m_p;
    QByteArray m_buffer;
};

int pruebas() { return std::max(1, qEnvironmentVariableIntValue("DJ_TRIALS")); }

bool contiene(const QStringList& mensajes, const QString& texto)
{
    for (const QString& m : mensajes)
        if (m.contains(texto)) return true;
    return false;
}

// The counts of the issue's table, per case.
struct Cuenta {
    int pruebas = 0, totalesViejos = 0, filasAjenas = 0, silenciosas = 0, especiesRepetidas = 0;
    ~Cuenta()
    {
        std::printf("%s: %d trials, %d stale totals, %d rows of the other window changed, %d silent saves, "
                    "%d duplicate species\n",
                    ::testing::UnitTest::GetInstance()->current_test_info()->name(), pruebas, totalesViejos,
                    filasAjenas, silenciosas, especiesRepetidas);
        EXPECT_EQ(totalesViejos, 0);
        EXPECT_EQ(filasAjenas, 0);
        EXPECT_EQ(silenciosas, 0);
        EXPECT_EQ(especiesRepetidas, 0);
    }
};

class DosInstancias : public ::testing::Test {
protected:
    void SetUp() override
    {
        insertVessel(7, QStringLiteral("123"), QStringLiteral("DON JUAN"));
        insertCompany(3, kCuit, QStringLiteral("PEREZ JUAN CARLOS"));
        de1::conn().Close();
        c.Open(General::BuildConnectionString(db.folder()));
        c.UseWriteAheadLog();
    }

    // The declaration of May 2006 at 3 %, with these lines (species n, 10
    // kg at n) and slips (n x 100), a guide G1 without lines when asked;
    // its stored totals as the program would have left them.
    void declaracion(int lineas, int pagos = 0, bool conGuia = false)
    {
        for (const char* t : {"LNV_PES_TB_GUIAS_TRANSPORTE", "LNV_PES_TB_PAGOS_DDJJ7351", "LNV_PES_TB_CAB_DDJJ7351"})
            c.Execute(QStringLiteral("delete from %1").arg(QLatin1String(t)));
        de1::conn().Open(General::BuildConnectionString(db.folder()));
        insertDeclaration(kNro, 2006, 5, QStringLiteral("123"), kCuit, QStringLiteral("N"), 3);
        for (int n = 1; n <= lineas; ++n) insertLine(kNro, n, n, 10, n, 10.0 * n);
        for (int n = 1; n <= pagos; ++n)
            exec(QStringLiteral("insert into LNV_PES_TB_PAGOS_DDJJ7351 values ('%1', %2, 2006, 5, %3, 0, 0, %3, "
                                "null, null, 0, null, null, 0)")
                     .arg(kNro)
                     .arg(n)
                     .arg(100.0 * n));
        if (conGuia) insertGuide({.nro = kGuia, .alicuota = 4});
        Renglones::EscribirTotalesDJ(de1::conn(), kNro);
        de1::conn().Close();
    }

    double numero(const QString& sql)
    {
        ado::Recordset rs;
        rs.Open(sql, c);
        return rs.Eof() || rs(0).isNull() ? 0.0 : rs(0).toDouble();
    }
    QString texto(const QString& sql)
    {
        ado::Recordset rs;
        rs.Open(sql, c);
        return rs.Eof() ? QString() : text::CStr(rs(0));
    }
    static bool igual(double a, double b) { return std::abs(a - b) < 0.005; }

    // The header's stored totals are what its stored lines, rate, interest and fine give.
    bool totalesAlDia()
    {
        const double ventas = numero(
            QStringLiteral("select sum(PDDJ_TOTAL) from LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO = '%1'").arg(kNro));
        ado::Recordset h;
        h.Open(QStringLiteral("select PCDJ_ALICUOTA, PCDJ_INTERESES, PCDJ_MULTA, PCDJ_MTOVTAS, PCDJ_IMPORTE, "
                              "PCDJ_TOTAL from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%1'")
                   .arg(kNro),
               c);
        if (h.Eof()) return true;
        const Renglones::TotalesDJ t =
            Renglones::CalcularTotalesDJ(ventas, h(0).toDouble(), h(1).toDouble(), h(2).toDouble());
        return igual(h(3).toDouble(), t.ventas) && igual(h(4).toDouble(), t.importe)
            && igual(h(5).toDouble(), t.adeudado);
    }
    bool guiaAlDia()
    {
        const QString de = QStringLiteral(" from LNV_PES_TB_GUIAS_DET where PGTR_NRO = '%1'").arg(kGuia);
        const double total = numero(QStringLiteral("select sum(PDGT_TOTAL)") + de);
        const QString g = QStringLiteral(" from LNV_PES_TB_GUIAS_TRANSPORTE where PGTR_NRO = '%1'").arg(kGuia);
        return igual(numero(QStringLiteral("select PGTR_CAJONES") + g),
                     numero(QStringLiteral("select sum(PDGT_CAJONES)") + de))
            && igual(numero(QStringLiteral("select PGTR_KGS") + g), numero(QStringLiteral("select sum(PDGT_KGS)") + de))
            && igual(numero(QStringLiteral("select PGTR_TOTAL") + g), total)
            && igual(numero(QStringLiteral("select PGTR_VALOR") + g),
                     text::Round(numero(QStringLiteral("select PGTR_ALICUOTA") + g) * total / 100, 2));
    }
    QString linea(int n)
    {
        return texto(QStringLiteral("select PTES_ID || ' ' || PDDJ_KG from LNV_PES_TB_DET_DDJJ7351 where PCDJ_NRO = "
                                    "'%1' and PDDJ_NRO = %2")
                         .arg(kNro)
                         .arg(n));
    }
    QString pago(int n)
    {
        return texto(QStringLiteral("select PPDJ_IMPORTE from LNV_PES_TB_PAGOS_DDJJ7351 where PCDJ_NRO = '%1' and "
                                    "PPDJ_NRO = %2")
                         .arg(kNro)
                         .arg(n));
    }

    testsupport::TempDb db;
    ado::Connection c;  // the test's own look at the file
};

// A line added in one window; the other then saves its header, from the
// header's toolbar or the window's "Aceptar".
TEST_F(DosInstancias, AHeaderSavedAfterTheOtherAddedALineKeepsTheTotalsOfTheStoredLines)
{
    Cuenta k;
    Instancia a(db.folder()), b(db.folder());
    for (int i = 0; i < pruebas(); ++i) {
        for (const char* guardar : {"cab", "ventana"}) {
            declaracion(2);
            a("abrir");
            b("abrir");
            a(QStringLiteral("linea 5 17 10"));
            b(QString::fromLatin1(guardar));
            ++k.pruebas;
            if (!totalesAlDia()) ++k.totalesViejos;
        }
    }
}

// The rate or the interest changed and saved in one window; the other then adds a line.
TEST_F(DosInstancias, ALineAddedAfterTheOtherChangedTheRateTakesTheStoredRate)
{
    Cuenta k;
    Instancia a(db.folder()), b(db.folder());
    for (int i = 0; i < pruebas(); ++i) {
        for (const char* cambio : {"cab tasa 4", "cab interes 12.5"}) {
            declaracion(2);
            a("abrir");
            b("abrir");
            b(QString::fromLatin1(cambio));
            a(QStringLiteral("linea 5 17 10"));
            ++k.pruebas;
            if (!totalesAlDia()) ++k.totalesViejos;
            // And the window shows what is stored.
            const QStringList shown = a(QStringLiteral("mostrar")).valor.split(QLatin1Char(' '));
            if (!igual(shown.value(1).toDouble(),
                       numero(QStringLiteral("select PCDJ_IMPORTE from LNV_PES_TB_CAB_DDJJ7351"))))
                ++k.totalesViejos;
        }
    }
}

// Line (or slip) 3 deleted and a new one taking number 3 in one window;
// the other then modifies or deletes "its" number 3.
TEST_F(DosInstancias, ANumberTakenAgainIsNotTheRowTheOtherWindowRead)
{
    Cuenta k;
    Instancia a(db.folder()), b(db.folder());
    for (int i = 0; i < pruebas(); ++i) {
        for (const char* orden : {"linea_mod 3 44", "linea_borrar 3", "pago_mod 3 44", "pago_borrar 3"}) {
            const bool pagos = QString::fromLatin1(orden).startsWith(QLatin1String("pago"));
            declaracion(3, 3);
            a("abrir");
            b("abrir");
            b(QString::fromLatin1(pagos ? "tab 3" : "tab 1"));
            if (pagos) {
                a(QStringLiteral("pago_borrar 3"));
                a(QStringLiteral("pago 7"));
            } else {
                a(QStringLiteral("linea_borrar 3"));
                a(QStringLiteral("linea 6 20 2"));
            }
            const QString suyo = pagos ? pago(3) : linea(3);
            const Instancia::Respuesta r = b(QString::fromLatin1(orden));
            ++k.pruebas;
            if ((pagos ? pago(3) : linea(3)) != suyo) ++k.filasAjenas;
            if (!contiene(r.mensajes, pagos ? Renglones::kBoletaCambiada : Renglones::kRenglonCambiado))
                ++k.silenciosas;
            if (!totalesAlDia()) ++k.totalesViejos;
        }
    }
}

// A line or slip already deleted in one window, then modified or deleted in the other.
TEST_F(DosInstancias, ARowDeletedInTheOtherWindowIsNeitherSavedNorDeletedSilently)
{
    Cuenta k;
    Instancia a(db.folder()), b(db.folder());
    for (int i = 0; i < pruebas(); ++i) {
        for (const char* orden : {"linea_mod 2 44", "linea_borrar 2", "pago_mod 2 44", "pago_borrar 2"}) {
            const bool pagos = QString::fromLatin1(orden).startsWith(QLatin1String("pago"));
            declaracion(3, 3);
            a("abrir");
            b("abrir");
            b(QString::fromLatin1(pagos ? "tab 3" : "tab 1"));
            a(QString::fromLatin1(pagos ? "pago_borrar 2" : "linea_borrar 2"));
            const Instancia::Respuesta r = b(QString::fromLatin1(orden));
            ++k.pruebas;
            if (!(pagos ? pago(2) : linea(2)).isEmpty()) ++k.filasAjenas;
            if (!contiene(r.mensajes, pagos ? Renglones::kBoletaCambiada : Renglones::kRenglonCambiado))
                ++k.silenciosas;
            if (!totalesAlDia()) ++k.totalesViejos;
        }
    }
}

TEST_F(DosInstancias, OneSpeciesGetsOneLineAlsoWhenBothWindowsAddIt)
{
    Cuenta k;
    Instancia a(db.folder()), b(db.folder());
    for (int i = 0; i < pruebas(); ++i) {
        declaracion(1);
        a("abrir");
        b("abrir");
        b(QStringLiteral("tab 1"));
        a(QStringLiteral("linea 6 10 2"));
        const Instancia::Respuesta r = b(QStringLiteral("linea 6 30 2"));
        ++k.pruebas;
        if (numero(QStringLiteral("select count(*) from LNV_PES_TB_DET_DDJJ7351 where PTES_ID = 6")) != 1)
            ++k.especiesRepetidas;
        if (!contiene(r.mensajes, QStringLiteral("MERLUZA NEGRA"))) ++k.silenciosas;
        if (!totalesAlDia()) ++k.totalesViejos;
    }
}

// Both on guide G1: lines added in one window, the guide's header saved in the other.
TEST_F(DosInstancias, AGuideHeaderSavedAfterTheOtherAddedLinesKeepsTheirTotals)
{
    Cuenta k;
    Instancia a(db.folder()), b(db.folder());
    for (int i = 0; i < pruebas(); ++i) {
        declaracion(1, 0, true);
        for (Instancia* x : {&a, &b}) {
            (*x)("abrir");
            (*x)(QStringLiteral("guia G1"));
        }
        a(QStringLiteral("guia_linea 5 3 100 2"));
        a(QStringLiteral("guia_linea 6 4 50 3"));
        b(QStringLiteral("guia_cab"));
        ++k.pruebas;
        if (!guiaAlDia()) ++k.totalesViejos;
        // The declaration's credit is half the deposit stored.
        b(QStringLiteral("abrir"));
        const QStringList shown = b(QStringLiteral("mostrar")).valor.split(QLatin1Char(' '));
        if (!igual(shown.value(3).toDouble(),
                   text::Round(numero(QStringLiteral("select PGTR_VALOR from LNV_PES_TB_GUIAS_TRANSPORTE")) / 2, 2))
            || igual(shown.value(3).toDouble(), 0))
            ++k.totalesViejos;
    }
}

// The declaration deleted in one window; a line, a slip, a guide, the
// header or the window saved in the other. And a guide deleted in one,
// its line or header saved in the other.
TEST_F(DosInstancias, ASaveUnderADeclarationOrGuideDeletedInTheOtherWindowSaysSo)
{
    Cuenta k;
    Instancia a(db.folder()), b(db.folder());
    for (int i = 0; i < pruebas(); ++i) {
        for (const char* orden : {"linea 6 10 2", "cab", "ventana", "pago 5"}) {
            declaracion(1);
            a("abrir");
            b("abrir");
            b(QStringLiteral("dj_borrar"));
            ASSERT_EQ(numero(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351")), 0);
            const Instancia::Respuesta r = a(QString::fromLatin1(orden));
            ++k.pruebas;
            if (!contiene(r.mensajes, Renglones::kDeclaracionBorrada)) ++k.silenciosas;
            if (numero(QStringLiteral("select count(*) from LNV_PES_TB_DET_DDJJ7351"))
                    + numero(QStringLiteral("select count(*) from LNV_PES_TB_PAGOS_DDJJ7351"))
                > 0)
                ++k.filasAjenas;
            // The clerk can still close the editor.
            if (a(QStringLiteral("salir")).valor != QLatin1String("cerrado")) ++k.silenciosas;
        }
        for (const char* orden : {"guia_linea 5 3 100 2", "guia_cab"}) {
            declaracion(1, 0, true);
            a("abrir");
            a(QStringLiteral("guia G1"));
            b("abrir");
            b(QStringLiteral("guia_borrar G1"));
            const Instancia::Respuesta r = a(QString::fromLatin1(orden));
            ++k.pruebas;
            if (!contiene(r.mensajes, Renglones::kGuiaBorrada)) ++k.silenciosas;
            if (numero(QStringLiteral("select count(*) from LNV_PES_TB_GUIAS_DET")) > 0) ++k.filasAjenas;
        }
    }
}

TEST_F(DosInstancias, ACompanyDeletedInTheOtherWindowIsNotSavedSilently)
{
    Cuenta k;
    Instancia a(db.folder()), b(db.folder());
    const QString cuit = QString::number(kCuitSola);
    for (int i = 0; i < pruebas(); ++i) {
        c.Execute(QStringLiteral("delete from LNV_PES_TB_EMPRESAS where PEMP_CUIT = %1").arg(cuit));
        de1::conn().Open(General::BuildConnectionString(db.folder()));
        insertCompany(4, kCuitSola, QStringLiteral("PESQUERA SOLA S.A."));
        de1::conn().Close();
        a(QStringLiteral("empresa ") + cuit);
        b(QStringLiteral("empresa_borrar ") + cuit);
        const Instancia::Respuesta r = a(QStringLiteral("empresa_aceptar"));
        ++k.pruebas;
        if (!contiene(r.mensajes, QStringLiteral("No se guardaron los cambios"))) ++k.silenciosas;
        if (numero(QStringLiteral("select count(*) from LNV_PES_TB_EMPRESAS where PEMP_CUIT = %1").arg(cuit)) != 0)
            ++k.filasAjenas;
        // The clerk then closes the editor as usual.
        if (r.valor == QLatin1String("abierto")) a(QStringLiteral("empresa_aceptar"));
    }
}

// What the other window saved shows when a tab is clicked again: the
// header's totals, the credit and the slips' sum.
TEST_F(DosInstancias, ATabClickedAgainShowsWhatTheOtherWindowSaved)
{
    Cuenta k;
    Instancia a(db.folder()), b(db.folder());
    for (int i = 0; i < pruebas(); ++i) {
        declaracion(1, 0, true);
        a("abrir");
        a(QStringLiteral("tab 1"));
        b("abrir");
        b(QStringLiteral("linea 5 17 10"));
        b(QStringLiteral("pago 40"));
        b(QStringLiteral("guia G1"));
        b(QStringLiteral("guia_linea 5 3 100 2"));
        for (int tab : {0, 1, 3}) {
            a(QStringLiteral("tab %1").arg(tab));
            const QStringList shown = a(QStringLiteral("mostrar")).valor.split(QLatin1Char(' '));
            ++k.pruebas;
            ado::Recordset h;
            h.Open(QStringLiteral("select PCDJ_MTOVTAS, PCDJ_IMPORTE, PCDJ_TOTAL from LNV_PES_TB_CAB_DDJJ7351"), c);
            const double credito =
                text::Round(numero(QStringLiteral("select sum(PGTR_VALOR) from LNV_PES_TB_GUIAS_TRANSPORTE")) / 2, 2);
            const double boletas = numero(QStringLiteral("select sum(PPDJ_EFECTIVO) from LNV_PES_TB_PAGOS_DDJJ7351"));
            if (!igual(shown.value(0).toDouble(), h(0).toDouble()) || !igual(shown.value(1).toDouble(), h(1).toDouble())
                || !igual(shown.value(2).toDouble(), h(2).toDouble()) || !igual(shown.value(3).toDouble(), credito)
                || !igual(shown.value(4).toDouble(), boletas) || credito == 0 || boletas == 0)
                ++k.totalesViejos;
        }
    }
}

}  // namespace

// A database file with a damaged page, opened as the clerk opens it: each
// list through its menu item. A list that meets the damage says so once,
// shows no row it could not read, and leaves its row buttons off when it
// holds no row; a list that does not meet it shows its rows whole.
#include "core/FormLista.h"
#include "core/General.h"
#include "core/de1.h"
#include "declarations/frmDDJJ.h"
#include "declarations/reports/frmLisDJ.h"
#include "platform/ado/Recordset.h"
#include "platform/errors/Error.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/Toolbar.h"
#include "registers/frmEmbarcaciones.h"
#include "registers/frmEmpresas.h"
#include "registers/frmPrecios.h"
#include "support/Fixtures.h"
#include "support/MainWindowTest.h"
#include "support/Support.h"
#include "ui/MDIPrincipal.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kDanada = QStringLiteral("Error -2147467259: La base de datos está dañada.");

class DamagedTest : public testsupport::MainWindowTest {
protected:
    DamagedTest() : MainWindowTest(true) {}

    struct Lista {
        const char* name;
        QAction* MDIPrincipal::*item;
        const char* table;
    };
    static const std::vector<Lista>& listas()
    {
        static const std::vector<Lista> all = {
            {"declaraciones", &MDIPrincipal::op_DDJJ, "LNV_PES_TB_CAB_DDJJ7351"},
            {"empresas", &MDIPrincipal::op_empresas, "LNV_PES_TB_EMPRESAS"},
            {"embarcaciones", &MDIPrincipal::op_Embarcaciones, "LNV_PES_TB_EMBARCACIONES"},
            {"precios", &MDIPrincipal::op_Precios, "LNV_PES_TB_PRECIOS_LEY7351"},
        };
        return all;
    }

    // The file with one page overwritten in its middle, opened again so
    // that nothing of it is held from before.
    void damage(long page) { damage(std::vector<long>{page}); }
    void damage(const std::vector<long>& pages)
    {
        const qint64 size = qint64(testsupport::scalar(QStringLiteral("PRAGMA page_size")).toDouble());
        de1::conn().Close();
        {
            QFile f(db.path());
            ASSERT_TRUE(f.open(QIODevice::ReadWrite));
            for (long page : pages) {
                ASSERT_LT(page * size, f.size());
                ASSERT_TRUE(f.seek((page - 1) * size + size / 3));
                f.write(QByteArray(64, '\x5a'));
            }
        }
        // A page the schema needs stops the opening itself; the connection stays closed.
        try {
            de1::conn().Open(General::BuildConnectionString(db.folder()));
        } catch (const platform::Error&) {
        }
    }

    struct Visto {
        int danada = 0, otros = 0;  // messages
        long rows = 0, blank = 0;
        bool rowButtonsOn = false;
    };
    // Opens the list from its menu, reads every row it shows, and closes it.
    Visto open(const Lista& l)
    {
        testsupport::MsgBoxRecorder boxes;
        triggerMenu(main->*l.item);
        FormLista* f = nullptr;
        for (forms::Form* w : forms::Form::Forms())
            if ((f = dynamic_cast<FormLista*>(w))) break;
        Visto v;
        if (!f) {
            ADD_FAILURE() << "no list open";
            return v;
        }
        QAbstractItemModel* m = f->grilla()->model();
        // Every row the grid shows, as scrolling down through it would read them.
        for (int r = 0; r < m->rowCount(); ++r) m->data(m->index(r, 0));
        testsupport::Settle();
        v.rows = m->rowCount();
        for (int r = 0; r < m->rowCount(); ++r) {
            bool any = false;
            for (int c = 0; c < m->columnCount() && !any; ++c) any = !m->data(m->index(r, c)).toString().isEmpty();
            if (!any) ++v.blank;
        }
        for (int i = 1; i <= f->tlbMonedas->Count(); ++i) {
            const QString key = f->tlbMonedas->Buttons(i).Key();
            if (key == QLatin1String("modificar") || key == QLatin1String("borrar"))
                v.rowButtonsOn = v.rowButtonsOn || f->tlbMonedas->Buttons(i).Enabled();
        }
        for (const QString& p : boxes.prompts()) ++(p == kDanada ? v.danada : v.otros);
        f->Unload();
        testsupport::Settle();
        return v;
    }
    long rootPage(const char* table)
    {
        return long(
            testsupport::scalar(
                QStringLiteral("select rootpage from sqlite_master where name = '%1'").arg(QString::fromLatin1(table)))
                .toDouble());
    }
};

// The page that holds a list's rows: the list says the database is
// damaged, once, and shows nothing it could not read.
TEST_F(DamagedTest, EachListMeetingADamagedPageSaysSoOnceAndShowsNoBlankRows)
{
    testsupport::insertDeclarations(12);
    de1::conn().Close();
    QFile f(db.path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray sound = f.readAll();
    f.close();
    de1::conn().Open(General::BuildConnectionString(db.folder()));
    for (const Lista& l : listas()) {
        SCOPED_TRACE(l.name);
        ASSERT_GT(open(l).rows, 0) << "the sound file shows rows";
        damage(rootPage(l.table));
        const Visto v = open(l);
        EXPECT_EQ(v.danada, 1);
        EXPECT_EQ(v.otros, 0);
        EXPECT_EQ(v.blank, 0);
        EXPECT_EQ(v.rowButtonsOn, v.rows > 0);
        de1::conn().Close();
        QFile restore(db.path());
        ASSERT_TRUE(restore.open(QIODevice::WriteOnly | QIODevice::Truncate));
        restore.write(sound);
        restore.close();
        de1::conn().Open(General::BuildConnectionString(db.folder()));
    }
}

// A print that cannot read the declaration's lines says so, once, and
// prints no form whose checksum would leave those lines out.
TEST_F(DamagedTest, APrintThatCannotReadTheLinesSaysSoAndPrintsNothing)
{
    testsupport::insertDeclarations(3);
    // The table and its indexes: the lines are found through either.
    std::vector<long> pages;
    ado::Recordset roots;
    roots.Open(QStringLiteral("select rootpage from sqlite_master where tbl_name = 'LNV_PES_TB_DET_DDJJ7351' "
                              "and rootpage > 0"),
               de1::conn());
    for (; !roots.Eof(); roots.MoveNext()) pages.push_back(long(roots(0).toDouble()));
    roots.Close();
    damage(pages);
    triggerMenu(main->op_DDJJ);
    frmDDJJ& f = window<frmDDJJ>();
    testsupport::MsgBoxRecorder boxes;
    f.tlbMonedas->Buttons(QStringLiteral("imprimir")).widget()->click();
    testsupport::Settle();
    EXPECT_EQ(boxes.prompts(), QStringList{kDanada});
    EXPECT_EQ(forms::Form::Existing<frmLisDJ>(), nullptr);
}

// Pages spread over a file whose declaration list spans many pages: each
// damaged in turn, every list either shows its rows whole or says the
// database is damaged, once; none shows a blank row as if it were data.
TEST_F(DamagedTest, NoPageDamagedAnywhereShowsBlankRowsInAnyList)
{
    testsupport::insertDeclarations(1500);
    const long pages = long(testsupport::scalar(QStringLiteral("PRAGMA page_count")).toDouble());
    de1::conn().Close();
    QFile f(db.path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray sound = f.readAll();
    f.close();
    ASSERT_GT(pages, 40);
    long blank = 0, told = 0, repeated = 0;
    for (int k = 0; k < 16; ++k) {
        const long page = 2 + k * (pages - 2) / 16;
        SCOPED_TRACE(page);
        {
            QFile restore(db.path());
            ASSERT_TRUE(restore.open(QIODevice::WriteOnly | QIODevice::Truncate));
            restore.write(sound);
        }
        de1::conn().Open(General::BuildConnectionString(db.folder()));
        damage(page);
        if (de1::conn().State() == 0) continue;  // the schema's page: start-up names the damage
        for (const Lista& l : listas()) {
            SCOPED_TRACE(l.name);
            const Visto v = open(l);
            blank += v.blank;
            told += v.danada;
            if (v.danada > 1) ++repeated;
        }
        de1::conn().Close();
    }
    std::printf("16 damaged pages: lists that said so %ld, blank rows shown %ld, repeated messages %ld\n", told, blank,
                repeated);
    EXPECT_EQ(blank, 0);
    EXPECT_EQ(repeated, 0);
    EXPECT_GT(told, 0);
    QFile restore(db.path());
    ASSERT_TRUE(restore.open(QIODevice::WriteOnly | QIODevice::Truncate));
    restore.write(sound);
    restore.close();
    de1::conn().Open(General::BuildConnectionString(db.folder()));
}

}  // namespace

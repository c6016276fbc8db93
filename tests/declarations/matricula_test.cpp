// The declaration number carries the vessel's matrícula in four digits: the
// largest matrícula the register accepts makes a declaration of 23 digits,
// and a vessel stored beyond it (written into the file by other means) is
// refused at the header with the documented message, never numbered.
#include "editor_fixture.h"

#include "core/de1.h"
#include "platform/forms/Toolbar.h"

#include <QCoreApplication>
#include <QLineEdit>

using namespace editortest;

namespace {

using MatriculaTest = EditorTest;

TEST_F(MatriculaTest, TheLargestIsDeclaredAndOneAboveIsRefusedAtTheHeader)
{
    const struct {
        const char* matricula;
        const char* nro;  // empty: refused
    } cases[] = {
        {"9999", "20123456786999920060500"},
        {"0045", "20123456786004520060500"},
        {"10000", ""},
    };
    int id = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.matricula);
        ++id;
        insertVessel(id, QString::fromLatin1(c.matricula), QStringLiteral("BARCO %1").arg(id));
        fillValidHeader();
        typeAndLeave(ed().txt_NroEmb, QString::number(id));
        EXPECT_EQ(ed().txt_Matricula->text(), QString::fromLatin1(c.matricula));
        boxes.clear();
        click(ed().tlb_cabecera, QStringLiteral("aceptar"));
        const QString nro = QString::fromLatin1(c.nro);
        if (nro.isEmpty()) {
            EXPECT_EQ(prompts(), QStringList{QStringLiteral("Ingresar la Matrícula de la Embarcación")});
            EXPECT_EQ(focused(), ed().txt_Matricula);
            EXPECT_EQ(count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351 where PBAR_ID = %1").arg(id)),
                      0);
        } else {
            EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
            EXPECT_EQ(ed().txt_NroDJ->text(), nro);
            EXPECT_EQ(
                count(QStringLiteral("select count(*) from LNV_PES_TB_CAB_DDJJ7351 where PCDJ_NRO = '%1'").arg(nro)),
                1);
        }
        click(ed().toolbar, QStringLiteral("salir"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace

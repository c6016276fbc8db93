// The guide's date typed over the one proposed (today, the latest allowed)
// is stored as typed; one after today is refused naming the limit.
#include "guias_fixture.h"

#include "platform/forms/DatePicker.h"
#include "platform/forms/Toolbar.h"

#include <QDateEdit>

using namespace guiastest;

namespace {

class GuiaFecha : public GuiasTest {};

TEST_F(GuiaFecha, ADateTypedOverTodayIsStoredAsTyped)
{
    openGuias();
    nuevaGuia();
    fillHeader(QStringLiteral("G-20"));
    boxes.clear();
    clickAndType(g().dtp_FechaG->dateEdit(), QStringLiteral("20052006"));
    EXPECT_EQ(prompts(), QStringList{QStringLiteral("La fecha no puede ser posterior al 15/05/2006")});
    EXPECT_EQ(g().dtp_FechaG->Date(), QDate(2006, 5, 15));
    boxes.clear();
    clickAndType(g().dtp_FechaG->dateEdit(), QStringLiteral("20/04/2006"));
    EXPECT_EQ(g().dtp_FechaG->Date(), QDate(2006, 4, 20));
    click(g().tlb_cabecera, QStringLiteral("aceptar"));
    EXPECT_TRUE(prompts().isEmpty()) << prompts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(storedGuide(QStringLiteral("G-20")).section(QLatin1Char('|'), 2, 2), QStringLiteral("20/04/2006"));
}

}  // namespace

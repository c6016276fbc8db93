// The Save dialog of the viewers proposes the report's name as it is
// written, accents included.
#include "ReportsFixture.h"

#include "declarations/frmDDJJ.h"
#include "declarations/reports/frmLisBolDeposito.h"
#include "declarations/reports/frmLisDJ.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/Toolbar.h"
#include "platform/report/Viewer.h"

#include <QToolButton>

namespace reportstest {
namespace {

class FileNames : public ReportsTest {};

TEST_F(FileNames, TheSaveDialogProposesTheNameWithItsAccents)
{
    auto proposedBy = [](report::Viewer* viewer) {
        QString proposed;
        forms::SetCommonDialogHook([&](const forms::CommonDialog& d) -> std::optional<QString> {
            proposed = d.FileName;
            return std::nullopt;  // cancelled: nothing is written
        });
        viewer->tlbVisor->Buttons(QStringLiteral("pdf")).widget()->click();
        testsupport::Settle();
        forms::SetCommonDialogHook({});
        return proposed;
    };
    frmDDJJ& list = openList();
    selectDeclaration(list, kNro);
    click(list, "imprimir");
    frmLisDJ* dj = forms::Form::Existing<frmLisDJ>();
    ASSERT_TRUE(dj);
    EXPECT_EQ(proposedBy(dj->CRViewer91), QStringLiteral("Declaración Jurada Ley 7351.pdf"));
    EXPECT_EQ(proposedBy(openSlips(kNro).CRViewer91), QStringLiteral("Boleta de depósito Ley 7351.pdf"));
}

}  // namespace
}  // namespace reportstest

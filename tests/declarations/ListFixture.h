#pragma once
// The declaration list opened as the clerk opens it: the main window shown,
// its menu item chosen, on a fresh database with the sample registers.

#include "core/de1.h"
#include "declarations/frmDDJJ.h"
#include "platform/ado/Recordset.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/DataControl.h"
#include "platform/forms/DataGrid.h"
#include "platform/forms/MsgBox.h"
#include "platform/forms/Toolbar.h"
#include "support/Fixtures.h"
#include "support/MainWindowTest.h"
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

using testsupport::count;
using testsupport::Decl;
using testsupport::exec;
using testsupport::insertDeclaration;

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

class ListWindowTest : public testsupport::MainWindowTest {
protected:
    ListWindowTest() : MainWindowTest(true) {}

    frmDDJJ& openList() { return openFromMenu<frmDDJJ>(main->op_DDJJ); }
    static forms::Button button(frmDDJJ& f, const char* key) { return f.tlbMonedas->Buttons(QString::fromLatin1(key)); }
    using WindowTest::click;
    static void click(frmDDJJ& f, const char* key)
    {
        button(f, key).widget()->click();
        testsupport::Settle();
    }
    // Clicks the grid row that holds the declaration number, as the clerk would.
    static void selectDeclaration(frmDDJJ& f, const QString& nro) { clickRowHolding(f.grillaDJ, 0, nro); }
};

}  // namespace listtest

#include "platform/errors/Error.h"
#include "platform/forms/CommonDialog.h"
#include "platform/forms/MsgBox.h"
#include "support/Support.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

using forms::CommonDialog;

namespace {

// The export's Save dialog as the declaration list sets it up.
struct SaveDialog : ::testing::Test {
    QTemporaryDir dir;
    CommonDialog ComD;
    std::vector<QString> titles, folders, proposed;
    std::deque<std::optional<QString>> answers;

    void SetUp() override
    {
        ComD.DialogTitle = "Guardar como";
        ComD.Filter = "Texto (*.txt)|*.txt";
        ComD.DefaultExt = ".txt";
        ComD.InitDir = "c:\\";
        ComD.CancelError = true;
        ComD.FileName = "DJ20060500123";
        forms::SetCommonDialogHook([this](const CommonDialog& d) -> std::optional<QString> {
            titles.push_back(d.DialogTitle);
            folders.push_back(d.StartFolder());
            proposed.push_back(d.FileName);
            if (answers.empty()) return std::nullopt;
            auto a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    void TearDown() override { forms::SetCommonDialogHook({}); }
    QString in(const QString& name) { return QDir(dir.path()).filePath(name); }
};

}  // namespace

TEST_F(SaveDialog, ShowsTitleProposedNameAndStartsAtHomeForWindowsFolders)
{
    answers.push_back(in("DJ20060500123"));
    ComD.ShowSave();
    EXPECT_EQ(titles, (std::vector<QString>{"Guardar como"}));
    EXPECT_EQ(proposed, (std::vector<QString>{"DJ20060500123"}));
    EXPECT_EQ(folders[0], QDir::homePath());

    struct Row {
        QString initDir;
        QString start;
    };
    const Row rows[] = {
        {"c:\\", QDir::homePath()},
        {"C:/Datos", QDir::homePath()},
        {"", QDir::homePath()},
        {"\\\\servidor\\export", QDir::homePath()},
        {dir.path() + "/no-existe", QDir::homePath()},
        {dir.path(), dir.path()},
    };
    for (const Row& r : rows) {
        ComD.InitDir = r.initDir;
        EXPECT_EQ(ComD.StartFolder(), r.start) << r.initDir.toStdString();
    }
}

TEST_F(SaveDialog, FilterBecomesNameFilters)
{
    struct Row {
        QString filter;
        QStringList expected;
    };
    const Row rows[] = {
        {"Texto (*.txt)|*.txt", {"Texto (*.txt)"}},
        {"Texto (*.txt)|*.txt|Todos (*.*)|*.*", {"Texto (*.txt)", "Todos (*)"}},
        {"Exportación|*.txt;*.dat", {"Exportación (*.txt *.dat)"}},
        {"", {}},
    };
    for (const Row& r : rows) {
        ComD.Filter = r.filter;
        EXPECT_EQ(ComD.NameFilters(), r.expected) << r.filter.toStdString();
    }
}

TEST_F(SaveDialog, DefaultExtensionOnlyForANameWithoutOne)
{
    ComD.InitDir = dir.path();
    struct Row {
        QString defaultExt;
        QString answer;
        QString path;
    };
    const Row rows[] = {
        {".txt", in("DJ20060500123"), in("DJ20060500123.txt")},
        {"txt", in("Gui20060500123"), in("Gui20060500123.txt")},
        {".txt", in("declaracion.dat"), in("declaracion.dat")},
        {".txt", "relativo", in("relativo.txt")},  // typed name: in the folder shown
        {"", in("sinext"), in("sinext")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.answer.toStdString());
        ComD.DefaultExt = r.defaultExt;
        answers.push_back(r.answer);
        ComD.ShowSave();
        EXPECT_EQ(ComD.FileName, r.path);
    }
}

TEST_F(SaveDialog, CancelIsError32755AndKeepsTheName)
{
    try {
        ComD.ShowSave();
        FAIL() << "no error";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.Number, 32755);
        EXPECT_FALSE(e.Description.isEmpty());
    }
    EXPECT_EQ(ComD.FileName, "DJ20060500123");

    ComD.CancelError = false;
    EXPECT_NO_THROW(ComD.ShowSave());
    EXPECT_EQ(ComD.FileName, "DJ20060500123");
}

TEST_F(SaveDialog, OverwritePromptAsksAndNoGoesBackToTheDialog)
{
    QFile existing(in("DJ20060500123.txt"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    ComD.Flags = forms::cdlOFNOverwritePrompt;

    testsupport::MsgBoxRecorder box({forms::vbNo, forms::vbYes});
    answers = {in("DJ20060500123"), in("DJ20060500123")};
    ComD.ShowSave();
    ASSERT_EQ(box.messages().size(), 2u);
    EXPECT_EQ(box.messages()[0].prompt, "DJ20060500123.txt ya existe.\r\n¿Desea reemplazarlo?");
    EXPECT_EQ(box.messages()[0].style, forms::vbYesNo + forms::vbExclamation);
    EXPECT_EQ(box.messages()[0].title, "Guardar como");
    EXPECT_EQ(proposed[1], in("DJ20060500123.txt"));
    EXPECT_EQ(ComD.FileName, in("DJ20060500123.txt"));

    // Without the flag, or for a new file, nothing is asked.
    box.clear();
    ComD.Flags = 0;
    answers = {in("DJ20060500123")};
    ComD.ShowSave();
    ComD.Flags = forms::cdlOFNOverwritePrompt;
    answers = {in("nuevo")};
    ComD.ShowSave();
    EXPECT_TRUE(box.messages().empty());
}

// The real dialog, driven as a clerk would: type a name and press "Guardar", or cancel.
TEST_F(SaveDialog, RealDialog)
{
    forms::SetCommonDialogHook({});
    ComD.InitDir = dir.path();
    struct Row {
        bool accept;
        QString typed;
        QString path;
    };
    const Row rows[] = {{true, "DJ20060500123", in("DJ20060500123.txt")}, {false, "", ""}};
    for (const Row& r : rows) {
        QString title, folder, saveText, header;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            title = dlg->windowTitle();
            folder = dlg->directory().absolutePath();
            auto* buttons = dlg->findChild<QDialogButtonBox*>();
            QPushButton* save = buttons->button(QDialogButtonBox::Save);
            ASSERT_NE(save, nullptr);
            saveText = save->text();
            auto* files = dlg->findChild<QTreeView*>("treeView");
            ASSERT_NE(files, nullptr);
            header = files->model()->headerData(0, Qt::Horizontal).toString();
            if (r.accept) {
                QTest::keyClicks(dlg->findChild<QLineEdit*>("fileNameEdit"), r.typed);
                testsupport::Screenshot(dlg, "commondialog_save");
                save->click();
            } else {
                buttons->button(QDialogButtonBox::Cancel)->click();
            }
        });
        try {
            ComD.ShowSave();
            EXPECT_TRUE(r.accept);
            EXPECT_EQ(ComD.FileName, r.path);
        } catch (const platform::Error& e) {
            EXPECT_FALSE(r.accept);
            EXPECT_EQ(e.Number, platform::ErrCancel);
        }
        EXPECT_EQ(title, "Guardar como");
        EXPECT_EQ(folder, QDir(dir.path()).absolutePath());
        EXPECT_EQ(saveText, "Guardar");
        EXPECT_EQ(header, "Nombre");
    }
}

// Qt's own dialogs and buttons speak Spanish, not only the Save dialog's labels we set.
TEST(QtSpanish, StandardButtons)
{
    QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel | QDialogButtonBox::Open);
    auto text = [&](QDialogButtonBox::StandardButton b) { return box.button(b)->text().remove(QLatin1Char('&')); };
    EXPECT_EQ(text(QDialogButtonBox::Save), "Guardar");
    EXPECT_EQ(text(QDialogButtonBox::Cancel), "Cancelar");
    EXPECT_EQ(text(QDialogButtonBox::Open), "Abrir");
}

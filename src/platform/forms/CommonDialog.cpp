#include "platform/forms/CommonDialog.h"

#include "platform/errors/Error.h"
#include "platform/forms/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace forms {

namespace {

CommonDialogHook& hook()
{
    static CommonDialogHook h;
    return h;
}

// "c:\", "d:/datos", "\\servidor\...": folders of the Windows program that mean nothing here.
bool isWindowsPath(const QString& dir)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:([\\\\/]|$)"));
    return drive.match(dir).hasMatch() || dir.startsWith(QLatin1String("\\\\"));
}

QString defaultTitle(const QString& title) { return title.isEmpty() ? QStringLiteral("Guardar como") : title; }

}  // namespace

void SetCommonDialogHook(CommonDialogHook h) { hook() = std::move(h); }

QString CommonDialog::StartFolder() const
{
    const QString dir = InitDir.trimmed();
    if (dir.isEmpty() || isWindowsPath(dir) || !QFileInfo(dir).isDir()) return QDir::homePath();
    return QFileInfo(dir).absoluteFilePath();
}

QStringList CommonDialog::NameFilters() const
{
    QStringList result;
    if (Filter.isEmpty()) return result;
    const QStringList parts = Filter.split(QLatin1Char('|'));
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    for (int i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : description;
        QStringList patterns;
        for (const QString& p : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            // On Windows "*.*" matches every file; here a name without a dot would be missed.
            patterns << (p.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : p.trimmed());
        if (patterns.isEmpty()) continue;
        description.remove(trailingPatterns);
        if (description.isEmpty()) description = patterns.join(QLatin1Char(' '));
        result << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return result;
}

namespace {

std::optional<QString> runSaveDialog(const CommonDialog& d, const QString& proposed)
{
    QFileDialog dlg(QApplication::activeWindow(), defaultTitle(d.DialogTitle), d.StartFolder());
    dlg.setObjectName(QStringLiteral("CommonDialog"));
    // Qt's own widgets, the same on every desktop; the overwrite question is ours, in Spanish.
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = d.NameFilters();
    if (!filters.isEmpty()) dlg.setNameFilters(filters);
    dlg.setLabelText(QFileDialog::LookIn, QStringLiteral("Guardar en:"));
    dlg.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre:"));
    dlg.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dlg.setLabelText(QFileDialog::Accept, QStringLiteral("Guardar"));
    dlg.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    if (!proposed.isEmpty()) dlg.selectFile(proposed);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().constFirst();
}

}  // namespace

void CommonDialog::ShowSave()
{
    QString proposed = FileName;
    for (;;) {
        std::optional<QString> answer;
        if (hook()) {
            CommonDialog shown;
            shown.DialogTitle = defaultTitle(DialogTitle);
            shown.Filter = Filter;
            shown.DefaultExt = DefaultExt;
            shown.InitDir = InitDir;
            shown.FileName = proposed;
            shown.CancelError = CancelError;
            shown.Flags = Flags;
            answer = hook()(shown);
        } else {
            answer = runSaveDialog(*this, proposed);
        }
        if (!answer || answer->trimmed().isEmpty()) {
            if (CancelError) throw platform::RuntimeError(platform::ErrCancel);
            return;
        }

        QString path = QFileInfo(*answer).isRelative() ? QDir(StartFolder()).filePath(*answer) : *answer;
        QString ext = DefaultExt.trimmed();
        if (ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
        if (!ext.isEmpty() && !QFileInfo(path).fileName().contains(QLatin1Char('.'))) path += QLatin1Char('.') + ext;
        path = QDir::cleanPath(QFileInfo(path).absoluteFilePath());

        if ((Flags & cdlOFNOverwritePrompt) && QFileInfo::exists(path)) {
            const int r = MsgBox(QFileInfo(path).fileName() + QStringLiteral(" ya existe.\r\n¿Desea reemplazarlo?"),
                                 vbYesNo + vbExclamation, defaultTitle(DialogTitle));
            if (r != vbYes) {
                proposed = path;  // back to the dialog, as on Windows
                continue;
            }
        }
        FileName = path;
        return;
    }
}

}  // namespace forms

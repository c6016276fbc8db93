#pragma once
// The Save dialog of the export. The window sets the properties, calls
// ShowSave and reads the chosen path back from FileName.
//
// Filter is written as pairs "description|pattern|description|pattern".
// InitDir names the starting folder; a Windows drive path ("c:\") or an
// empty or missing folder starts in the user's home folder.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace forms {

enum FileOpenConstants {
    cdlOFNOverwritePrompt = 0x2,  // ask before replacing an existing file
};

class CommonDialog : public QObject {
    Q_OBJECT
public:
    explicit CommonDialog(QObject* parent = nullptr) : QObject(parent) {}

    QString DialogTitle;
    QString Filter;
    QString DefaultExt;  // with or without the leading "."
    QString InitDir;
    QString FileName;  // proposed name before, chosen full path after
    bool CancelError = false;
    long Flags = 0;

    // A cancel with CancelError set throws platform::Error 32755 and leaves
    // FileName as it was. The default extension is added to a name that has none.
    void ShowSave();

    // What the dialog shows, as it will show it.
    QString StartFolder() const;
    QStringList NameFilters() const;  // Qt form: "Texto (*.txt)"
};

// Test hook: while installed, ShowSave asks it instead of the user. It
// answers with the file name typed (absolute or relative to the start
// folder), or nullopt for a cancel.
using CommonDialogHook = std::function<std::optional<QString>(const CommonDialog&)>;
void SetCommonDialogHook(CommonDialogHook hook);  // an empty hook restores the dialog

}  // namespace forms

#pragma once
// Message boxes with the usual style and result numbers, Spanish buttons.
// Tests install a hook that answers instead of the real dialog.

#include <QString>
#include <functional>

namespace forms {

enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// The title every message without one of its own carries.
QString AppTitle();

int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {});

// Test hook: while installed, MsgBox calls it instead of showing a dialog.
// The title it receives is the one the user would see (AppTitle() when none).
using MsgBoxHook = std::function<int(const QString& prompt, int style, const QString& title)>;
void SetMsgBoxHook(MsgBoxHook hook);  // an empty hook restores the dialog

// Shows an error as the program does for any run-time error it traps:
// "Error " + number + ": " + text, OK button, application title.
void ShowError(long number, const QString& description);

}  // namespace forms

#include "platform/forms/MsgBox.h"

#include "platform/forms/Form.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace forms {
namespace {

MsgBoxHook& hook()
{
    static MsgBoxHook h;
    return h;
}

}  // namespace

QString AppTitle() { return QStringLiteral("Sistema Caladero Ley 7351"); }

void SetMsgBoxHook(MsgBoxHook h) { hook() = std::move(h); }

int MsgBox(const QString& prompt, int style, const QString& title)
{
    const QString shownTitle = title.isEmpty() ? AppTitle() : title;
    if (hook()) return hook()(prompt, style, shownTitle);

    // The window and MDI child the box belongs to get the activation back
    // as soon as it closes, before the caller goes on: what the caller then
    // disables or focuses happens in an active window, and the window
    // manager never hands the activation to another child.
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMdiArea* area = Form::MdiArea();
    const QPointer<QMdiSubWindow> child =
        area && owner && area->window() == owner.data() ? area->currentSubWindow() : nullptr;
    QMessageBox box(owner);
    box.setWindowTitle(shownTitle);
    box.setText(prompt);
    switch (style & 0x70) {
    case vbCritical: box.setIcon(QMessageBox::Critical); break;
    case vbQuestion: box.setIcon(QMessageBox::Question); break;
    case vbExclamation: box.setIcon(QMessageBox::Warning); break;
    case vbInformation: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct Choice {
        const char* text;
        int result;
        QMessageBox::ButtonRole role;
    };
    std::vector<Choice> choices;
    switch (style & 7) {
    case vbOKCancel:
        choices = {{"Aceptar", vbOK, QMessageBox::AcceptRole}, {"Cancelar", vbCancel, QMessageBox::RejectRole}};
        break;
    case vbAbortRetryIgnore:
        choices = {{"Anular", vbAbort, QMessageBox::RejectRole},
                   {"Reintentar", vbRetry, QMessageBox::AcceptRole},
                   {"Omitir", vbIgnore, QMessageBox::AcceptRole}};
        break;
    case vbYesNoCancel:
        choices = {{"Sí", vbYes, QMessageBox::YesRole},
                   {"No", vbNo, QMessageBox::NoRole},
                   {"Cancelar", vbCancel, QMessageBox::RejectRole}};
        break;
    case vbYesNo: choices = {{"Sí", vbYes, QMessageBox::YesRole}, {"No", vbNo, QMessageBox::NoRole}}; break;
    case vbRetryCancel:
        choices = {{"Reintentar", vbRetry, QMessageBox::AcceptRole}, {"Cancelar", vbCancel, QMessageBox::RejectRole}};
        break;
    default: choices = {{"Aceptar", vbOK, QMessageBox::AcceptRole}}; break;
    }
    std::vector<QPushButton*> buttons;
    for (const Choice& c : choices) buttons.push_back(box.addButton(QString::fromUtf8(c.text), c.role));
    const size_t defaultIndex = std::min<size_t>(size_t((style >> 8) & 3), buttons.size() - 1);
    box.setDefaultButton(buttons[defaultIndex]);
    // Escape answers No or Cancel where the box has one, as users expect.
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i].result == vbCancel || choices[i].result == vbNo) box.setEscapeButton(buttons[i]);
    if (choices.size() == 1) box.setEscapeButton(buttons[0]);
    box.exec();
    box.hide();
    if (owner && owner->isVisible()) {
        QApplication::setActiveWindow(owner);
        owner->activateWindow();
        if (child && child->isVisible() && area->currentSubWindow() != child) area->setActiveSubWindow(child);
    }
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return choices[i].result;
    return choices.back().result;
}

void ShowError(long number, const QString& description)
{
    MsgBox(QStringLiteral("Error ") + QString::number(number) + QStringLiteral(": ") + description, vbCritical,
           AppTitle());
}

}  // namespace forms

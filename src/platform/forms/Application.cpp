#include "platform/forms/Application.h"

#include "platform/errors/Error.h"
#include "platform/forms/MsgBox.h"

namespace forms {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(AppTitle());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::Error& e) {
        ShowError(e.Number, e.Description);
    } catch (const std::exception& e) {
        ShowError(-2147467259, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

}  // namespace forms

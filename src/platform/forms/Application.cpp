#include "platform/forms/Application.h"

#include "platform/ado/AdoError.h"
#include "platform/forms/Iconos.h"
#include "platform/forms/MsgBox.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace forms {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(AppTitle());
    PrepararAplicacion();
}

void PrepararAplicacion()
{
    LoadQtSpanish();
    QApplication::setWindowIcon(IconoDelPrograma());
}

void LoadQtSpanish()
{
    static QTranslator* qtbase = nullptr;
    if (qtbase) return;
    auto* t = new QTranslator(qApp);
    // qtbase_es_AR when there is one, else qtbase_es.
    if (!t->load(QLocale(QLocale::Spanish, QLocale::Argentina), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qWarning("Qt's Spanish translation (qtbase_es.qm) is not installed: its dialogs will show in English");
        delete t;
        return;
    }
    QCoreApplication::installTranslator(t);
    qtbase = t;
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::Error& e) {
        ShowError(e.Number, e.Description);
    } catch (const std::exception& e) {
        ShowError(ado::adErrGeneric, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

}  // namespace forms

#include "platform/forms/Application.h"

#include "platform/ado/AdoError.h"
#include "platform/errors/Log.h"
#include "platform/forms/Form.h"
#include "platform/forms/Iconos.h"
#include "platform/forms/MsgBox.h"

#include <QDebug>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace forms {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(AppTitle());
    platform::InstallLog();
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

namespace {

// The event and where it went, for the log:
// QToolButton "aceptar" en frmEditarDJ, evento QEvent::MouseButtonRelease
QString stepOf(QObject* receiver, QEvent* event)
{
    QString where = QString::fromLatin1(receiver->metaObject()->className()) + QStringLiteral(" \"")
        + receiver->objectName() + u'"';
    for (QObject* p = receiver->parent(); p; p = p->parent())
        if (qobject_cast<Form*>(p)) {
            where += QStringLiteral(" en ") + p->objectName();
            break;
        }
    QString type;
    QDebug(&type).noquote().nospace() << event->type();
    return QStringLiteral("QApplication::notify: ") + where + QStringLiteral(", evento ") + type;
}

}  // namespace

bool Application::notify(QObject* receiver, QEvent* event)
{
    return DeliverTrapped(receiver, event, [&] { return QApplication::notify(receiver, event); });
}

bool DeliverTrapped(QObject* receiver, QEvent* event, const std::function<bool()>& deliver)
{
    try {
        return deliver();
    } catch (const platform::Error& e) {
        platform::LogError(stepOf(receiver, event), e);
        ShowError(e.Number, e.Description);
    } catch (const std::exception& e) {
        const platform::Error error(ado::adErrGeneric, QString::fromLocal8Bit(e.what()));
        platform::LogError(stepOf(receiver, event), error);
        ShowError(error.Number, error.Description);
    }
    return false;
}

}  // namespace forms

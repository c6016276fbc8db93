#include "platform/forms/Trap.h"

#include "platform/ado/Connection.h"
#include "platform/errors/Error.h"
#include "platform/errors/Log.h"
#include "platform/forms/MsgBox.h"

#include <QFileInfo>

namespace forms {

namespace {

// A conflict with another window is told in its own words; every other
// failure as "Error " + number + ": " + text.
// The caller as the log names it: "void frmEditarDJ::Guardar() (frmEditarDJ.cpp:120)".
QString stepAt(const std::source_location& where)
{
    return QString::fromUtf8(where.function_name()) + QStringLiteral(" (")
        + QFileInfo(QString::fromUtf8(where.file_name())).fileName() + u':' + QString::number(where.line()) + u')';
}

void logged(const platform::Error& e, const std::source_location& where) { platform::LogError(stepAt(where), e); }

void mostrar(const platform::Error& e, const std::source_location& where)
{
    logged(e, where);
    if (dynamic_cast<const platform::Conflicto*>(&e))
        MsgBox(e.Description, vbExclamation, AppTitle());
    else
        ShowError(e.Number, e.Description);
}

}  // namespace

bool Atrapar(const std::function<void()>& step, std::source_location where)
{
    try {
        step();
        return true;
    } catch (const platform::Error& e) {
        mostrar(e, where);
        return false;
    }
}

bool Atrapar(const std::function<void()>& step, long numero, const std::function<void()>& siNumero,
             std::source_location where)
{
    try {
        step();
        return true;
    } catch (const platform::Error& e) {
        if (e.Number == numero)
            siNumero();
        else
            mostrar(e, where);
        return false;
    }
}

bool Atrapar(const std::function<void()>& step, ado::Causa causa, const std::function<void()>& siCausa,
             std::source_location where)
{
    try {
        step();
        return true;
    } catch (const ado::AdoError& e) {
        if (e.causa == causa) {
            logged(e, where);
            siCausa();
        } else
            mostrar(e, where);
        return false;
    } catch (const platform::Error& e) {
        mostrar(e, where);
        return false;
    }
}

bool Ignorar(const std::function<void()>& step, std::source_location where)
{
    try {
        step();
        return true;
    } catch (const platform::Conflicto& e) {
        mostrar(e, where);
        return false;
    } catch (const platform::Error& e) {
        logged(e, where);
        return false;
    }
}

bool IgnorarSalvo(const std::function<void()>& step, ado::Causa causa, std::source_location where)
{
    try {
        step();
        return true;
    } catch (const ado::AdoError& e) {
        if (e.causa == causa) throw;
        logged(e, where);
        return false;
    } catch (const platform::Error& e) {
        logged(e, where);
        return false;
    }
}

bool Ignorar(const std::function<void()>& step, ado::Causa mostrar, bool& mostrado, std::source_location where)
{
    try {
        step();
        return true;
    } catch (const ado::AdoError& e) {
        logged(e, where);
        if (e.causa == mostrar && !mostrado) {
            mostrado = true;
            ShowError(e.Number, e.Description);
        }
        return false;
    } catch (const platform::Error& e) {
        logged(e, where);
        return false;
    }
}

bool AtraparEnTransaccion(ado::Connection& conn, const std::function<void()>& step, std::source_location where)
{
    return Atrapar(
        [&] {
            ado::Transaccion t(conn);
            step();
            t.Commit();
        },
        where);
}

}  // namespace forms

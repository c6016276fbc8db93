#include "platform/forms/Trap.h"

#include "platform/ado/Connection.h"
#include "platform/errors/Error.h"
#include "platform/forms/MsgBox.h"

namespace forms {

namespace {

// A conflict with another window is told in its own words; every other
// failure as "Error " + number + ": " + text.
void mostrar(const platform::Error& e)
{
    if (dynamic_cast<const platform::Conflicto*>(&e))
        MsgBox(e.Description, vbExclamation, AppTitle());
    else
        ShowError(e.Number, e.Description);
}

}  // namespace

bool Atrapar(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const platform::Error& e) {
        mostrar(e);
        return false;
    }
}

bool Atrapar(const std::function<void()>& step, long numero, const std::function<void()>& siNumero)
{
    try {
        step();
        return true;
    } catch (const platform::Error& e) {
        if (e.Number == numero)
            siNumero();
        else
            mostrar(e);
        return false;
    }
}

bool Atrapar(const std::function<void()>& step, ado::Causa causa, const std::function<void()>& siCausa)
{
    try {
        step();
        return true;
    } catch (const ado::AdoError& e) {
        if (e.causa == causa)
            siCausa();
        else
            mostrar(e);
        return false;
    } catch (const platform::Error& e) {
        mostrar(e);
        return false;
    }
}

bool Ignorar(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const platform::Conflicto& e) {
        mostrar(e);
        return false;
    } catch (const platform::Error&) {
        return false;
    }
}

bool IgnorarSalvo(const std::function<void()>& step, ado::Causa causa)
{
    try {
        step();
        return true;
    } catch (const ado::AdoError& e) {
        if (e.causa == causa) throw;
        return false;
    } catch (const platform::Error&) {
        return false;
    }
}

bool Ignorar(const std::function<void()>& step, ado::Causa mostrar, bool& mostrado)
{
    try {
        step();
        return true;
    } catch (const ado::AdoError& e) {
        if (e.causa == mostrar && !mostrado) {
            mostrado = true;
            ShowError(e.Number, e.Description);
        }
        return false;
    } catch (const platform::Error&) {
        return false;
    }
}

bool AtraparEnTransaccion(ado::Connection& conn, const std::function<void()>& step)
{
    return Atrapar([&] {
        ado::Transaccion t(conn);
        step();
        t.Commit();
    });
}

}  // namespace forms

#include "platform/forms/KeyPress.h"

#include "platform/forms/ComboBox.h"
#include "platform/forms/DatePicker.h"

#include <QApplication>
#include <QWidget>

namespace forms {

int KeyAsciiOf(const QKeyEvent& e)
{
    switch (e.key()) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return -1;
    default: break;
    }
    const Qt::KeyboardModifiers mods = e.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (mods != Qt::NoModifier) return -1;
    const QString t = e.text();
    // A character beyond the first 65 536 (an emoji) comes as a pair of halves.
    if (t.size() == 2 && t.at(0).isHighSurrogate() && t.at(1).isLowSurrogate())
        return int(QChar::surrogateToUcs4(t.at(0), t.at(1)));
    if (t.size() != 1 || t.at(0).unicode() < 32 || t.at(0).unicode() == 127) return -1;
    return t.at(0).unicode();
}

QKeyEvent TeclaCambiada(const QKeyEvent& original, int keyAscii)
{
    int key;
    QString text;
    switch (keyAscii) {
    case 8: key = Qt::Key_Backspace; break;
    case 13: key = Qt::Key_Return; break;
    case 27: key = Qt::Key_Escape; break;
    default: {
        const char32_t c = char32_t(keyAscii);
        text = QString::fromUcs4(&c, 1);
        // Qt's key codes for Latin-1 letters are their capital's code.
        key = QChar::isLetter(c) && QChar::toUpper(c) < 256 ? int(QChar::toUpper(c)) : keyAscii;
        break;
    }
    }
    return QKeyEvent(QEvent::KeyPress, key, original.modifiers() & ~(Qt::ControlModifier | Qt::AltModifier), text,
                     original.isAutoRepeat(), ushort(original.count()));
}

void Mayuscula(int& keyAscii)
{
    const char32_t c = char32_t(keyAscii);
    if (QChar::isLower(c)) keyAscii = int(QChar::toUpper(c));
}

bool EnterAcepta(int keyAscii)
{
    if (keyAscii != 13 || QApplication::activePopupWidget()) return false;
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (auto* d = qobject_cast<DatePicker*>(w)) return !d->Escribiendo();
        if (auto* c = qobject_cast<ComboBox*>(w)) return !c->ListaRecienCerrada();
    }
    return true;
}

namespace {

class KeyPressFilter : public QObject {
public:
    KeyPressFilter(QWidget* w, std::function<void(int&)> handler) : QObject(w), m_handler(std::move(handler))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || m_resending) return false;
        auto* key = static_cast<QKeyEvent*>(e);
        const int original = KeyAsciiOf(*key);
        if (original < 0) return false;
        int ascii = original;
        m_handler(ascii);
        if (ascii == 0) return true;
        if (ascii == original) return false;
        QKeyEvent changed = TeclaCambiada(*key, ascii);
        m_resending = true;
        QApplication::sendEvent(watched, &changed);
        m_resending = false;
        return true;
    }

private:
    std::function<void(int&)> m_handler;
    bool m_resending = false;
};

}  // namespace

void OnKeyPress(QWidget* w, std::function<void(int&)> handler) { new KeyPressFilter(w, std::move(handler)); }

}  // namespace forms

#include "declarations/frmEditarDJ_Comun.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

namespace editor {

QLabel* Etiqueta(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(caption, parent);
    l->setBuddy(buddy);
    if (buddy->accessibleName().isEmpty()) buddy->setAccessibleName(caption);
    return l;
}

void Angosto(QComboBox* cbo, int chars)
{
    cbo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbo->setMinimumContentsLength(chars);
}

bool EsEnteroSimple(const QString& s, int maxDigits)
{
    if (s.isEmpty() || s.size() > maxDigits) return false;
    for (QChar c : s)
        if (c < QChar('0') || c > QChar('9')) return false;
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
        const QString t = key->text();
        // Keys that type no character (arrows, Delete, Tab moving the focus) are no KeyPress.
        if (t.size() != 1 || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || t[0].unicode() == 127)
            return false;
        int ascii = t[0].unicode();
        m_handler(ascii);
        if (ascii == 0) return true;
        if (ascii == t[0].unicode()) return false;
        QKeyEvent changed(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(ascii)),
                          key->isAutoRepeat(), key->count());
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

}  // namespace editor

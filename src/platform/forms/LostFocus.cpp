#include "platform/forms/LostFocus.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QMdiSubWindow>
#include <QPointer>

namespace forms {
namespace {

// The window, or MDI child window, a widget sits in.
const QWidget* frameOf(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (w->isWindow() || qobject_cast<const QMdiSubWindow*>(w)) return w;
    return nullptr;
}

bool passive(const QFocusEvent* e)
{
    return e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason;
}

class LostFocusFilter : public QObject {
public:
    LostFocusFilter(QWidget* w, std::function<void()> handler) : QObject(w), m_widget(w), m_handler(std::move(handler))
    {
        w->installEventFilter(this);
        m_inside = w->hasFocus();
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (m_inside && now && m_widget && now != m_widget && !m_widget->isAncestorOf(now)
                && frameOf(now) == frameOf(m_widget))
                leave();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn) {
            m_inside = true;
        } else if (e->type() == QEvent::FocusOut) {
            if (m_inside && !passive(static_cast<QFocusEvent*>(e))) leave();
        }
        return false;
    }

private:
    void leave()
    {
        m_inside = false;
        m_handler();
    }

    QPointer<QWidget> m_widget;
    std::function<void()> m_handler;
    bool m_inside = false;
};

}  // namespace

void OnLostFocus(QWidget* w, std::function<void()> handler) { new LostFocusFilter(w, std::move(handler)); }

}  // namespace forms

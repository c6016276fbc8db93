#include "platform/forms/LostFocus.h"

#include <QEvent>
#include <QFocusEvent>

namespace forms {
namespace {

class LostFocusFilter : public QObject {
public:
    LostFocusFilter(QWidget* w, std::function<void()> handler) : QObject(w), m_handler(std::move(handler))
    {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(e)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_handler();
        }
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> m_handler;
};

}  // namespace

void OnLostFocus(QWidget* w, std::function<void()> handler) { new LostFocusFilter(w, std::move(handler)); }

}  // namespace forms

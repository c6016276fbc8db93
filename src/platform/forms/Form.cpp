#include "platform/forms/Form.h"

#include "platform/forms/KeyPress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>
#include <QWindow>

namespace forms {
namespace {

QPointer<QMdiArea>& mdiArea()
{
    static QPointer<QMdiArea> area;
    return area;
}

// The form that last received Form_Activate: switching away from the
// program and back is no activation of a child window.
Form*& lastActive()
{
    static Form* f = nullptr;
    return f;
}

// Holds a window inside its MDI child: never larger than the MDI area, and
// scrolling the window's content when the area is smaller than the least
// the window needs, so that nothing is ever cut off.
class FormFrame : public QScrollArea {
public:
    explicit FormFrame(Form* form)
    {
        setObjectName(QStringLiteral("marco"));
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);  // the frame is no stop of its own
        setWidgetResizable(true);
        setWidget(form);
        setWindowTitle(form->windowTitle());
    }
    QSize sizeHint() const override
    {
        return Form::DentroDelArea(widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint())
                                            : QSize(400, 300));
    }

protected:
    // The child window's close box asks the window itself.
    void closeEvent(QCloseEvent* e) override
    {
        if (!widget() || widget()->close())
            e->accept();
        else
            e->ignore();
    }
};

Form* formOf(QMdiSubWindow* sub)
{
    QWidget* w = sub->widget();
    if (auto* frame = qobject_cast<QScrollArea*>(w)) w = frame->widget();
    return qobject_cast<Form*>(w);
}

bool isInside(QObject* o, QWidget* w)
{
    for (QObject* p = o; p; p = p->parent())
        if (p == w) return true;
    return false;
}

}  // namespace

// Routes the MDI area's activation to the forms.
class FormActivation : public QObject {
public:
    static void attach(QMdiArea* area)
    {
        QObject::connect(area, &QMdiArea::subWindowActivated, area, [](QMdiSubWindow* sub) {
            if (!sub) return;
            if (Form* f = formOf(sub)) f->activated();
        });
    }

    // When the control with the focus is disabled or hidden and nothing of
    // its child window can take over, the main window is left without a
    // focus, and once active again Qt gives it to the first control of the
    // main window, in the oldest child, which then activates. The focus goes
    // to the first control of the active child instead, once the handler
    // that disabled it is done.
    static void keepFocusInActiveChild(QMdiArea* area)
    {
        QWindow* handle = area->window()->windowHandle();
        if (!handle || handle->property("dj_focoEnHija").toBool()) return;
        handle->setProperty("dj_focoEnHija", true);
        const QPointer<QMdiArea> a(area);
        QObject::connect(handle, &QWindow::focusObjectChanged, area, [a] {
            if (!a || a->window()->focusWidget()) return;
            QTimer::singleShot(0, a, [a] {
                if (!a || a->window()->focusWidget()) return;
                QMdiSubWindow* sub = a->currentSubWindow();
                Form* f = sub ? formOf(sub) : nullptr;
                if (!f || f->m_unloading) return;
                for (QWidget* w = f->nextInFocusChain(); w && w != f; w = w->nextInFocusChain())
                    if (f->isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(f) && (w->focusPolicy() & Qt::TabFocus)
                        && !w->focusProxy()) {
                        w->setFocus(Qt::OtherFocusReason);
                        return;
                    }
            });
        });
    }
};

std::map<std::type_index, Form*>& Form::registry()
{
    static std::map<std::type_index, Form*> r;
    return r;
}

Form::Form(QWidget* parent) : QWidget(parent) {}

Form::~Form()
{
    if (m_slot && *m_slot == this) *m_slot = nullptr;
    if (lastActive() == this) lastActive() = nullptr;
    qApp->removeEventFilter(this);
}

std::vector<Form*> Form::Forms()
{
    std::vector<Form*> all;
    for (auto& [type, f] : registry())
        if (f) all.push_back(f);
    return all;
}

void Form::SetMdiArea(QMdiArea* area)
{
    mdiArea() = area;
    if (area) FormActivation::attach(area);
}

QMdiArea* Form::MdiArea() { return mdiArea(); }

QSize Form::DentroDelArea(QSize want, QSize minimo)
{
    if (QMdiArea* area = MdiArea()) {
        // Room for the child window's own frame and caption.
        const QSize room = area->viewport()->size() - QSize(12, 36);
        if (room.width() > 100 && room.height() > 100) want = want.boundedTo(room);
    }
    return want.expandedTo(minimo);
}

void Form::Load()
{
    if (m_loaded) return;
    m_loaded = true;
    Form_Load();
    qApp->installEventFilter(this);
}

void Form::Show()
{
    Load();
    if (QMdiArea* area = mdiArea()) {
        if (!m_sub) {
            // A place given by Move in Form_Load, before there was a subwindow to move.
            const bool placed = testAttribute(Qt::WA_Moved);
            const QPoint at = pos();
            // The control the window chose in Form_Load keeps the focus once framed.
            QPointer<QWidget> chosen = focusWidget();
            m_sub = area->addSubWindow(new FormFrame(this));
            if (chosen && isAncestorOf(chosen)) chosen->setFocus();
            m_sub->setAttribute(Qt::WA_DeleteOnClose, false);
            if (placed) m_sub->move(at);
        }
        m_sub->show();
        FormActivation::keepFocusInActiveChild(area);
        if (area->activeSubWindow() == m_sub)
            activated();
        else
            area->setActiveSubWindow(m_sub);
    } else {
        show();
        raise();
        activateWindow();
        activated();
    }
}

void Form::Move(int left, int top)
{
    if (m_sub)
        m_sub->move(left, top);
    else
        move(left, top);
}

void Form::activated()
{
    if (lastActive() == this || m_unloading) return;
    lastActive() = this;
    Form_Activate();
}

bool Form::runUnload(int mode)
{
    if (m_unloading) return true;
    int cancel = 0;
    Form_QueryUnload(cancel, mode);
    if (cancel && mode != vbFormMDIForm) return false;
    cancel = 0;
    Form_Unload(cancel);
    if (cancel && mode != vbFormMDIForm) return false;
    m_unloading = true;
    if (m_slot && *m_slot == this) *m_slot = nullptr;
    m_slot = nullptr;
    if (lastActive() == this) lastActive() = nullptr;
    qApp->removeEventFilter(this);
    // Destroyed later: the unload may come from one of the window's own handlers.
    if (m_sub) {
        m_sub->hide();
        m_sub->deleteLater();
        // Give the next window its activation, as closing a child does.
        if (QMdiArea* area = mdiArea()) area->activatePreviousSubWindow();
    } else {
        hide();
        deleteLater();
    }
    return true;
}

void Form::Unload(int mode) { runUnload(mode); }

void Form::UnloadAll()
{
    for (Form* f : Forms()) f->runUnload(vbFormMDIForm);
}

void Form::changeEvent(QEvent* e)
{
    // The MDI child shows the caption of the frame that holds the window.
    if (e->type() == QEvent::WindowTitleChange && m_sub && m_sub->widget())
        m_sub->widget()->setWindowTitle(windowTitle());
    QWidget::changeEvent(e);
}

void Form::closeEvent(QCloseEvent* e)
{
    if (m_unloading || runUnload(vbFormControlMenu))
        e->accept();
    else
        e->ignore();
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (!KeyPreview || event->type() != QEvent::KeyPress || m_unloading) return false;
    if (watched != QApplication::focusWidget() || !isInside(watched, this)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int original = KeyAsciiOf(*key);
    if (original < 0) return false;
    int ascii = original;
    Form_KeyPress(ascii);
    if (ascii == 0) return true;
    if (ascii == original) return false;
    // The window changed the character: the control gets the new one instead.
    QKeyEvent changed = TeclaCambiada(*key, ascii);
    const bool keep = KeyPreview;
    KeyPreview = false;  // the re-sent key is not previewed again
    QApplication::sendEvent(watched, &changed);
    KeyPreview = keep;
    return true;
}

}  // namespace forms

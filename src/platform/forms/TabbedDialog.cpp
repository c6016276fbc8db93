#include "platform/forms/TabbedDialog.h"

#include "platform/errors/Error.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QTabBar>
#include <QToolButton>

namespace forms {

namespace {

QString sinAmpersand(QString t) { return t.remove(QLatin1Char('&')); }

// One tab of the tab bar, as a screen reader meets it. Qt's own tab reports
// a tab that cannot be chosen as enabled; this one says it is disabled.
class PestanaAccesible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PestanaAccesible(QTabBar* barra, int indice) : m_barra(barra), m_indice(indice) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    bool isValid() const override { return m_barra && m_indice < m_barra->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_barra ? m_barra->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_barra.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) return s;
        s = parent()->state();
        s.selectable = true;
        s.selected = m_indice == m_barra->currentIndex();
        s.focused = s.selected && m_barra->hasFocus();
        s.disabled = s.disabled || !m_barra->isTabEnabled(m_indice);
        s.invisible = !m_barra->isTabVisible(m_indice);
        return s;
    }
    QRect rect() const override
    {
        if (!isValid()) return {};
        const QRect r = m_barra->tabRect(m_indice);
        return QRect(m_barra->mapToGlobal(r.topLeft()), r.size());
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return sinAmpersand(m_barra->tabText(m_indice));
        if (t == QAccessible::Description) return m_barra->tabToolTip(m_indice);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && isValid() && m_barra->isTabEnabled(m_indice)) m_barra->setCurrentIndex(m_indice);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> m_barra;
    int m_indice;
};

// The tab bar: its tabs, then its scroll buttons, as Qt's own lists them.
class BarraAccesible : public QAccessibleWidget {
public:
    explicit BarraAccesible(QWidget* w) : QAccessibleWidget(w, QAccessible::PageTabList) {}
    ~BarraAccesible() override
    {
        for (QAccessible::Id id : std::as_const(m_pestanas)) QAccessible::deleteAccessibleInterface(id);
    }
    QTabBar* barra() const { return static_cast<QTabBar*>(widget()); }

    int childCount() const override { return barra()->count() + int(botones().size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0) return nullptr;
        if (index < barra()->count()) {
            if (const auto it = m_pestanas.constFind(index); it != m_pestanas.cend())
                return QAccessible::accessibleInterface(*it);
            auto* p = new PestanaAccesible(barra(), index);
            m_pestanas.insert(index, QAccessible::registerAccessibleInterface(p));
            return p;
        }
        const QList<QToolButton*> b = botones();
        index -= barra()->count();
        return index < b.size() ? QAccessible::queryAccessibleInterface(b[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        if (!c) return -1;
        for (auto it = m_pestanas.cbegin(); it != m_pestanas.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == c) return it.key();
        const qsizetype b = botones().indexOf(qobject_cast<QToolButton*>(c->object()));
        return b < 0 ? -1 : barra()->count() + int(b);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
        return nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return sinAmpersand(barra()->tabText(barra()->currentIndex()));
        return QAccessibleWidget::text(t);
    }

private:
    QList<QToolButton*> botones() const { return barra()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly); }
    mutable QHash<int, QAccessible::Id> m_pestanas;
};

QAccessibleInterface* barraAccesible(const QString& key, QObject* o)
{
    if (key == QLatin1String("QTabBar") && o && qobject_cast<TabbedDialog*>(o->parent()))
        return new BarraAccesible(static_cast<QWidget*>(o));
    return nullptr;
}

}  // namespace

TabbedDialog::TabbedDialog(QWidget* parent) : QTabWidget(parent)
{
    static const bool factory = (QAccessible::installFactory(barraAccesible), true);
    (void)factory;
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        const int previous = m_current;
        m_current = index;
        // The first tab becoming current while the window is built is no change.
        if (previous >= 0 && index >= 0 && index != previous) emit Click(previous);
    });
}

QWidget* TabbedDialog::AddTab(const QString& caption)
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tab_%1").arg(count()));
    addTab(page, caption);
    return page;
}

void TabbedDialog::checkTab(int index) const
{
    if (index < 0 || index >= count()) throw platform::RuntimeError(platform::ErrInvalidPropertyValue);
}

void TabbedDialog::setTab(int index)
{
    checkTab(index);
    setCurrentIndex(index);
}

bool TabbedDialog::TabEnabled(int index) const
{
    checkTab(index);
    return isTabEnabled(index);
}

void TabbedDialog::setTabEnabled(int index, bool enabled)
{
    checkTab(index);
    // Disabling the current tab makes the tab bar move to the next enabled one (Click follows).
    const bool antes = isTabEnabled(index);
    QTabWidget::setTabEnabled(index, enabled);
    if (antes != enabled && QAccessible::isActive()) {
        if (QAccessibleInterface* barra = QAccessible::queryAccessibleInterface(tabBar())) {
            QAccessible::State cambio;
            cambio.disabled = true;
            QAccessibleStateChangeEvent e(barra->child(index), cambio);
            QAccessible::updateAccessibility(&e);
        }
    }
}

QString TabbedDialog::TabCaption(int index) const
{
    checkTab(index);
    return tabText(index);
}

void TabbedDialog::setTabCaption(int index, const QString& caption)
{
    checkTab(index);
    setTabText(index, caption);
}

QWidget* TabbedDialog::Page(int index) const
{
    checkTab(index);
    return widget(index);
}

}  // namespace forms

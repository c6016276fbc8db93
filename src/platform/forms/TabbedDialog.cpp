#include "platform/forms/TabbedDialog.h"

#include "platform/errors/Error.h"

#include <QTabBar>

namespace forms {

TabbedDialog::TabbedDialog(QWidget* parent) : QTabWidget(parent)
{
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
    QTabWidget::setTabEnabled(index, enabled);
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

#pragma once
// A set of tabs, each a page the window fills with its controls. Tabs are
// addressed by 0-based index and enabled one by one; Click tells the window
// which tab was left whenever the current tab changes, whether the user or
// the code changed it.

#include <QTabWidget>

namespace forms {

class TabbedDialog : public QTabWidget {
    Q_OBJECT
public:
    explicit TabbedDialog(QWidget* parent = nullptr);

    // Appends a tab and returns its page.
    QWidget* AddTab(const QString& caption);

    int Tabs() const { return count(); }
    int Tab() const { return currentIndex(); }
    void setTab(int index);  // error 380 outside 0..Tabs-1

    bool TabEnabled(int index) const;
    void setTabEnabled(int index, bool enabled);
    QString TabCaption(int index) const;
    void setTabCaption(int index, const QString& caption);
    QWidget* Page(int index) const;

signals:
    void Click(int previousTab);

private:
    void checkTab(int index) const;
    int m_current = -1;
};

}  // namespace forms

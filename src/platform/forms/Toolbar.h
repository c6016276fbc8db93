#pragma once
// A row of command buttons addressed as the windows expect: by 1-based
// position in the collection or by key. Separators are items of the
// collection too, so a button after a separator counts it in its index.
// Each button is a focusable QToolButton named "btn_" + key, showing its
// caption as text (under an icon when one is given).

#include <QIcon>
#include <QString>
#include <QToolBar>
#include <vector>

class QToolButton;
class QAction;

namespace forms {

class Toolbar;

// A handle to one item of a toolbar; cheap to copy, valid while the toolbar lives.
class Button {
public:
    QString Caption() const;
    void setCaption(const QString& caption);
    bool Enabled() const;
    void setEnabled(bool enabled);
    bool Visible() const;
    void setVisible(bool visible);
    QString Key() const;
    int Index() const { return m_index; }  // 1-based
    bool IsSeparator() const;

    QToolButton* widget() const;  // nullptr for a separator

private:
    friend class Toolbar;
    Button(Toolbar* toolbar, int index) : m_toolbar(toolbar), m_index(index) {}
    Toolbar* m_toolbar;
    int m_index;
};

class Toolbar : public QToolBar {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* parent = nullptr);

    // Appends a button; keys are unique within the toolbar (error 35602 otherwise).
    Button AddButton(const QString& key, const QString& caption, const QIcon& icon = {});
    void AddSeparator();

    int Count() const { return int(m_items.size()); }  // separators included
    // Error 35600 for an index outside 1..Count, 35601 for an unknown key.
    Button Buttons(int index);
    Button Buttons(const QString& key);

signals:
    // A click (mouse or Space) on an enabled button.
    void ButtonClick(const QString& key);

private:
    friend class Button;
    struct Item {
        QString key;
        QAction* action;      // the toolbar's action holding the widget or separator
        QToolButton* button;  // nullptr for a separator
    };
    const Item& item(int index) const { return m_items[size_t(index - 1)]; }
    std::vector<Item> m_items;
};

// The toolbar of an editor's section: buttons 1 "nuevo", 2 "modificar",
// 3 "eliminar", 4 "aceptar", 5 "cancelar", named `name`.
Toolbar* BarraDeSeccion(QWidget* parent, const char* name);

}  // namespace forms

#include "platform/forms/ComboBox.h"

#include "platform/errors/Error.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

namespace forms {

namespace {

platform::Error badIndex() { return platform::RuntimeError(platform::ErrInvalidPropertyIndex); }
platform::Error badValue() { return platform::RuntimeError(platform::ErrInvalidPropertyValue); }

QString mostrado(const QComboBox* c) { return c->isEditable() ? c->lineEdit()->text() : c->currentText(); }

// Qt names a combo on Linux by the item it shows, so a screen reader loses
// its label once a value is picked; ours keep the label as the name and the
// item as the value, and give the list (and the typed text of a drop-down
// combo) as children, with the action that opens the list, as Qt's own does.
// The item shown is also the combo's text and the selected row of its list:
// Qt 6.4 puts no value on the accessibility bus, and screen readers take a
// combo's value from a selected child or from its text.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ComboAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        const QComboBox* c = combo();
        const QString shown = mostrado(c);
        if (t == QAccessible::Name) return c->accessibleName().isEmpty() ? shown : c->accessibleName();
        if (t == QAccessible::Value) return shown;
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return combo()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0) return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->isEditable()) return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        if (!c) return -1;
        if (c->object() == combo()->view()) return 0;
        if (combo()->isEditable() && c->object() == combo()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QLineEdit* e = combo()->isEditable() ? combo()->lineEdit() : nullptr;
        if (e && QRect(e->mapToGlobal(QPoint(0, 0)), e->size()).contains(x, y))
            return QAccessible::queryAccessibleInterface(e);
        return nullptr;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) return;
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // The shown item as read-only text.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        const QString shown = mostrado(combo());
        if (end < 0 || end > shown.size()) end = int(shown.size());
        start = qBound(0, start, end);
        return shown.mid(start, end - start);
    }
    int characterCount() const override { return int(mostrado(combo()).size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

QAccessibleInterface* comboAccessible(const QString& key, QObject* o)
{
    if (key == QLatin1String("forms::ComboBox") && o && o->isWidgetType())
        return new ComboAccessible(static_cast<QWidget*>(o));
    return nullptr;
}

}  // namespace

ComboBox::ComboBox(QWidget* parent, Style style) : QComboBox(parent)
{
    static const bool factory = (QAccessible::installFactory(comboAccessible), true);
    (void)factory;
    if (style == vbComboDropdown) {
        setEditable(true);
        // Typed text never becomes an item of its own.
        setInsertPolicy(QComboBox::NoInsert);
        connect(this, &QComboBox::editTextChanged, this, [this] { emit Change(); });
    }
    // A choice by the user; choices made by code raise Click in setListIndex.
    connect(this, &QComboBox::activated, this, [this] { emit Click(); });
    connect(this, &QComboBox::currentIndexChanged, this, [this] { AnunciarMostrado(); });
    if (isEditable()) connect(this, &QComboBox::editTextChanged, this, [this] { AnunciarMostrado(); });
}

void ComboBox::AnunciarMostrado()
{
    // The list's selected row follows the item shown, open or closed (its
    // current row is left alone: moving it would tell of a focus change).
    if (QItemSelectionModel* sel = view()->selectionModel()) {
        const QModelIndex i =
            ListIndex() >= 0 ? model()->index(currentIndex(), modelColumn(), rootModelIndex()) : QModelIndex();
        if (i.isValid())
            sel->select(i, QItemSelectionModel::ClearAndSelect);
        else
            sel->clearSelection();
    }
    const QString shown = mostrado(this);
    if (shown == m_anunciado || !QAccessible::isActive()) {
        m_anunciado = shown;
        return;
    }
    QAccessibleTextUpdateEvent texto(this, 0, m_anunciado, shown);
    QAccessible::updateAccessibility(&texto);
    QAccessibleValueChangeEvent valor(this, shown);
    QAccessible::updateAccessibility(&valor);
    m_anunciado = shown;
}

int ComboBox::AddItem(const QString& text, int index)
{
    if (index < -1 || index > count()) throw platform::RuntimeError(platform::ErrInvalidCall);
    const int before = currentIndex();
    const QString typed = isEditable() ? currentText() : QString();
    const int at = index < 0 ? count() : index;
    // No Change for the text QComboBox shows for a moment.
    const QSignalBlocker quiet(this);
    insertItem(at, text, QVariant::fromValue<std::int32_t>(0));
    // QComboBox selects the first item added to an empty list; the windows
    // expect nothing selected until they choose.
    if (before < 0 && currentIndex() >= 0) {
        QComboBox::setCurrentIndex(-1);
        if (isEditable()) setEditText(typed);
    }
    m_newIndex = at;
    return at;
}

std::int32_t ComboBox::ItemData(int index) const
{
    if (index < 0 || index >= count()) throw badIndex();
    return itemData(index).value<std::int32_t>();
}

void ComboBox::setItemData(int index, std::int32_t data)
{
    if (index < 0 || index >= count()) throw badIndex();
    QComboBox::setItemData(index, QVariant::fromValue<std::int32_t>(data));
}

int ComboBox::ListIndex() const
{
    const int i = currentIndex();
    if (i >= 0 && isEditable() && currentText() != itemText(i)) return -1;
    return i;
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= count()) throw badValue();
    if (index == ListIndex()) return;
    QComboBox::setCurrentIndex(index);
    if (isEditable()) setEditText(index < 0 ? QString() : itemText(index));
    emit Click();
}

QString ComboBox::Text() const
{
    if (isEditable()) return currentText();
    return currentIndex() < 0 ? QString() : itemText(currentIndex());
}

void ComboBox::setText(const QString& text)
{
    int found = -1;
    for (int i = 0; i < count() && found < 0; ++i)
        if (itemText(i) == text) found = i;
    setListIndex(found);
    if (isEditable() && currentText() != text) setEditText(text);
}

QString ComboBox::List(int index) const
{
    if (index < 0 || index >= count()) return QString();
    return itemText(index);
}

void ComboBox::RemoveItem(int index)
{
    if (index < 0 || index >= count()) throw platform::RuntimeError(platform::ErrInvalidCall);
    const bool wasSelected = index == currentIndex();
    const QString typed = isEditable() ? currentText() : QString();
    const QSignalBlocker quiet(this);
    removeItem(index);
    // Removing the selected item leaves nothing selected (QComboBox would
    // move to a neighbour); a drop-down combo keeps the typed text.
    if (wasSelected) {
        QComboBox::setCurrentIndex(-1);
        if (isEditable()) setEditText(typed);
    }
    if (m_newIndex >= count()) m_newIndex = count() - 1;
}

void ComboBox::hidePopup()
{
    const bool abierta = view() && view()->isVisible();
    QComboBox::hidePopup();
    if (!abierta) return;
    // The key that closed the list is delivered before the event loop runs again.
    m_recienCerrada = true;
    QTimer::singleShot(0, this, [this] { m_recienCerrada = false; });
}

void ComboBox::Clear()
{
    clear();
    if (isEditable()) clearEditText();
    m_newIndex = -1;
}

}  // namespace forms

#pragma once
// A combo box as the windows use it: items with a 32-bit item data each,
// ListIndex -1 for no selection, and one Click for every choice, whether
// the user makes it or code sets ListIndex.
//
// Click: raised when the user picks an item (mouse, arrow keys, wheel; the
// same item again included) and when code changes ListIndex (setting it to
// its current value raises nothing; setting -1 raises Click when something
// was selected). Adding, removing and clearing items raise nothing.
//
// Styles: a drop-down list (the default) takes only its items; the
// drop-down combo takes typed text too. Change is raised when the text of
// a drop-down combo changes, typed or set by code; a list never raises it.

#include <QComboBox>
#include <QString>
#include <cstdint>

namespace forms {

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    enum Style { vbComboDropdown = 0, vbComboDropdownList = 2 };

    explicit ComboBox(QWidget* parent = nullptr, Style style = vbComboDropdownList);
    Style ComboStyle() const { return isEditable() ? vbComboDropdown : vbComboDropdownList; }

    int AddItem(const QString& text, int index = -1);  // at the end by default; returns its index
    int NewIndex() const { return m_newIndex; }
    std::int32_t ItemData(int index) const;          // 381 outside the list
    void setItemData(int index, std::int32_t data);  // 381 outside the list
    using QComboBox::setItemData;

    // -1 when nothing is selected, and in the drop-down combo also when the
    // typed text is not the selected item's.
    int ListIndex() const;
    void setListIndex(int index);  // 380 outside -1 .. ListCount - 1
    // The selected item's text ("" for none); the typed text in a drop-down combo.
    QString Text() const;
    // Selects the first item with exactly this text (raising Click as
    // setListIndex does); with none, a list selects nothing and a drop-down
    // combo keeps the text with nothing selected.
    void setText(const QString& text);
    int ListCount() const { return count(); }
    // The list was closed by the key now being delivered: Qt closes it on
    // the Enter's shortcut check, then hands the same Enter to the combo.
    bool ListaRecienCerrada() const { return m_recienCerrada; }
    void hidePopup() override;
    QString List(int index) const;  // "" outside the list
    void RemoveItem(int index);     // 5 outside the list
    void Clear();

signals:
    void Click();
    void Change();

private:
    // Tells a screen reader of the item now shown.
    void AnunciarMostrado();

    int m_newIndex = -1;
    QString m_anunciado;
    bool m_recienCerrada = false;
};

}  // namespace forms

#include "platform/forms/Toolbar.h"

#include "platform/errors/Error.h"
#include "platform/forms/Iconos.h"

#include <QAction>
#include <QApplication>
#include <QStyle>
#include <QToolButton>

namespace forms {
namespace {

// The icon of a button by its key.
QIcon iconFor(const QString& key)
{
    struct Entry {
        const char* key;
        const char* names[3];
        QStyle::StandardPixmap standard;
    };
    static const Entry table[] = {
        {"nuevo", {"document-new", nullptr, nullptr}, QStyle::SP_FileIcon},
        {"modificar", {"document-edit", "document-properties", nullptr}, QStyle::SP_FileDialogDetailedView},
        {"borrar", {"edit-delete", nullptr, nullptr}, QStyle::SP_TrashIcon},
        {"eliminar", {"edit-delete", nullptr, nullptr}, QStyle::SP_TrashIcon},
        {"aceptar", {"dialog-ok", "object-select", "document-save"}, QStyle::SP_DialogApplyButton},
        {"cancelar", {"dialog-cancel", "process-stop", nullptr}, QStyle::SP_DialogCancelButton},
        {"salir", {"application-exit", "window-close", nullptr}, QStyle::SP_DialogCloseButton},
        {"imprimir", {"document-print", nullptr, nullptr}, QStyle::SP_FileDialogContentsView},
        {"disco", {"document-save", "media-floppy", nullptr}, QStyle::SP_DriveFDIcon},
        // The report viewer's (its zoom buttons show their captions alone).
        {"pdf", {"document-save-as", "document-save", nullptr}, QStyle::SP_DialogSaveButton},
        {"primera", {"go-first", "go-first-symbolic", nullptr}, QStyle::SP_MediaSkipBackward},
        {"anterior", {"go-previous", "go-previous-symbolic", nullptr}, QStyle::SP_MediaSeekBackward},
        {"siguiente", {"go-next", "go-next-symbolic", nullptr}, QStyle::SP_MediaSeekForward},
        {"ultima", {"go-last", "go-last-symbolic", nullptr}, QStyle::SP_MediaSkipForward},
    };
    for (const Entry& e : table)
        if (key == QLatin1String(e.key)) return IconoDelTema({e.names[0], e.names[1], e.names[2]}, e.standard);
    return {};
}

}  // namespace

Toolbar::Toolbar(QWidget* parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
}

Button Toolbar::AddButton(const QString& key, const QString& caption, const QIcon& icon)
{
    for (const Item& it : m_items)
        if (!key.isEmpty() && it.key == key) throw platform::RuntimeError(platform::ErrKeyNotUnique);

    // Our own QToolButton rather than addAction(): the toolbar's own buttons
    // take no focus, and the clerks must reach these with the keyboard.
    auto* b = new QToolButton(this);
    b->setObjectName(QStringLiteral("btn_") + key);
    b->setText(caption);
    b->setAccessibleName(caption);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAutoRaise(true);
    const QIcon shown = icon.isNull() ? iconFor(key) : icon;
    if (shown.isNull()) {
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else {
        b->setIcon(shown);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
    connect(b, &QToolButton::clicked, this, [this, key] { emit ButtonClick(key); });
    QAction* a = addWidget(b);
    m_items.push_back({key, a, b});
    return Button(this, Count());
}

void Toolbar::AddSeparator() { m_items.push_back({QString(), addSeparator(), nullptr}); }

Button Toolbar::Buttons(int index)
{
    if (index < 1 || index > Count()) throw platform::RuntimeError(platform::ErrIndexOutOfBounds);
    return Button(this, index);
}

Button Toolbar::Buttons(const QString& key)
{
    for (int i = 0; i < Count(); ++i)
        if (!key.isEmpty() && m_items[size_t(i)].key == key) return Button(this, i + 1);
    throw platform::RuntimeError(platform::ErrElementNotFound);
}

// --- Button

QToolButton* Button::widget() const { return m_toolbar->item(m_index).button; }
bool Button::IsSeparator() const { return widget() == nullptr; }
QString Button::Key() const { return m_toolbar->item(m_index).key; }

QString Button::Caption() const
{
    QToolButton* b = widget();
    return b ? b->text() : QString();
}

void Button::setCaption(const QString& caption)
{
    if (QToolButton* b = widget()) {
        b->setText(caption);
        b->setAccessibleName(caption);
    }
}

bool Button::Enabled() const
{
    // The button's own setting, whatever the toolbar's or the window's state.
    QToolButton* b = widget();
    return b ? !b->testAttribute(Qt::WA_ForceDisabled) : m_toolbar->item(m_index).action->isEnabled();
}

void Button::setEnabled(bool enabled)
{
    if (QToolButton* b = widget())
        b->setEnabled(enabled);
    else
        m_toolbar->item(m_index).action->setEnabled(enabled);
}

// The action, not the widget, decides whether the toolbar lays the item out.
bool Button::Visible() const { return m_toolbar->item(m_index).action->isVisible(); }
void Button::setVisible(bool visible) { m_toolbar->item(m_index).action->setVisible(visible); }

Toolbar* BarraDeSeccion(QWidget* parent, const char* name)
{
    auto* tb = new Toolbar(parent);
    tb->setObjectName(QString::fromLatin1(name));
    tb->AddButton(QStringLiteral("nuevo"), QStringLiteral("Nuevo"));
    tb->AddButton(QStringLiteral("modificar"), QStringLiteral("Modificar"));
    tb->AddButton(QStringLiteral("eliminar"), QStringLiteral("Eliminar"));
    tb->AddButton(QStringLiteral("aceptar"), QStringLiteral("Aceptar"));
    tb->AddButton(QStringLiteral("cancelar"), QStringLiteral("Cancelar"));
    return tb;
}

}  // namespace forms

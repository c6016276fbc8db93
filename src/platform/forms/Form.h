#pragma once
// Base of every window: one instance per window class (the default
// instance, created on first reference and destroyed by Unload), shown
// modeless inside the main window's MDI area.
//
// Events, in the order a window sees them: Form_Load once when loaded;
// Form_Activate whenever it becomes the active child window (first display
// included); Form_QueryUnload before closing, with the reason, where cancel
// keeps it open; Form_Unload, then destruction. With KeyPreview set,
// Form_KeyPress sees every typed character before the control does and may
// change it or drop it (KeyAscii = 0).

#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <typeindex>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace forms {

enum QueryUnloadMode {
    vbFormControlMenu = 0,
    vbFormCode = 1,
    vbAppWindows = 2,
    vbAppTaskManager = 3,
    vbFormMDIForm = 4
};

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    // The default instance of a window class, created (and loaded) on first reference.
    template <class T> static T& Instance()
    {
        Form*& slot = registry()[std::type_index(typeid(T))];
        if (!slot) {
            T* f = new T();
            slot = f;
            f->m_slot = &slot;
            f->Load();
        }
        return static_cast<T&>(*slot);
    }
    // The default instance if one exists, else nullptr (never creates one).
    template <class T> static T* Existing()
    {
        auto it = registry().find(std::type_index(typeid(T)));
        return it == registry().end() ? nullptr : static_cast<T*>(it->second);
    }
    // Every window that exists, in no particular order.
    static std::vector<Form*> Forms();

    void Load();                         // Form_Load, once
    void Show();                         // modeless in the MDI area; activates it
    void Unload(int mode = vbFormCode);  // QueryUnload, Unload, destruction
    bool Loaded() const { return m_loaded; }

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& c) { setWindowTitle(c); }
    void Move(int left, int top);  // in the MDI area, pixels

    QMdiSubWindow* subWindow() const { return m_sub; }

    // The main window's MDI area; set once by the main window.
    static void SetMdiArea(QMdiArea* area);
    static QMdiArea* MdiArea();
    // The size a window asks for, fitted inside the MDI area with room for
    // its child window's frame, never below `minimo` (the window's frame
    // then scrolls). An area not laid out yet (or none) leaves it as asked.
    static QSize DentroDelArea(QSize want, QSize minimo = {});

    // Unloads every window as the main window closes (mode vbFormMDIForm).
    static void UnloadAll();

    bool KeyPreview = false;

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_QueryUnload(int& cancel, int unloadMode)
    {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }

    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class FormActivation;
    static std::map<std::type_index, Form*>& registry();
    void activated();
    bool runUnload(int mode);

    Form** m_slot = nullptr;
    QMdiSubWindow* m_sub = nullptr;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_closingFromUnload = false;
};

}  // namespace forms

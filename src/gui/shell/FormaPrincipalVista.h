#pragma once

#include <QMainWindow>

#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace dravek {
class ElementoMenu;
class FormaPrincipal;
} // namespace dravek

namespace dravek::gui {

// The main window: the frame the data-entry window opens inside, with the caption, the logo
// and the menu bar from the core's FormaPrincipal. A menu item runs
// its command in the logic, then every item's caption and state are copied back; an item of a
// disabled menu is disabled too, shortcut included. The data-entry window changes the run
// items from outside: the items are copied again before a menu opens and before a shortcut is
// looked up, so a shortcut always follows the logic's state.
class FormaPrincipalVista : public QMainWindow {
    Q_OBJECT
public:
    explicit FormaPrincipalVista(FormaPrincipal &logica, QWidget *padre = nullptr);

    // Copies the logic's control state into the widgets.
    void Refresca();
    bool TieneLogo() const;
    // Where the logo is painted, in screen coordinates; empty without one.
    QRect RectanguloLogo() const;
    // The action of a menu item, by the item's name; null when none.
    QAction *Accion(const QString &nombre) const;

    // The area the frame's windows open in, its logo painted behind them.
    QMdiArea *area() const;
    // Places a window made for the frame in its area, over the whole of it; the frame grows,
    // within the smallest screen the program is used on, to show the window whole.
    void AbreHija(QMdiSubWindow *subventana);

protected:
    void closeEvent(QCloseEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    struct Entrada {
        ElementoMenu *elemento;
        ElementoMenu *menu; // the top-level menu holding it; null for a top-level one
        QAction *accion;
    };
    QMenu *AnadeMenu(ElementoMenu &elemento);
    void AnadeAccion(QMenu *menu, ElementoMenu &padre, ElementoMenu &elemento,
                     const char *atajo = nullptr);

    FormaPrincipal &m_logica;
    class AreaMarco *m_area;
    QString m_rutaLogo;
    std::vector<Entrada> m_entradas;
    bool m_terminando = false;

    friend class VentanasPrincipalQt;
};

} // namespace dravek::gui

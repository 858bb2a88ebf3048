#pragma once

#include "core/entry/VistaCaptura.h"

#include <QDialog>
#include <QString>

#include <map>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QStackedWidget;
class QTabBar;

namespace dravek {
class CapturaDatos;
class Control;
class Pestanas;
} // namespace dravek

namespace dravek::gui {

class FiltroFoco;

// The data-entry window: a passive view over CapturaDatos. Every control of the logic has a
// widget named as the control ("rdTipoColocacion(1)" for an option, "lbEtiquetas(22)" for a
// caption); the view forwards typing, choosing, clicking, tab changes and focus moves to the
// logic's handlers and then copies the whole state of the logic back into the widgets with
// their signals blocked. The logic must outlive the view.
class CapturaDatosVista : public QDialog, public VistaCaptura {
    Q_OBJECT
public:
    explicit CapturaDatosVista(CapturaDatos &logica, QWidget *padre = nullptr);

    void Muestra() override;
    void Cierra() override;
    void Refresca() override;

    // The widget of a control by its name; null for none.
    QWidget *Widget(const std::string &nombre) const;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    // The window's close box asks the logic, as its close button does.
    void closeEvent(QCloseEvent *evento) override;
    // Escape closes an open list or message box, never the project: the dialog's own Escape
    // does nothing here.
    void reject() override;

private:
    // A widget that shows a control (or one option of an option array).
    struct Enlace {
        Control *control;
        QWidget *widget;
        int opcion = -1;
    };

    // Widgets made for the control of that name, kept and wired to the logic.
    QWidget *Crea(const std::string &nombre, QWidget *padre);
    QLabel *Rotulo(int item, QWidget *padre);
    // A tab strip with one page per tab, each page an empty widget for the caller to fill.
    QWidget *Pestanas(const std::string &nombre, QWidget *padre, std::vector<QWidget *> &paginas);
    // Caption and field rows of a grid, from column columna on.
    struct Fila {
        int item;
        const char *campo;
    };
    void Filas(QGridLayout *rejilla, const std::vector<Fila> &filas, int fila = 0,
               int columna = 0);
    QWidget *PaginaProyecto(QWidget *padre);
    QWidget *PaginaTipologia(QWidget *padre);
    QWidget *PaginaColocacion(QWidget *padre);

    void Registra(Control &control, QWidget *widget, int opcion = -1);
    void Despues();
    void EnfocaControl();
    void CambiaPestana(dravek::Pestanas &control, QTabBar *barra, int pagina);
    void PonImagen(QLabel *imagen, const std::string &ruta);

    CapturaDatos &m_logica;
    FiltroFoco *m_filtro;
    std::vector<Enlace> m_enlaces;
    std::map<std::string, QWidget *> m_porNombre;
    std::map<QTabBar *, QStackedWidget *> m_paginas;
    std::map<QLabel *, std::string> m_imagenes;
    // The run commands, shown with the run's pages.
    QWidget *m_botonesTramo = nullptr;
    // The control whose text was last selected on entering it.
    Control *m_focoSeleccionado = nullptr;
    // Set while the logic itself has the window closed.
    bool m_cerrando = false;
};

} // namespace dravek::gui

#include "gui/adjustment/frAjustesVista.h"

#include "core/adjustment/frAjustes.h"
#include "gui/comun/CopiaControles.h"
#include "gui/comun/FiltroFoco.h"
#include "gui/comun/TextoQt.h"
#include "gui/comun/TextoRicoQt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

namespace dravek::gui {

frAjustesVista::frAjustesVista(frAjustes &logica, QWidget *padre)
    : QDialog(padre), m_logica(logica), m_filtro(new FiltroFoco(
                                            logica, [this] { Despues(); }, this))
{
    frAjustes &l = m_logica;

    m_Frame3 = new QGroupBox(this);
    auto *alturas = new QHBoxLayout(m_Frame3);
    m_Label1 = new QLabel(m_Frame3);
    alturas->addWidget(m_Label1);
    alturas->addWidget(NuevaCaja(l.txAltura, m_Frame3, false));
    alturas->addWidget(NuevoBoton(l.btAnteriorAltura, QStyle::SP_ArrowLeft, m_Frame3));
    alturas->addWidget(NuevoBoton(l.btSiguienteAltura, QStyle::SP_ArrowRight, m_Frame3));

    m_Frame2 = new QGroupBox(this);
    auto *presiones = new QHBoxLayout(m_Frame2);
    m_Label2 = new QLabel(m_Frame2);
    presiones->addWidget(m_Label2);
    presiones->addWidget(NuevaCaja(l.txPresion, m_Frame2, false));
    presiones->addWidget(NuevoBoton(l.btAnteriorPresion, QStyle::SP_ArrowLeft, m_Frame2));
    presiones->addWidget(NuevoBoton(l.btSiguientePresion, QStyle::SP_ArrowRight, m_Frame2));

    m_frArmDisponibles = new QGroupBox(this);
    auto *filas = new QGridLayout(m_frArmDisponibles);
    for (int c = 0; c < 4; ++c) {
        m_cabeceras[static_cast<std::size_t>(c)] = new QLabel(m_frArmDisponibles);
        m_cabeceras[static_cast<std::size_t>(c)]->setObjectName(
            QStringLiteral("lbArmadura(%1)").arg(c));
        m_cabeceras[static_cast<std::size_t>(c)]->setWordWrap(true);
        m_cabeceras[static_cast<std::size_t>(c)]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        filas->addWidget(m_cabeceras[static_cast<std::size_t>(c)], 0, c + 1);
    }
    // A column head may take three lines in the narrow columns of some languages.
    filas->setRowMinimumHeight(0, 3 * fontMetrics().lineSpacing());
    for (int i = 0; i <= frAjustes::FilaDirecta; ++i) {
        auto *opcion = new QRadioButton(m_frArmDisponibles);
        opcion->setObjectName(QStringLiteral("obSeleccion(%1)").arg(i));
        m_obSeleccion[static_cast<std::size_t>(i)] = opcion;
        m_filtro->Observa(opcion, l.obSeleccion);
        connect(opcion, &QRadioButton::clicked, this, [this, i] { ClickOpcion(i); });
        filas->addWidget(opcion, i + 1, 0);
        const bool directa = i == frAjustes::FilaDirecta;
        filas->addWidget(NuevaCaja(l.txArmCamisa[i], m_frArmDisponibles, directa), i + 1, 1);
        filas->addWidget(NuevaCaja(l.txArmRefuerzo[i], m_frArmDisponibles, directa), i + 1, 2);
        filas->addWidget(NuevaCaja(l.txArmExterior[i], m_frArmDisponibles, directa), i + 1, 3);
        filas->addWidget(NuevaCaja(l.txArmTotal[i], m_frArmDisponibles, false), i + 1, 4);
    }
    auto *botonesFilas = new QHBoxLayout;
    botonesFilas->addWidget(NuevoBoton(l.btSubirValorMedio, QStyle::SP_ArrowUp, this));
    botonesFilas->addWidget(NuevoBoton(l.btBajarValorMedio, QStyle::SP_ArrowDown, this));
    botonesFilas->addStretch();
    botonesFilas->addWidget(NuevoBoton(l.btSeleccionDirecta, QStyle::SP_DialogApplyButton, this));
    botonesFilas->addWidget(
        NuevoBoton(l.btAnulaSeleccionDirecta, QStyle::SP_DialogCancelButton, this));
    filas->addLayout(botonesFilas, 10, 0, 1, 5);

    m_Frame1 = new QGroupBox(this);
    auto *comprobacion = new QGridLayout(m_Frame1);
    m_lbDispuesta = new QLabel(m_Frame1);
    m_lbNecesaria = new QLabel(m_Frame1);
    comprobacion->addWidget(m_lbDispuesta, 0, 1);
    comprobacion->addWidget(m_lbNecesaria, 0, 2);
    const QPixmap alerta = style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16);
    for (int i = 0; i < 3; ++i) {
        const auto f = static_cast<std::size_t>(i);
        m_lbPosicion[f] = new QLabel(m_Frame1);
        m_imAlerta[f] = new QLabel(m_Frame1);
        m_imAlerta[f]->setObjectName(QStringLiteral("imAlerta(%1)").arg(i));
        m_imAlerta[f]->setPixmap(alerta);
        comprobacion->addWidget(m_lbPosicion[f], i + 1, 0);
        comprobacion->addWidget(NuevaCaja(l.txArmDispuesta[i], m_Frame1, false), i + 1, 1);
        comprobacion->addWidget(NuevaCaja(l.txArmNecesaria[i], m_Frame1, false), i + 1, 2);
        comprobacion->addWidget(m_imAlerta[f], i + 1, 3);
    }

    m_frrecubrimientos = new QGroupBox(this);
    auto *recubrimientos = new QGridLayout(m_frrecubrimientos);
    m_lbInterior = new QLabel(m_frrecubrimientos);
    m_lbExterior = new QLabel(m_frrecubrimientos);
    recubrimientos->addWidget(m_lbInterior, 0, 0);
    recubrimientos->addWidget(m_lbExterior, 0, 1);
    recubrimientos->addWidget(NuevaCaja(l.txRecInterior, m_frrecubrimientos, true), 1, 0);
    recubrimientos->addWidget(NuevaCaja(l.txRecExterior, m_frrecubrimientos, true), 1, 1);
    auto *botonesRecubrimientos = new QHBoxLayout;
    botonesRecubrimientos->addWidget(
        NuevoBoton(l.btCambiarRecubrimientos, QStyle::SP_FileDialogDetailedView, this));
    botonesRecubrimientos->addWidget(
        NuevoBoton(l.btRecubrimientosOrigen, QStyle::SP_BrowserReload, this));
    botonesRecubrimientos->addWidget(
        NuevoBoton(l.btAceptarRecubrimientos, QStyle::SP_DialogApplyButton, this));
    botonesRecubrimientos->addWidget(
        NuevoBoton(l.btAnularRecubrimientos, QStyle::SP_DialogCancelButton, this));
    recubrimientos->addLayout(botonesRecubrimientos, 2, 0, 1, 2);
    m_tbAviso = new QTextEdit(m_frrecubrimientos);
    m_tbAviso->setObjectName(QStringLiteral("tbAviso"));
    m_tbAviso->setReadOnly(true);
    m_tbAviso->setFocusPolicy(Qt::NoFocus);
    m_tbAviso->setMinimumHeight(8 * m_tbAviso->fontMetrics().lineSpacing());
    recubrimientos->addWidget(m_tbAviso, 3, 0, 1, 2);

    m_edAvisoCaldera = new QPlainTextEdit(this);
    m_edAvisoCaldera->setObjectName(QStringLiteral("edAvisoCaldera"));
    m_edAvisoCaldera->setReadOnly(true);
    m_edAvisoCaldera->setFocusPolicy(Qt::NoFocus);

    auto *salida = new QHBoxLayout;
    salida->addStretch();
    salida->addWidget(NuevoBoton(l.btGuardar, QStyle::SP_DialogSaveButton, this));
    salida->addWidget(NuevoBoton(l.btAceptarAjuste, QStyle::SP_DialogOkButton, this));
    salida->addWidget(NuevoBoton(l.btSalir, QStyle::SP_DialogCloseButton, this));

    auto *izquierda = new QVBoxLayout;
    izquierda->addWidget(m_Frame3);
    izquierda->addWidget(m_Frame2);
    izquierda->addWidget(m_frArmDisponibles);
    auto *derecha = new QVBoxLayout;
    derecha->addWidget(m_Frame1);
    derecha->addWidget(m_frrecubrimientos);
    derecha->addWidget(m_edAvisoCaldera);
    // The frames keep their own height; what is left of the column's stays below them.
    derecha->addStretch(1);
    auto *rejilla = new QGridLayout(this);
    rejilla->addLayout(izquierda, 0, 0);
    rejilla->addLayout(derecha, 0, 1);
    rejilla->addLayout(salida, 1, 0, 1, 2);

    // The notice keeps its look; the logic says when it shows.
    MuestraDocumento(*m_tbAviso, m_logica.Aviso());
    Refresca();
}

QLineEdit *frAjustesVista::NuevaCaja(CajaTexto &caja, QWidget *padre, bool escribible)
{
    auto *campo = new QLineEdit(padre);
    campo->setObjectName(aQt(caja.Name()));
    // Room for the widest area the table shows, whatever the captions above it.
    campo->setMinimumWidth(campo->fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) +
                           2 * campo->fontMetrics().averageCharWidth());
    m_cajas.emplace_back(campo, &caja);
    if (escribible) {
        m_filtro->Observa(campo, caja);
        m_filtro->SeleccionaAlEntrar(campo);
        connect(campo, &QLineEdit::textEdited, this, [this, &caja](const QString &texto) {
            m_filtro->Ejecuta([&caja, &texto] { ponTexto(caja, deQt(texto)); });
        });
    } else {
        campo->setFocusPolicy(Qt::NoFocus);
    }
    return campo;
}

QPushButton *frAjustesVista::NuevoBoton(Boton &boton, int icono, QWidget *padre)
{
    QPushButton *widget = gui::NuevoBoton(padre);
    widget->setObjectName(aQt(boton.Name()));
    widget->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(icono)));
    m_botones.emplace_back(widget, &boton);
    m_filtro->Observa(widget, boton);
    connect(widget, &QPushButton::clicked, this, [this, &boton] {
        // A click whose focus move the leave check refused does not press the button.
        if (m_filtro->Acepta(boton)) {
            m_filtro->Ejecuta([&boton] { pulsa(boton); });
        }
    });
    return widget;
}

void frAjustesVista::ClickOpcion(int indice)
{
    if (m_filtro->Acepta(m_logica.obSeleccion)) {
        m_filtro->Ejecuta([this, indice] { ponValor(m_logica.obSeleccion, indice, true); });
    } else {
        Refresca();
    }
}

// Closing through the frame (or Escape) leaves as the exit button does.
void frAjustesVista::reject()
{
    if (m_logica.Descargada()) {
        QDialog::reject();
        return;
    }
    m_filtro->Ejecuta([this] { m_logica.Form_QueryUnload(); });
}

void frAjustesVista::Despues()
{
    m_logica.cumplePeticionFoco();
    Refresca();
    if (m_logica.Descargada()) {
        accept();
    }
}

void frAjustesVista::Refresca()
{
    const frAjustes &l = m_logica;
    setWindowTitle(aQt(l.Caption));
    Copia(m_Frame3, l.Frame3);
    Copia(m_Label1, l.Label1);
    Copia(m_Frame2, l.Frame2);
    Copia(m_Label2, l.Label2);
    Copia(m_frArmDisponibles, l.frArmDisponibles);
    for (int c = 0; c < 4; ++c) {
        QLabel *cabecera = m_cabeceras[static_cast<std::size_t>(c)];
        // A head wraps between its words only: a word joiner after each slash keeps the unit
        // "(cm2/m)" whole, which the line breaker would otherwise cut after its slash.
        QString texto = aQt(m_logica.lbArmadura(c).Caption);
        texto.replace(u'/', QStringLiteral("/\u2060"));
        cabecera->setText(texto);
    }
    for (int i = 0; i <= frAjustes::FilaDirecta; ++i) {
        Copia(m_obSeleccion[static_cast<std::size_t>(i)], l.obSeleccion, i);
    }
    Copia(m_Frame1, l.Frame1);
    m_lbDispuesta->setText(aQt(m_logica.lbArmadura(7).Caption));
    m_lbNecesaria->setText(aQt(m_logica.lbArmadura(6).Caption));
    for (int i = 0; i < 3; ++i) {
        const auto f = static_cast<std::size_t>(i);
        m_lbPosicion[f]->setText(aQt(m_logica.lbPosicion(i).Caption));
        m_imAlerta[f]->setToolTip(aQt(l.imAlerta[i].ToolTipText));
        m_imAlerta[f]->setVisible(l.imAlerta[i].Visible);
    }
    Copia(m_frrecubrimientos, l.frrecubrimientos);
    m_lbInterior->setText(aQt(m_logica.lbArmadura(4).Caption));
    m_lbExterior->setText(aQt(m_logica.lbArmadura(5).Caption));
    m_tbAviso->setVisible(l.tbAviso.Visible);
    Copia(m_edAvisoCaldera, l.edAvisoCaldera);
    // The notice is only read, though its control is not locked.
    m_edAvisoCaldera->setReadOnly(true);
    for (const auto &[campo, caja] : m_cajas) {
        Copia(campo, *caja);
    }
    for (const auto &[widget, boton] : m_botones) {
        Copia(widget, *boton);
    }
    EnfocaControl();
    // Shift+End: the text from the caret to the end.
    if (CajaTexto *caja = m_logica.SeleccionPendiente()) {
        for (const auto &[campo, control] : m_cajas) {
            if (control == caja) {
                const int desde = campo->cursorPosition();
                campo->setSelection(desde, static_cast<int>(campo->text().size()) - desde);
            }
        }
        m_logica.OlvidaSeleccion();
    }
}

void frAjustesVista::EnfocaControl()
{
    const Control *foco = m_logica.Foco();
    if (foco == nullptr) {
        return;
    }
    if (foco == &m_logica.obSeleccion) {
        // The option array has one focus: a button of it that has the focus keeps it (taking it
        // away in the middle of a click would cancel the click).
        for (const QRadioButton *opcion : m_obSeleccion) {
            if (opcion->hasFocus()) {
                return;
            }
        }
        const int i = m_logica.obSeleccion.Seleccionada();
        if (i >= 0) {
            m_filtro->Enfoca(m_obSeleccion[static_cast<std::size_t>(i)]);
        }
        return;
    }
    if (QWidget *destino = m_filtro->Widget(foco)) {
        m_filtro->Enfoca(destino);
    }
}

} // namespace dravek::gui

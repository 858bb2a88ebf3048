#include "gui/entry/CapturaDatosVista.h"

#include "core/entry/CamposCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "gui/comun/CopiaControles.h"
#include "gui/comun/FiltroFoco.h"
#include "gui/comun/TextoQt.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include <stdexcept>

namespace dravek::gui {

namespace {

// The largest a picture is shown, px: the drawings are scaled down to it, never up.
constexpr int AnchoImagen = 300;
constexpr int AltoImagen = 230;

// Boxes whose text runs over several lines: the notes about the loads.
bool EsNota(const std::string &nombre)
{
    return nombre == "avCargas0" || nombre == "avCargas1";
}

QColor Fondo(ColorFondo color, const QPalette &sistema)
{
    switch (color) {
    case ColorFondo::Cerrado:
        return {0xC0, 0xC0, 0xC0};
    case ColorFondo::Cara:
        return sistema.color(QPalette::Window);
    case ColorFondo::Aviso:
        return {0x00, 0xC0, 0xC0};
    case ColorFondo::Editable:
        break;
    }
    return sistema.color(QPalette::Base);
}

void PonFondo(QWidget *widget, ColorFondo color)
{
    const QPalette sistema = QPalette();
    QPalette paleta = widget->palette();
    paleta.setColor(QPalette::Base, Fondo(color, sistema));
    // A closed box still shows a value the window derives (the outside diameter, the tensile
    // strength): its text keeps the normal colour, which the disabled grey would hide on the
    // grey of a closed box.
    paleta.setColor(QPalette::Disabled, QPalette::Text,
                    sistema.color(QPalette::Active, QPalette::Text));
    if (paleta != widget->palette()) {
        widget->setPalette(paleta);
    }
}

// True when the text shown changed.
bool PonTextoLinea(QLineEdit *linea, const std::string &texto)
{
    const QString nuevo = aQt(texto);
    if (linea->text() == nuevo) {
        return false;
    }
    const QSignalBlocker bloqueo(linea);
    linea->setText(nuevo);
    // A text written by code leaves the caret at its start, as the engineer finds it.
    linea->setCursorPosition(0);
    return true;
}

QLineEdit *LineaDe(QWidget *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        return combo->lineEdit();
    }
    return qobject_cast<QLineEdit *>(widget);
}

bool PonLista(QComboBox *combo, const Lista &lista)
{
    const QSignalBlocker bloqueo(combo);
    bool igual = combo->count() == lista.ListCount();
    for (int i = 0; igual && i < lista.ListCount(); ++i) {
        igual = combo->itemText(i) == aQt(lista.List(i));
    }
    if (!igual) {
        combo->clear();
        for (int i = 0; i < lista.ListCount(); ++i) {
            combo->addItem(aQt(lista.List(i)));
        }
    }
    if (combo->currentIndex() != lista.ListIndex()) {
        combo->setCurrentIndex(lista.ListIndex());
    }
    const QSignalBlocker bloqueoLinea(combo->lineEdit());
    combo->lineEdit()->setReadOnly(lista.Locked);
    const bool reescrito = PonTextoLinea(combo->lineEdit(), lista.Text());
    if (!combo->hasFocus()) {
        // A choice is read from its start.
        combo->lineEdit()->setCursorPosition(0);
    }
    return reescrito;
}

// A list locked by the logic (the run number while a run is on the window) shows its lock:
// its entries do not open, since none could be chosen.
class ListaDesplegable : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        if (lineEdit() == nullptr || !lineEdit()->isReadOnly()) {
            QComboBox::showPopup();
        }
    }
};

} // namespace

CapturaDatosVista::CapturaDatosVista(CapturaDatos &logica, QWidget *padre)
    : QDialog(padre), m_logica(logica), m_filtro(new FiltroFoco(
                                            logica, [this] { Despues(); }, this))
{
    std::vector<QWidget *> paginas;
    QWidget *principal = Pestanas("TabPrincipal", this, paginas);
    auto *proyecto = new QVBoxLayout(paginas[0]);
    proyecto->addWidget(PaginaProyecto(paginas[0]));
    auto *tipologia = new QVBoxLayout(paginas[1]);
    tipologia->addWidget(PaginaTipologia(paginas[1]));
    auto *colocacion = new QVBoxLayout(paginas[2]);
    colocacion->addWidget(PaginaColocacion(paginas[2]));

    m_botonesTramo = new QWidget(this);
    auto *botones = new QHBoxLayout(m_botonesTramo);
    botones->setContentsMargins(0, 0, 0, 0);
    botones->addStretch();
    for (const char *nombre :
         {"btNuevoTramo", "btCancelar", "btGrabar", "btCalcular", "btAjustar"}) {
        botones->addWidget(Crea(nombre, m_botonesTramo));
    }

    auto *ventana = new QVBoxLayout(this);
    ventana->addWidget(principal, 1);
    ventana->addWidget(m_botonesTramo);

    // The controls the logic has and this window does not lay out: the partial factors of the
    // steel and of the loads, which nothing fills or reads on the window, kept hidden.
    auto *ocultos = new QWidget(this);
    auto *filaOcultos = new QHBoxLayout(ocultos);
    filaOcultos->addWidget(Crea("edGamaY", ocultos));
    filaOcultos->addWidget(Crea("edGamaF", ocultos));
    ocultos->hide();

    Refresca();
    // The run commands keep their room on the project's page, so that the window keeps its
    // size whichever page it shows.
    QSizePolicy politica = m_botonesTramo->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    m_botonesTramo->setSizePolicy(politica);
    // Roomy enough to read, within the smallest screen the program is used on (1280x800).
    resize(QSize(1040, 740).expandedTo(sizeHint()).boundedTo(QSize(1270, 790)));
}

QWidget *CapturaDatosVista::Widget(const std::string &nombre) const
{
    const auto it = m_porNombre.find(nombre);
    return it == m_porNombre.end() ? nullptr : it->second;
}

void CapturaDatosVista::Registra(Control &control, QWidget *widget, int opcion)
{
    const std::string nombre =
        opcion < 0 ? control.Name() : control.Name() + "(" + std::to_string(opcion) + ")";
    widget->setObjectName(aQt(nombre));
    m_porNombre[nombre] = widget;
    m_enlaces.push_back({&control, widget, opcion});
    if (control.Enfocable()) {
        m_filtro->Observa(widget, control);
        // The keys typed go through the field's own filter.
        widget->installEventFilter(this);
    }
}

QLabel *CapturaDatosVista::Rotulo(int item, QWidget *padre)
{
    auto *rotulo = new QLabel(padre);
    Registra(m_logica.lbEtiquetas(item), rotulo);
    return rotulo;
}

QWidget *CapturaDatosVista::Crea(const std::string &nombre, QWidget *padre)
{
    // A name the logic has not is a fault of this view: it stops the window in every build.
    Control *control = &m_logica.ControlLlamado(nombre);
    if (auto *lista = dynamic_cast<Lista *>(control)) {
        auto *combo = new ListaDesplegable(padre);
        combo->setEditable(true);
        // The list's text is the engineer's own: nothing is completed or added behind his back.
        combo->setCompleter(nullptr);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Wide enough for its longest entry, so that a choice is read whole.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        combo->setMinimumContentsLength(8);
        Registra(*lista, combo);
        // A number list (a diameter, a thickness, the run number) is typed over; a code list
        // is chosen from.
        if (BuscaCampoCodigo(nombre) == nullptr && lista != &m_logica.edIdioma) {
            m_filtro->SeleccionaAlEntrar(combo);
        }
        connect(combo, &QComboBox::activated, this, [this, lista, combo](int indice) {
            if (!lista->Locked && m_filtro->Acepta(*lista)) {
                m_filtro->Ejecuta([lista, indice] { ponIndice(*lista, indice); });
            }
            PonLista(combo, *lista);
        });
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this, lista](const QString &t) {
            m_filtro->Ejecuta([lista, &t] { ponTexto(*lista, deQt(t)); });
        });
        return combo;
    }
    if (auto *caja = dynamic_cast<CajaTexto *>(control)) {
        if (EsNota(nombre)) {
            auto *nota = new QPlainTextEdit(padre);
            nota->setFocusPolicy(Qt::ClickFocus);
            nota->setMaximumHeight(90);
            Registra(*caja, nota);
            connect(nota, &QPlainTextEdit::textChanged, this, [this, caja, nota] {
                m_filtro->Ejecuta([caja, nota] { ponTexto(*caja, deQt(nota->toPlainText())); });
            });
            return nota;
        }
        auto *linea = new QLineEdit(padre);
        Registra(*caja, linea);
        m_filtro->SeleccionaAlEntrar(linea);
        connect(linea, &QLineEdit::textEdited, this, [this, caja](const QString &t) {
            m_filtro->Ejecuta([caja, &t] { ponTexto(*caja, deQt(t)); });
        });
        return linea;
    }
    if (auto *casilla = dynamic_cast<Casilla *>(control)) {
        auto *check = new QCheckBox(padre);
        Registra(*casilla, check);
        connect(check, &QCheckBox::clicked, this, [this, casilla](bool marcada) {
            // A click whose focus move the leave check refused does not tick the box.
            if (m_filtro->Acepta(*casilla)) {
                m_filtro->Ejecuta([casilla, marcada] {
                    ponValor(*casilla, marcada ? EstadoCasilla::Marcada : EstadoCasilla::Vacia);
                });
            }
            Refresca();
        });
        return check;
    }
    if (auto *grupo = dynamic_cast<GrupoOpciones *>(control)) {
        auto *opciones = new QWidget(padre);
        auto *columna = new QVBoxLayout(opciones);
        columna->setContentsMargins(0, 0, 0, 0);
        for (int i = 0; i < grupo->Count(); ++i) {
            auto *opcion = new QRadioButton(opciones);
            columna->addWidget(opcion);
            Registra(*grupo, opcion, i);
            connect(opcion, &QRadioButton::clicked, this, [this, grupo, i] {
                if (m_filtro->Acepta(*grupo)) {
                    m_filtro->Ejecuta([grupo, i] { ponValor(*grupo, i, true); });
                }
                Refresca();
            });
        }
        return opciones;
    }
    if (auto *boton = dynamic_cast<Boton *>(control)) {
        auto *pulsador = NuevoBoton(padre);
        Registra(*boton, pulsador);
        connect(pulsador, &QPushButton::clicked, this, [this, boton] {
            // A click whose focus move the leave check refused does not press the button.
            if (m_filtro->Acepta(*boton)) {
                m_filtro->Ejecuta([boton] { pulsa(*boton); });
            }
        });
        return pulsador;
    }
    if (auto *marco = dynamic_cast<Marco *>(control)) {
        auto *caja = new QGroupBox(padre);
        Registra(*marco, caja);
        return caja;
    }
    if (auto *imagen = dynamic_cast<Imagen *>(control)) {
        auto *dibujo = new QLabel(padre);
        dibujo->setAlignment(Qt::AlignCenter);
        // The room of the largest drawing, kept whether a drawing is shown or not.
        dibujo->setFixedSize(AnchoImagen, AltoImagen);
        Registra(*imagen, dibujo);
        return dibujo;
    }
    auto *etiqueta = new QLabel(padre);
    Registra(*control, etiqueta);
    return etiqueta;
}

QWidget *CapturaDatosVista::Pestanas(const std::string &nombre, QWidget *padre,
                                     std::vector<QWidget *> &paginas)
{
    auto *control = &dynamic_cast<dravek::Pestanas &>(m_logica.ControlLlamado(nombre));
    auto *marco = new QWidget(padre);
    auto *columna = new QVBoxLayout(marco);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    auto *barra = new QTabBar(marco);
    barra->setExpanding(false);
    barra->setDrawBase(true);
    auto *pila = new QStackedWidget(marco);
    pila->setFrameShape(QFrame::StyledPanel);
    paginas.clear();
    for (int i = 0; i < control->Tabs(); ++i) {
        barra->addTab(QString());
        auto *pagina = new QWidget(pila);
        pila->addWidget(pagina);
        paginas.push_back(pagina);
    }
    columna->addWidget(barra);
    columna->addWidget(pila, 1);
    m_paginas[barra] = pila;
    Registra(*control, barra);
    connect(barra, &QTabBar::currentChanged, this,
            [this, control, barra](int pagina) { CambiaPestana(*control, barra, pagina); });
    return marco;
}

void CapturaDatosVista::CambiaPestana(dravek::Pestanas &control, QTabBar *barra, int pagina)
{
    // Choosing a page is a focus move to the strip first: a refused leave keeps the page.
    if (pagina >= 0 && m_filtro->Acepta(control)) {
        m_filtro->Ejecuta([&control, pagina] { ponPestana(control, pagina); });
    }
    // The strip shows the page the logic kept, which its handler may have put back.
    const QSignalBlocker bloqueo(barra);
    barra->setCurrentIndex(control.Tab());
    m_paginas[barra]->setCurrentIndex(control.Tab());
}

void CapturaDatosVista::Filas(QGridLayout *rejilla, const std::vector<Fila> &filas, int fila,
                              int columna)
{
    // The grid is on its page already: a widget made without a parent and given one later goes
    // to the end of the window's tab order, after the boxes laid out below it.
    QWidget *padre = rejilla->parentWidget();
    if (padre == nullptr) {
        throw std::logic_error("a grid of captioned boxes is filled before it is on its page");
    }
    for (const Fila &f : filas) {
        if (f.item >= 0) {
            QLabel *rotulo = Rotulo(f.item, padre);
            rotulo->setWordWrap(true);
            rejilla->addWidget(rotulo, fila, columna);
        }
        if (f.campo != nullptr) {
            rejilla->addWidget(Crea(f.campo, padre), fila, columna + 1);
        }
        ++fila;
    }
}

QWidget *CapturaDatosVista::PaginaProyecto(QWidget *padre)
{
    auto *pagina = new QWidget(padre);
    auto *columna = new QVBoxLayout(pagina);

    auto *cabecera = new QHBoxLayout;
    auto *titulo = static_cast<QLabel *>(Crea("Label1", pagina));
    QFont grande = titulo->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    titulo->setFont(grande);
    cabecera->addWidget(titulo, 1);
    cabecera->addWidget(Rotulo(52, pagina));
    cabecera->addWidget(Crea("edIdioma", pagina));
    columna->addLayout(cabecera);

    auto *descriptivos = static_cast<QGroupBox *>(Crea("frDatosDescriptivos", pagina));
    auto *rejillaDescriptivos = new QGridLayout(descriptivos);
    Filas(rejillaDescriptivos, {{0, "edObra"}, {1, "edCliente"}});
    rejillaDescriptivos->setColumnStretch(1, 1);
    columna->addWidget(descriptivos);

    // Pressures: one row per range, initial and final side by side.
    auto *presion = static_cast<QGroupBox *>(Crea("frDatosPresion", pagina));
    auto *rejillaPresion = new QGridLayout(presion);
    rejillaPresion->addWidget(Rotulo(42, presion), 0, 0);
    Filas(rejillaPresion, {{3, "edPrsM1"}}, 0, 1);
    Filas(rejillaPresion, {{4, "edPrsM2"}}, 0, 3);
    rejillaPresion->addWidget(Rotulo(40, presion), 1, 0);
    Filas(rejillaPresion, {{44, "edPrs1"}}, 1, 1);
    Filas(rejillaPresion, {{43, "edPrs2"}}, 1, 3);
    Filas(rejillaPresion, {{5, "edPrs3"}}, 2, 1);

    auto *alturas = static_cast<QGroupBox *>(Crea("frAlturaTierras", pagina));
    auto *rejillaAlturas = new QGridLayout(alturas);
    Filas(rejillaAlturas, {{6, "edAlt1"}, {35, "edAlt2"}, {47, "edAlt3"}});

    auto *datos = new QHBoxLayout;
    datos->addWidget(presion, 3);
    datos->addWidget(alturas, 2);
    columna->addLayout(datos);

    auto *opciones = new QHBoxLayout;
    for (const auto &[marco, grupo] : {std::pair{"frGolpeAriete", "rdGolpeAriete"},
                                       std::pair{"frSistemaUnidades", "rdSistemaUnidades"}}) {
        auto *caja = static_cast<QGroupBox *>(Crea(marco, pagina));
        auto *dentro = new QVBoxLayout(caja);
        dentro->addWidget(Crea(grupo, caja));
        opciones->addWidget(caja);
    }
    opciones->addStretch();
    columna->addLayout(opciones);
    columna->addStretch();

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    for (const char *nombre : {"CommandButton2", "btGrabaObra", "btCerrarObra"}) {
        botones->addWidget(Crea(nombre, pagina));
    }
    columna->addLayout(botones);
    return pagina;
}

QWidget *CapturaDatosVista::PaginaTipologia(QWidget *padre)
{
    auto *pagina = new QWidget(padre);
    auto *columna = new QVBoxLayout(pagina);

    auto *cabecera = new QGridLayout;
    columna->addLayout(cabecera);
    Filas(cabecera, {{2, "edTramo"}});
    cabecera->addWidget(Crea("edDescriTramo", pagina), 0, 2);
    cabecera->setColumnStretch(2, 1);

    // The run's pressures, laid out as the project's.
    auto *presiones = new QGridLayout;
    columna->addLayout(presiones);
    presiones->addWidget(Rotulo(41, pagina), 0, 0);
    Filas(presiones, {{38, "edPrsM1Tram"}}, 0, 1);
    Filas(presiones, {{39, "edPrsM2Tram"}}, 0, 3);
    presiones->addWidget(Rotulo(37, pagina), 1, 0);
    Filas(presiones, {{45, "edPrs1Tram"}}, 1, 1);
    Filas(presiones, {{46, "edPrs2Tram"}}, 1, 3);
    Filas(presiones, {{36, "edPrs3Tram"}}, 2, 1);
    presiones->setColumnStretch(5, 1);

    std::vector<QWidget *> tipos;
    QWidget *tipologia = Pestanas("TabTipologia", pagina, tipos);
    columna->addWidget(tipologia, 1);

    // Reinforced concrete: the materials beside the section drawing.
    auto *armado = new QHBoxLayout(tipos[0]);
    auto *materiales = new QVBoxLayout;
    armado->addLayout(materiales, 1);
    materiales->addWidget(Crea("edIcontes0", tipos[0]));
    auto *rejilla = new QGridLayout;
    materiales->addLayout(rejilla);
    Filas(rejilla, {{8, "edAdato"}, {9, "edTipoControl"}, {10, "edTipoCamisa"}, {11, "edCamMax"}});
    rejilla->setColumnStretch(2, 1);
    auto *resistencias = static_cast<QGroupBox *>(Crea("frResistenciasArmado", tipos[0]));
    Filas(new QGridLayout(resistencias),
          {{12, "edFck"}, {13, "edFct"}, {14, "edFyk"}, {15, "edFyd"}});
    auto *coeficientes = static_cast<QGroupBox *>(Crea("frDatosArmado", tipos[0]));
    Filas(new QGridLayout(coeficientes), {{16, "edGamaB"}});
    auto *grupos = new QHBoxLayout;
    grupos->addWidget(resistencias);
    grupos->addWidget(coeficientes);
    materiales->addLayout(grupos);
    materiales->addStretch();
    armado->addWidget(Crea("ptArmado", tipos[0]), 0, Qt::AlignTop);

    // Post-tensioned: the run's own values, the cylinder kind with its drawing, and the
    // materials by kind on their own strip.
    auto *postesado = new QVBoxLayout(tipos[1]);
    auto *arriba = new QHBoxLayout;
    postesado->addLayout(arriba);
    auto *propios = new QGridLayout;
    arriba->addLayout(propios, 1);
    propios->addWidget(Crea("edIcontes1", tipos[1]), 0, 0, 1, 2);
    Filas(propios, {{7, "edCoepre1"}, {71, "edDelca"}}, 1);
    propios->setRowStretch(3, 1);
    propios->setColumnStretch(2, 1);
    auto *camisa = static_cast<QGroupBox *>(Crea("frTipoCamisa", tipos[1]));
    auto *dentroCamisa = new QHBoxLayout(camisa);
    dentroCamisa->addWidget(Crea("TipoCamisa", camisa), 0, Qt::AlignTop);
    dentroCamisa->addWidget(Crea("ptPostesado", camisa));
    arriba->addWidget(camisa);

    std::vector<QWidget *> materialesPostesado;
    postesado->addWidget(Pestanas("TabPostesados", tipos[1], materialesPostesado), 1);
    const std::vector<std::pair<const char *, std::vector<Fila>>> porPagina = {
        {"frElasticidadPostesado", {{72, "edEs"}, {77, "edEp"}}},
        {"frResistenciasPostesado",
         {{84, "edFYKPost"}, {73, "edFckno"}, {74, "edFckn"}, {75, "edFckr"}}},
        {"frTensionesPostesado", {{76, "edSFck"}, {78, "edSf"}, {79, "edRel"}}},
        {nullptr, {{80, "edFic"}, {81, "edFir"}, {82, "edEpsc"}, {83, "edEpsr"}}},
    };
    for (std::size_t i = 0; i < porPagina.size(); ++i) {
        QWidget *hoja = materialesPostesado[i];
        auto *dentro = new QVBoxLayout(hoja);
        // The coefficients have no frame of their own: a plain panel holds their grid.
        QWidget *contenedor =
            porPagina[i].first != nullptr ? Crea(porPagina[i].first, hoja) : new QWidget(hoja);
        dentro->addWidget(contenedor);
        auto *rejillaHoja = new QGridLayout(contenedor);
        Filas(rejillaHoja, porPagina[i].second);
        rejillaHoja->setColumnStretch(2, 1);
        // Captions on one line: they carry the default in parentheses.
        rejillaHoja->setColumnMinimumWidth(0, 320);
        dentro->addStretch();
    }
    return pagina;
}

QWidget *CapturaDatosVista::PaginaColocacion(QWidget *padre)
{
    auto *pagina = new QWidget(padre);
    auto *columna = new QVBoxLayout(pagina);

    auto *cabecera = new QGridLayout;
    columna->addLayout(cabecera);
    Filas(cabecera, {{19, "edTramo2"}});
    auto *descripcion = Crea("edDescriTramo2", pagina);
    cabecera->addWidget(descripcion, 0, 2);
    cabecera->setColumnStretch(2, 1);

    std::vector<QWidget *> hojas;
    columna->addWidget(Pestanas("TabDatosColocacion", pagina, hojas), 1);

    // Pipe dimensions.
    auto *dimensiones = new QVBoxLayout(hojas[0]);
    auto *seccion = static_cast<QGroupBox *>(Crea("frDatosSeccion", hojas[0]));
    auto *rejillaSeccion = new QGridLayout(seccion);
    Filas(rejillaSeccion, {{20, "edDi0"},
                           {21, "edEsp0"},
                           {27, "edDe0"},
                           {22, "edReci0"},
                           {23, "edRece0"},
                           {24, "edGc0"}});
    rejillaSeccion->setColumnStretch(2, 1);
    dimensiones->addWidget(seccion);
    dimensiones->addStretch();

    // Installation and fill: the kind with its drawing beside the fields it needs.
    auto *relleno = new QVBoxLayout(hojas[1]);
    auto *colocacion = static_cast<QGroupBox *>(Crea("frColocacion", hojas[1]));
    auto *dentro = new QHBoxLayout(colocacion);
    auto *campos = new QGridLayout;
    dentro->addLayout(campos, 1);
    Filas(campos, {{25, "edTipoCuna0"}, {26, "edTipoApoyo0"}});
    campos->addWidget(Rotulo(28, colocacion), 2, 0, 1, 2);
    Filas(campos,
          {{48, "edHr0"},
           {49, "edHr0Final"},
           {51, "edHr0Delta"},
           {29, "edB0"},
           {30, "edGr0"},
           {31, "edFi0"},
           {32, "edTipoRelleno0"},
           {50, "edHr1"},
           {53, "edIAs"}},
          3);
    campos->setColumnStretch(2, 1);
    campos->setRowStretch(12, 1);
    auto *tipo = new QVBoxLayout;
    auto *marcoTipo = static_cast<QGroupBox *>(Crea("frTipoColocacion", colocacion));
    auto *opciones = new QVBoxLayout(marcoTipo);
    opciones->addWidget(Crea("rdTipoColocacion", marcoTipo));
    tipo->addWidget(marcoTipo);
    tipo->addWidget(Crea("ptColocacion", colocacion));
    tipo->addStretch();
    dentro->addLayout(tipo);
    relleno->addWidget(colocacion);

    // Loads.
    auto *cargas = new QGridLayout(hojas[2]);
    Filas(cargas, {{33, "edQDato0"}});
    cargas->addWidget(Crea("avCargas0", hojas[2]), 1, 0, 1, 3);
    Filas(cargas, {{34, "edICar0"}}, 2);
    cargas->addWidget(Crea("avCargas1", hojas[2]), 3, 0, 1, 3);
    cargas->setColumnStretch(2, 1);
    cargas->setRowStretch(4, 1);
    return pagina;
}

void CapturaDatosVista::Muestra()
{
    m_cerrando = false;
    show();
    raise();
    activateWindow();
    // Shown first, so that the control the logic has the focus on can take it.
    Refresca();
}

void CapturaDatosVista::Cierra()
{
    m_cerrando = true;
    QDialog::done(QDialog::Accepted);
}

void CapturaDatosVista::closeEvent(QCloseEvent *evento)
{
    if (m_cerrando) {
        evento->accept();
        return;
    }
    evento->ignore();
    // Closing is the close command's: it refuses while the run has unsaved changes.
    m_filtro->Ejecuta([this] { pulsa(m_logica.btCerrarObra); });
}

void CapturaDatosVista::reject() {}

void CapturaDatosVista::Despues()
{
    m_logica.cumplePeticionFoco();
    Refresca();
}

bool CapturaDatosVista::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress || m_filtro->Ocupado()) {
        return QDialog::eventFilter(objeto, evento);
    }
    auto *control = dynamic_cast<ControlTexto *>(m_filtro->ControlDe(objeto));
    QLineEdit *linea = LineaDe(qobject_cast<QWidget *>(objeto));
    if (control == nullptr || linea == nullptr || control->Locked) {
        return QDialog::eventFilter(objeto, evento);
    }
    if (m_filtro->TecleaEnCaja(*control, *linea, *static_cast<QKeyEvent *>(evento))) {
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void CapturaDatosVista::PonImagen(QLabel *imagen, const std::string &ruta)
{
    auto &mostrada = m_imagenes[imagen];
    if (mostrada == ruta && (ruta.empty() || !imagen->pixmap().isNull())) {
        return;
    }
    mostrada = ruta;
    const QPixmap dibujo(aQt(ruta));
    if (ruta.empty() || dibujo.isNull()) {
        // A missing or unreadable file shows no picture.
        imagen->clear();
        return;
    }
    const QSize caja(AnchoImagen, AltoImagen);
    imagen->setPixmap(dibujo.size().width() > caja.width() ||
                              dibujo.size().height() > caja.height()
                          ? dibujo.scaled(caja, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                          : dibujo);
}

void CapturaDatosVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption));
    bool focoReescrito = false;
    for (const Enlace &e : m_enlaces) {
        Control *control = e.control;
        QWidget *widget = e.widget;
        const std::string nombre = e.opcion < 0
                                       ? control->Name()
                                       : control->Name() + "(" + std::to_string(e.opcion) + ")";
        if (auto *grupo = dynamic_cast<GrupoOpciones *>(control)) {
            Copia(static_cast<QRadioButton *>(widget), *grupo, e.opcion);
        } else {
            // A note the engineer cannot edit is still read: a disabled widget would draw it
            // grey on its grey background.
            widget->setEnabled(control->Enabled || EsNota(control->Name()));
            widget->setVisible(control->Visible);
        }
        if (auto *boton = dynamic_cast<Boton *>(control)) {
            Copia(static_cast<QPushButton *>(widget), *boton);
            continue;
        }
        const auto ayuda = m_logica.TextosAyuda.find(nombre);
        widget->setToolTip(ayuda == m_logica.TextosAyuda.end() ? QString() : aQt(ayuda->second));
        if (auto *lista = dynamic_cast<Lista *>(control)) {
            focoReescrito |=
                PonLista(static_cast<QComboBox *>(widget), *lista) && control == m_logica.Foco();
            PonFondo(widget, lista->BackColor);
        } else if (auto *caja = dynamic_cast<CajaTexto *>(control)) {
            if (auto *nota = qobject_cast<QPlainTextEdit *>(widget)) {
                if (nota->toPlainText() != aQt(caja->Text())) {
                    const QSignalBlocker bloqueo(nota);
                    nota->setPlainText(aQt(caja->Text()));
                }
                nota->setReadOnly(caja->Locked || !caja->Enabled);
                nota->setFocusPolicy(caja->Enabled ? Qt::ClickFocus : Qt::NoFocus);
            } else {
                auto *linea = static_cast<QLineEdit *>(widget);
                focoReescrito |= PonTextoLinea(linea, caja->Text()) && control == m_logica.Foco();
                linea->setReadOnly(caja->Locked);
            }
            PonFondo(widget, caja->BackColor);
        } else if (auto *casilla = dynamic_cast<Casilla *>(control)) {
            Copia(static_cast<QCheckBox *>(widget), *casilla);
        } else if (auto *pestanas = dynamic_cast<dravek::Pestanas *>(control)) {
            auto *barra = static_cast<QTabBar *>(widget);
            const QSignalBlocker bloqueo(barra);
            for (int i = 0; i < pestanas->Tabs() && i < barra->count(); ++i) {
                barra->setTabText(i, aQt(pestanas->TabCaption[static_cast<std::size_t>(i)]));
            }
            barra->setCurrentIndex(pestanas->Tab());
            m_paginas[barra]->setCurrentIndex(pestanas->Tab());
            // The strip and its pages go together.
            barra->parentWidget()->setVisible(pestanas->Visible);
            m_paginas[barra]->setEnabled(pestanas->Enabled);
        } else if (auto *etiqueta = dynamic_cast<Etiqueta *>(control)) {
            Copia(static_cast<QLabel *>(widget), *etiqueta);
        } else if (auto *marco = dynamic_cast<Marco *>(control)) {
            Copia(static_cast<QGroupBox *>(widget), *marco);
        } else if (auto *imagen = dynamic_cast<Imagen *>(control)) {
            PonImagen(static_cast<QLabel *>(widget), imagen->Picture);
        }
    }
    // The run commands belong to the run's pages.
    m_botonesTramo->setVisible(m_logica.TabPrincipal.Tab() != 0);
    EnfocaControl();

    // Entering a box, or a check that rewrites the box it keeps, selects its text from the
    // caret to the end (Shift+End), so that what is typed next replaces it.
    Control *foco = m_logica.Foco();
    const bool entra = foco != m_focoSeleccionado;
    m_focoSeleccionado = foco;
    if (foco != nullptr && (entra || focoReescrito)) {
        if (QLineEdit *linea = LineaDe(Widget(foco->Name()))) {
            const int desde = linea->cursorPosition();
            linea->setSelection(desde, static_cast<int>(linea->text().size()) - desde);
        }
    }
}

void CapturaDatosVista::EnfocaControl()
{
    const Control *foco = m_logica.Foco();
    if (foco == nullptr || !isVisible()) {
        return;
    }
    QWidget *destino = nullptr;
    for (const Enlace &e : m_enlaces) {
        if (e.control != foco) {
            continue;
        }
        // An option array has one focus: the selected option's button takes it.
        const auto *grupo = dynamic_cast<const GrupoOpciones *>(foco);
        if (destino == nullptr || e.widget->hasFocus() ||
            (grupo != nullptr && grupo->Seleccionada() == e.opcion && !destino->hasFocus())) {
            destino = e.widget;
        }
    }
    m_filtro->Enfoca(destino);
}

} // namespace dravek::gui

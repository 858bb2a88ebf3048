// dravek-listado: the listing of a stored project, as the program would show or print it.
//
//   dravek-listado PROJECT.dvk [RUN] [--kind pantalla|normal|tabular]
//
// Opens the project as the data-entry window does, loads the run of that number (every run in
// file order when none is given), validates it as the print command does, calculates it with
// the real designs and the reinforcement overrides of the project's adjustments file, and writes
// the screen listing to standard output; with --kind, the lines the printed listing of that kind
// prints, page after page (a form feed between pages). Every message box goes to standard
// error. The default-data files and pictures are read from the program's own folder. The
// decimal separator is the one of the environment's locale; SOURCE_DATE_EPOCH, when set, fixes
// the date and time the page headers print.
//
// Exit status: 0 when every run asked for was calculated; 1 when a run was refused (damaged,
// not in the project, refused by the validation) or its calculation ended with an error, the
// listing so far written all the same; 2 when the project file cannot be opened or read, or the
// arguments are wrong.
//
// A test tool: built with the tests, never installed.

#include "apoyo/PlataformaNula.h"
#include "core/design/DisenoTubo.h"
#include "core/engine/CalculaCasos.h"
#include "core/engine/ContextoCalculo.h"
#include "core/engine/UnidadesCalculo.h"
#include "core/entry/AlmacenObra.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/LimpiezaTramo.h"
#include "core/entry/MenuPrincipal.h"
#include "core/entry/TramoEnVentana.h"
#include "core/entry/ValidacionTramo.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/model/TextoRecurso.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/Impresora.h"
#include "core/plataforma/Mensajes.h"
#include "core/plataforma/Reloj.h"
#include "core/shell/FormaPrincipal.h"
#include "core/storage/Ficheros.h"
#include "core/storage/FormasRegistro.h"

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace dravek;

constexpr int Calculado = 0;
constexpr int Rechazado = 1;
constexpr int SinFichero = 2;
constexpr std::int32_t TextoNoExisteTramo = 1342;

// The tool only reads the project, which the program may hold open meanwhile: it takes no lock.
class SinCerrojos final : public CerrojosFichero {
public:
    Toma TomaCerrojo(const std::string &) override { return {}; }
};

// The tool shows no dialog of the desktop: it has no texts of its own to translate.
class SinTextosPlataforma final : public TextosPlataforma {
public:
    void PonIdioma(std::int16_t) override {}
};

class LocalEntorno final : public LocalUsuario {
public:
    std::string SeparadorDecimal() override
    {
        std::setlocale(LC_NUMERIC, "");
        const std::lconv *convenio = std::localeconv();
        std::string separador = convenio != nullptr && convenio->decimal_point != nullptr
                                    ? convenio->decimal_point
                                    : "";
        std::setlocale(LC_NUMERIC, "C");
        return separador;
    }
};

// The date and time of SOURCE_DATE_EPOCH (UTC) when it is set, else the computer's.
class RelojListado final : public Reloj {
public:
    RelojListado()
    {
        if (const char *epoca = std::getenv("SOURCE_DATE_EPOCH")) {
            char *fin = nullptr;
            const long long segundos = std::strtoll(epoca, &fin, 10);
            if (fin != epoca && *fin == '\0') {
                m_fijo = static_cast<std::time_t>(segundos);
            }
        }
    }
    std::string FechaCorta() const override
    {
        return Formato("%d/%m/%Y", &RelojSistema::FechaCorta);
    }
    std::string HoraCorta() const override { return Formato("%H:%M", &RelojSistema::HoraCorta); }

private:
    std::string Formato(const char *formato, std::string (RelojSistema::*sistema)() const) const
    {
        if (!m_fijo) {
            return (m_sistema.*sistema)();
        }
        std::tm utc{};
#if defined(_WIN32)
        gmtime_s(&utc, &*m_fijo);
#else
        gmtime_r(&*m_fijo, &utc);
#endif
        char texto[32] = {};
        const std::size_t n = std::strftime(texto, sizeof texto, formato, &utc);
        return std::string(texto, n);
    }

    std::optional<std::time_t> m_fijo;
    RelojSistema m_sistema;
};

class SinDepuracion final : public DepuracionCalculo {
public:
    void EscribeLinea(const std::string &) override {}
};

// A printer that keeps the lines of each page.
class ImpresoraTexto final : public Impresora {
public:
    void PonOrientacion(Orientacion orientacion) override { m_orientacion = orientacion; }
    void PonCopias(int) override {}
    void PonNombreFuente(const std::string &) override {}
    void PonTamanoFuente(double puntos) override { m_puntos = puntos; }
    void PonNegrita(bool) override {}
    void PonSubrayado(bool) override {}
    void ImprimeLinea(const std::string &linea) override
    {
        m_paginas.back().push_back(linea);
        m_y += AltoLinea();
    }
    double PosicionVertical() const override { return m_y; }
    void PonPosicionVertical(double y) override { m_y = y; }
    double AltoLinea() const override { return AltoLineaFuente(m_puntos); }
    double AltoPagina() const override { return AltoPaginaImprimible(m_orientacion); }
    void PonGrosorLapiz(int) override {}
    void Linea(double, double, double, double, std::uint32_t) override {}
    int DibujaImagen(const std::string &fichero, double, double) override
    {
        return Imagen(fichero);
    }
    int DibujaImagenEnRectangulo(const std::string &fichero, double, double, double,
                                 double) override
    {
        return Imagen(fichero);
    }
    void NuevaPagina() override
    {
        if (!m_paginas.back().empty()) {
            m_paginas.emplace_back();
        }
        m_y = 0;
    }
    int FinDocumento() override { return SinErrorImpresora; }

    // The pages printed so far, a form feed between them; then a fresh document.
    void Vuelca(std::ostream &salida)
    {
        for (std::size_t p = 0; p < m_paginas.size(); ++p) {
            if (p > 0) {
                salida << "\f\n";
            }
            for (const std::string &linea : m_paginas[p]) {
                salida << linea << '\n';
            }
        }
        m_paginas.assign(1, {});
        m_y = 0;
    }

private:
    static int Imagen(const std::string &fichero)
    {
        std::error_code error;
        return fichero.empty() || std::filesystem::is_regular_file(fichero, error)
                   ? SinErrorImpresora
                   : ErrorImagenNoValida;
    }

    Orientacion m_orientacion = Orientacion::Vertical;
    double m_puntos = 10;
    double m_y = 0;
    std::vector<std::vector<std::string>> m_paginas{1};
};

std::string CarpetaPrograma(const char *argv0)
{
    std::error_code error;
    std::filesystem::path programa = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        programa = std::filesystem::absolute(argv0, error);
    }
    return programa.parent_path().string() + "/";
}

int Uso()
{
    std::cerr << "usage: dravek-listado PROJECT.dvk [RUN] [--kind pantalla|normal|tabular]\n";
    return SinFichero;
}

} // namespace

int main(int argc, char **argv)
{
    std::string ruta;
    std::optional<std::string> tramoPedido;
    std::optional<ClaseListado> clase;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--kind") {
            if (++i >= argc) {
                return Uso();
            }
            const std::string valor = argv[i];
            if (valor == "pantalla") {
                clase = ClaseListado::Pantalla;
            } else if (valor == "normal") {
                clase = ClaseListado::Normal;
            } else if (valor == "tabular") {
                clase = ClaseListado::Tabular;
            } else {
                return Uso();
            }
        } else if (ruta.empty()) {
            ruta = arg;
        } else if (!tramoPedido) {
            tramoPedido = arg;
        } else {
            return Uso();
        }
    }
    if (ruta.empty()) {
        return Uso();
    }

    EstadoObra estado;
    pruebas::MensajesConsola mensajes;
    LocalEntorno local;
    pruebas::ConfiguracionNula configuracion;
    SinTextosPlataforma textos;
    FormaPrincipal principal(estado, mensajes, configuracion, textos);
    if (!principal.Arranca(CarpetaPrograma(argv[0]), local)) {
        return SinFichero;
    }
    const EstadoEjecucion &ejecucion = estado.ejecucion;
    const std::int32_t d = ejecucion.DesplazamientoIdioma;

    MenuPrincipal menu;
    SistemaFicherosDisco ficheros;
    pruebas::DialogosSinUsuario dialogos;
    SinCerrojos cerrojos;
    AlmacenObra almacen(estado, mensajes, ficheros, dialogos, configuracion, cerrojos);
    CapturaDatos captura(estado, {mensajes, menu, almacen, principal, almacen});
    captura.LlenaListasCodigos();

    // The project as the window opens it: the header read, then every run box cleared.
    const std::optional<CabeceraCargada> cabecera = almacen.AbreObra(ruta);
    if (!cabecera) {
        return SinFichero;
    }
    PonCabeceraEnVentana(captura, *cabecera);
    estado.ejecucion.Cargando = true;
    LimpiaDatosPantalla(captura, NivelLimpiezaTramo::Completa);
    estado.ejecucion.Cargando = false;

    std::vector<std::int16_t> posiciones;
    for (std::size_t i = 0; i < almacen.Tramos().size(); ++i) {
        const std::optional<std::int16_t> numero =
            LeeEntero(almacen.Tramos()[i].numero, ejecucion);
        const std::optional<std::int16_t> pedido =
            tramoPedido ? LeeEntero(*tramoPedido, ejecucion) : std::nullopt;
        if (!tramoPedido || (numero && pedido && *numero == *pedido)) {
            posiciones.push_back(static_cast<std::int16_t>(i + 1));
            if (tramoPedido) {
                break;
            }
        }
    }
    if (tramoPedido && posiciones.empty()) {
        mensajes.Muestra(Texto(d, TextoNoExisteTramo) + " " + *tramoPedido,
                         BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
        return Rechazado;
    }

    RelojListado reloj;
    ImpresoraTexto impresora;
    SalidaListado salida(reloj, impresora);
    SinDepuracion depuracion;
    DisenoTubo diseno;

    // The project's ranges first, as the print command checks them.
    if (!ValidaPresionesAlturasObra(captura)) {
        return Rechazado;
    }
    for (const std::int16_t k : posiciones) {
        if (!almacen.CargaTramo(captura, k)) {
            return Rechazado;
        }
        // The loaded run's own number, which its stored overrides are filed under.
        estado.tramo.TramoActual =
            LeeEntero(almacen.Tramos()[static_cast<std::size_t>(k - 1)].numero, ejecucion)
                .value_or(0);
        estado.ejecucion.DatosModificados = false;
        if (!ValidaDatosTramo(captura, false)) {
            return Rechazado;
        }
        AlmacenObra::AjustesCalculo ajustes = almacen.AjustesParaCalcular(captura);
        if (!ajustes.permitido) {
            return Rechazado;
        }
        ContextoCalculo contexto{estado, salida, depuracion, diseno, ajustes.ajustes.get()};
        EstadoListado &listado = estado.listado;
        ErrorCalculo error;
        std::int32_t numeroCaso = 1;
        if (!clase) {
            listado.Imprimiendo = false;
            listado.NumeroPagina = 0;
            salida.VaciaPantalla();
            {
                const GuardaUnidadesCalculo unidades(estado);
                error = CalculaCasos(contexto, numeroCaso, -1, -1);
            }
            std::cout << salida.TextoPantalla();
        } else {
            listado.Imprimiendo = true;
            listado.TipoListado = *clase;
            listado.NumeroPagina = 0;
            impresora.PonOrientacion(*clase == ClaseListado::Tabular ? Orientacion::Horizontal
                                                                     : Orientacion::Vertical);
            {
                const GuardaUnidadesCalculo unidades(estado);
                error = CalculaCasos(contexto, numeroCaso, -1, -1);
            }
            static_cast<void>(impresora.FinDocumento());
            // One document per run, a form feed between them as between pages.
            if (k != posiciones.front()) {
                std::cout << "\f\n";
            }
            impresora.Vuelca(std::cout);
        }
        std::cout.flush();
        if (error) {
            mensajes.Muestra(error.mensaje, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
            return Rechazado;
        }
    }
    return Calculado;
}

#include "core/hydraulics/ListadosHidraulicos.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/model/Utf8.h"
#include "core/plataforma/Impresora.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

namespace dravek {

namespace {

// Texts of the listings.
constexpr std::int32_t TxPrandtl = 771;
constexpr std::int32_t TxViscosidad = 772;
constexpr std::int32_t TxRugosidadKs = 773;
constexpr std::int32_t TxPendienteIgual = 774;
constexpr std::int32_t TxSeccionLlena = 775;
constexpr std::int32_t TxSeccionParcial = 776;
constexpr std::int32_t TxLaminaLibre = 777;
constexpr std::int32_t TxCabeceraCaudal = 778;
constexpr std::int32_t TxPendienteBlanco = 779;
constexpr std::int32_t TxPendiente = 780;
constexpr std::int32_t TxDiametro = 781;
constexpr std::int32_t TxVelocidad = 782;
constexpr std::int32_t TxCaudal = 783;
constexpr std::int32_t TxHazen = 784;
constexpr std::int32_t TxCoeficiente = 785;
constexpr std::int32_t TxCoeficienteCalculado = 786;
constexpr std::int32_t TxCaudalIgual = 787;
constexpr std::int32_t TxCabeceraPendiente = 788;
constexpr std::int32_t TxDarcy = 789;
constexpr std::int32_t TxCabeceraReynolds = 790;
constexpr std::int32_t TxCritico = 791;
constexpr std::int32_t TxRugosidadKa = 792;
constexpr std::int32_t TxReynolds = 793;
constexpr std::int32_t TxCabeceraPendienteReynolds = 794;
// Units, each as the language writes it.
constexpr std::int32_t TxUnidadViscosidad = 1740;
constexpr std::int32_t TxUnidadCaudalDato = 1741;
constexpr std::int32_t TxUnidadDiametro = 1742;
constexpr std::int32_t TxUnidadVelocidad = 1743;
constexpr std::int32_t TxUnidadCaudal = 1744;
constexpr std::int32_t TxUnidadPerdida = 1745;

constexpr double LimiteLaminar = 2400;
constexpr double LimiteCritico = 4000;

const std::string Raya8 = "========";
const std::string Raya9 = "=========";
const std::string Raya6 = "======";
const std::string Raya13 = "=============";

bool Critico(double Re)
{
    return Re > LimiteLaminar && Re <= LimiteCritico;
}

// The pieces every listing is made of.
class Escritor {
public:
    explicit Escritor(SalidaHidraulica &salida) : m_salida(salida)
    {
        m_salida.edPantallaCh.clear();
    }

    std::string T(std::int32_t n) const
    {
        return Texto(m_salida.estado.ejecucion.DesplazamientoIdioma, n);
    }
    // A number of the listing: width, decimals, the user's separator, no unit.
    std::string N(double valor, int ancho, int decimales) const
    {
        return sNumeroDob(m_salida.estado.ejecucion, valor, ancho, decimales, "", false);
    }

    // A line of the result box followed by m line feeds.
    void Pantalla(const std::string &linea, int m = 1)
    {
        SumaTextoCh(m_salida.edPantallaCh, 0, linea, m);
    }

    // The units of a table's columns under their heads, each ending where its column's
    // numbers end (characters counted from the line's start).
    std::string
    Unidades(std::initializer_list<std::pair<std::size_t, std::int32_t>> columnas) const
    {
        std::string linea;
        std::size_t largo = 0;
        for (const auto &[fin, texto] : columnas) {
            const std::string unidad = T(texto);
            const std::size_t n = CuentaCaracteresUtf8(unidad);
            const std::size_t desde = fin > n ? fin - n : 0;
            const std::size_t hueco = desde > largo ? desde - largo : (largo > 0 ? 1 : 0);
            linea += Blancos(static_cast<int>(hueco)) + unidad;
            largo += hueco + n;
        }
        return linea;
    }

    // A printed line, and n lines of one blank.
    void Papel(const std::string &linea) { m_salida.listado.ImprimeLinea(linea); }
    void Blancas(int n) { m_salida.listado.SaltaLineas(m_salida.estado, n); }

    // Portrait, four blank lines, Courier New 10 and the title in bold.
    void EmpiezaPapel(const std::string &titulo)
    {
        Impresora &impresora = m_salida.listado.impresora();
        impresora.PonOrientacion(Orientacion::Vertical);
        m_salida.estado.listado.Imprimiendo = true;
        Blancas(4);
        impresora.PonTamanoFuente(10);
        impresora.PonNombreFuente("Courier New");
        Titulo(titulo);
    }

    // The part-full section's page: three blank lines and the title again.
    void SegundaPagina(const std::string &titulo)
    {
        m_salida.listado.impresora().NuevaPagina();
        Blancas(3);
        Titulo(titulo);
    }

    int Fin() { return m_salida.listado.impresora().FinDocumento(); }

private:
    void Titulo(const std::string &titulo)
    {
        Impresora &impresora = m_salida.listado.impresora();
        impresora.PonNegrita(true);
        Papel(Blancos(20) + titulo);
        impresora.PonNegrita(false);
    }

    SalidaHidraulica &m_salida;
};

// Screen lines shared by several listings.
void PantallaViscosidadRugosidad(Escritor &e, double rugosidad)
{
    e.Pantalla(e.T(TxViscosidad) + e.N(VISC, 11, 9) + " " + e.T(TxUnidadViscosidad));
    e.Pantalla(e.T(TxRugosidadKs) + e.N(rugosidad, 8, 5) + " mm.");
}

void PantallaCaudal(Escritor &e, double caudal)
{
    e.Pantalla(e.T(TxCaudalIgual) + e.N(caudal, 8, 6) + " " + e.T(TxUnidadCaudalDato), 2);
}

void PantallaPendiente(Escritor &e, double pendiente)
{
    e.Pantalla(e.T(TxPendienteIgual) + e.N(pendiente, 8, 6) + " m/m", 2);
}

// Printed lines shared by several listings.
std::string PapelViscosidad(const Escritor &e)
{
    return Blancos(20) + e.T(TxViscosidad) + e.N(VISC, 11, 9) + " " + e.T(TxUnidadViscosidad);
}

// The printed flow: six decimals, as the datum was typed and as the screen shows it (three
// decimals printed the smallest flows the window accepts as 0.000).
std::string PapelCaudal(const Escritor &e, int sangria, double caudal)
{
    return Blancos(sangria) + e.T(TxCaudal) + " " + e.N(caudal, 7, 6) + " " +
           e.T(TxUnidadCaudalDato);
}

std::string Coeficiente(const Escritor &e, double Rugosidad, int ancho, int decimales)
{
    return Rugosidad != 0 ? e.T(TxCoeficiente) + e.N(Rugosidad, ancho, decimales)
                          : e.T(TxCoeficienteCalculado);
}

// Full and part-full sections side by side on the screen: flows (slope given).
void PantallaTablaCaudales(Escritor &e, const DatosHidraulicos &d)
{
    e.Pantalla(e.T(TxSeccionLlena) + Blancos(18) + e.T(TxSeccionParcial));
    e.Pantalla(Blancos(41) + e.T(TxLaminaLibre), 2);
    e.Pantalla(e.T(TxCabeceraCaudal) + Blancos(10) + e.T(TxCabeceraCaudal));
    e.Pantalla(e.Unidades({{8, TxUnidadDiametro},
                           {21, TxUnidadVelocidad},
                           {31, TxUnidadCaudal},
                           {49, TxUnidadDiametro},
                           {62, TxUnidadVelocidad},
                           {72, TxUnidadCaudal}}));
    const std::string rayas = Raya8 + Blancos(4) + Raya9 + Blancos(4) + Raya6;
    e.Pantalla(rayas + Blancos(10) + rayas);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        e.Pantalla(Blancos(3) + e.N(d.DiametroMm[i], 5, 0) + Blancos(8) +
                   e.N(d.Velocidad[i], 5, 2) + Blancos(4) + e.N(d.Caudal[i], 6, 3) + Blancos(13) +
                   e.N(d.DiametroMm[i], 5, 0) + Blancos(8) + e.N(d.VelocidadParcial[i], 5, 2) +
                   Blancos(4) + e.N(d.CaudalParcial[i], 6, 3));
    }
}

// Printed table of velocities and flows of one section, indented by 30.
void PapelTablaCaudales(Escritor &e, const DatosHidraulicos &d, bool parcial)
{
    e.Papel(Blancos(30) + e.T(TxDiametro) + Blancos(12) + e.T(TxVelocidad) + Blancos(11) +
            e.T(TxCaudal));
    e.Papel(e.Unidades({{38, TxUnidadDiametro}, {59, TxUnidadVelocidad}, {76, TxUnidadCaudal}}));
    e.Papel(Blancos(30) + Raya8 + Blancos(12) + Raya9 + Blancos(11) + Raya6);
    e.Blancas(1);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        const double V = parcial ? d.VelocidadParcial[i] : d.Velocidad[i];
        const double Q = parcial ? d.CaudalParcial[i] : d.Caudal[i];
        e.Papel(Blancos(33) + e.N(d.DiametroMm[i], 5, 0) + Blancos(16) + e.N(V, 5, 2) +
                Blancos(11) + e.N(Q, 6, 3));
        e.Blancas(1);
    }
}

// Printed table of velocities and head losses of one section, indented by 30.
void PapelTablaPendientes(Escritor &e, const DatosHidraulicos &d, bool parcial)
{
    e.Papel(Blancos(30) + e.T(TxDiametro) + Blancos(12) + e.T(TxVelocidad) + Blancos(6) +
            e.T(TxPendienteBlanco));
    e.Papel(e.Unidades({{38, TxUnidadDiametro}, {59, TxUnidadVelocidad}, {74, TxUnidadPerdida}}));
    e.Papel(Blancos(30) + Raya8 + Blancos(12) + Raya9 + Blancos(6) + Raya9);
    e.Blancas(1);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        const double V = parcial ? d.VelocidadParcial[i] : d.Velocidad[i];
        const double J = parcial ? d.PendienteParcial[i] : d.Pendiente[i];
        e.Papel(Blancos(33) + e.N(d.DiametroMm[i], 5, 0) + Blancos(16) + e.N(V, 5, 2) +
                Blancos(6) + e.N(1000 * J, 9, 3) + " m/km.");
        e.Blancas(1);
    }
}

// The critical row of both printed Darcy-Weisbach tables, laid out as the old listing did.
std::string PapelFilaCritica(const Escritor &e, const DatosHidraulicos &d, int i)
{
    return Blancos(15) + e.N(d.DiametroMm[i], 5, 0) + Blancos(7) + e.T(TxCritico) + Blancos(28) +
           e.N(d.Reynolds[i], 12, 1);
}

// The head of both printed Darcy-Weisbach listings.
void PapelCabeceraDarcy(Escritor &e, double rugosidad)
{
    e.EmpiezaPapel(e.T(TxDarcy));
    e.Papel(PapelViscosidad(e));
    e.Papel(Blancos(20) + e.T(TxRugosidadKa) + e.N(rugosidad, 8, 5) + " mm.");
    e.Blancas(1);
    e.Papel(Blancos(20) + e.T(TxSeccionLlena));
    e.Blancas(2);
}

} // namespace

void SumaTextoCh(std::string &edPantallaCh, int n, const std::string &texto, int m)
{
    edPantallaCh.append(static_cast<std::size_t>(n > 0 ? n : 0), '\n');
    edPantallaCh.append(texto);
    edPantallaCh.append(static_cast<std::size_t>(m > 0 ? m : 0), '\n');
}

int Sub3000(SalidaHidraulica &salida, const DatosHidraulicos &datos, double pendiente,
            double rugosidad, bool PorImpresora)
{
    Escritor e(salida);
    e.Pantalla(e.T(TxPrandtl));
    PantallaViscosidadRugosidad(e, rugosidad);
    PantallaPendiente(e, pendiente);
    PantallaTablaCaudales(e, datos);
    if (!PorImpresora) {
        return SinErrorImpresora;
    }

    const auto cabecera = [&] {
        e.Papel(PapelViscosidad(e));
        e.Papel(Blancos(20) + e.T(TxRugosidadKs) + e.N(rugosidad, 8, 5) + " mm.");
        e.Blancas(1);
    };
    e.EmpiezaPapel(e.T(TxPrandtl));
    cabecera();
    e.Papel(Blancos(20) + e.T(TxSeccionLlena));
    e.Blancas(2);
    e.Papel(Blancos(30) + e.T(TxPendienteBlanco) + e.N(pendiente, 8, 6) + " m/m");
    e.Blancas(2);
    PapelTablaCaudales(e, datos, false);

    e.SegundaPagina(e.T(TxPrandtl));
    cabecera();
    e.Papel(Blancos(20) + e.T(TxSeccionParcial));
    e.Papel(Blancos(20) + e.T(TxLaminaLibre));
    e.Blancas(2);
    e.Papel(Blancos(30) + e.T(TxPendienteBlanco) + e.N(pendiente, 8, 6));
    e.Blancas(2);
    PapelTablaCaudales(e, datos, true);
    return e.Fin();
}

int Sub3000_P(SalidaHidraulica &salida, const DatosHidraulicos &datos, double caudal,
              double rugosidad, bool PorImpresora)
{
    Escritor e(salida);
    e.Pantalla(e.T(TxPrandtl));
    PantallaViscosidadRugosidad(e, rugosidad);
    PantallaCaudal(e, caudal);
    e.Pantalla(e.T(TxSeccionLlena), 2);
    e.Pantalla(e.T(TxCabeceraPendiente));
    e.Pantalla(
        e.Unidades({{8, TxUnidadDiametro}, {21, TxUnidadVelocidad}, {34, TxUnidadPerdida}}));
    e.Pantalla(Raya8 + Blancos(4) + Raya9 + Blancos(4) + Raya9);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        e.Pantalla(Blancos(3) + e.N(datos.DiametroMm[i], 5, 0) + Blancos(4) + Blancos(4) +
                   e.N(datos.Velocidad[i], 5, 2) + Blancos(4) +
                   e.N(1000 * datos.Pendiente[i], 9, 3) + " m/km.");
    }
    if (!PorImpresora) {
        return SinErrorImpresora;
    }

    e.EmpiezaPapel(e.T(TxPrandtl));
    e.Papel(PapelViscosidad(e));
    e.Papel(Blancos(20) + e.T(TxRugosidadKs) + e.N(rugosidad, 8, 5) + " mm.");
    e.Blancas(1);
    e.Papel(Blancos(20) + e.T(TxSeccionLlena));
    e.Blancas(2);
    e.Papel(PapelCaudal(e, 30, caudal));
    e.Blancas(2);
    PapelTablaPendientes(e, datos, false);
    return e.Fin();
}

int Sub3500(SalidaHidraulica &salida, const DatosHidraulicos &datos, double pendiente,
            double rugosidad, bool PorImpresora)
{
    Escritor e(salida);
    e.Pantalla(e.T(TxDarcy));
    PantallaViscosidadRugosidad(e, rugosidad);
    PantallaPendiente(e, pendiente);
    e.Pantalla(e.T(TxSeccionLlena), 2);
    e.Pantalla(e.T(TxCabeceraReynolds));
    e.Pantalla(e.Unidades({{8, TxUnidadDiametro}, {21, TxUnidadVelocidad}, {31, TxUnidadCaudal}}));
    e.Pantalla(Raya8 + Blancos(4) + Raya9 + Blancos(4) + Raya6 + Blancos(4) + Raya13);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        const std::string diametro = Blancos(3) + e.N(datos.DiametroMm[i], 5, 0) + Blancos(4);
        if (Critico(datos.Reynolds[i])) {
            e.Pantalla(diametro + e.T(TxCritico) + Blancos(8) + e.N(datos.Reynolds[i], 12, 0));
        } else {
            e.Pantalla(diametro + Blancos(4) + e.N(datos.Velocidad[i], 5, 2) + Blancos(4) +
                       e.N(datos.Caudal[i], 6, 3) + Blancos(5) + e.N(datos.Reynolds[i], 12, 0));
        }
    }
    if (!PorImpresora) {
        return SinErrorImpresora;
    }

    PapelCabeceraDarcy(e, rugosidad);
    e.Papel(Blancos(15) + e.T(TxPendienteBlanco) + e.N(pendiente, 8, 6) + " m/m");
    e.Blancas(2);
    e.Papel(Blancos(15) + e.T(TxDiametro) + Blancos(7) + e.T(TxVelocidad) + Blancos(5) +
            e.T(TxCaudal) + Blancos(8) + e.T(TxReynolds));
    e.Papel(e.Unidades({{23, TxUnidadDiametro}, {39, TxUnidadVelocidad}, {50, TxUnidadCaudal}}));
    e.Papel(Blancos(15) + Raya8 + Blancos(7) + Raya9 + Blancos(5) + Raya6 + Blancos(8) + Raya13);
    e.Blancas(1);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        if (Critico(datos.Reynolds[i])) {
            e.Papel(PapelFilaCritica(e, datos, i));
        } else {
            e.Papel(Blancos(18) + e.N(datos.DiametroMm[i], 5, 0) + Blancos(11) +
                    e.N(datos.Velocidad[i], 5, 2) + Blancos(5) + e.N(datos.Caudal[i], 6, 3) +
                    Blancos(9) + e.N(datos.Reynolds[i], 12, 0));
        }
        e.Blancas(1);
    }
    return e.Fin();
}

int Sub3500_P(SalidaHidraulica &salida, const DatosHidraulicos &datos, double caudal,
              double rugosidad, bool PorImpresora)
{
    Escritor e(salida);
    e.Pantalla(e.T(TxDarcy));
    PantallaViscosidadRugosidad(e, rugosidad);
    PantallaCaudal(e, caudal);
    e.Pantalla(e.T(TxSeccionLlena), 2);
    e.Pantalla(e.T(TxCabeceraPendienteReynolds));
    e.Pantalla(
        e.Unidades({{8, TxUnidadDiametro}, {21, TxUnidadVelocidad}, {34, TxUnidadPerdida}}));
    e.Pantalla(Raya8 + Blancos(4) + Raya9 + Blancos(4) + Raya9 + Blancos(4) + Raya13);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        const std::string diametro = Blancos(3) + e.N(datos.DiametroMm[i], 5, 0) + Blancos(4);
        if (Critico(datos.Reynolds[i])) {
            e.Pantalla(diametro + e.T(TxCritico) + Blancos(11) + e.N(datos.Reynolds[i], 12, 0));
        } else {
            e.Pantalla(diametro + Blancos(4) + e.N(datos.Velocidad[i], 5, 2) + Blancos(4) +
                       e.N(1000 * datos.Pendiente[i], 9, 3) + Blancos(5) +
                       e.N(datos.Reynolds[i], 12, 0));
        }
    }
    if (!PorImpresora) {
        return SinErrorImpresora;
    }

    PapelCabeceraDarcy(e, rugosidad);
    e.Papel(PapelCaudal(e, 15, caudal));
    e.Blancas(2);
    e.Papel(Blancos(15) + e.T(TxDiametro) + Blancos(7) + e.T(TxVelocidad) + Blancos(6) +
            e.T(TxPendiente) + Blancos(6) + e.T(TxReynolds));
    e.Papel(e.Unidades({{23, TxUnidadDiametro}, {39, TxUnidadVelocidad}, {53, TxUnidadPerdida}}));
    e.Papel(Blancos(15) + Raya8 + Blancos(7) + Raya9 + Blancos(6) + Raya9 + Blancos(6) + Raya13);
    e.Blancas(1);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        if (Critico(datos.Reynolds[i])) {
            e.Papel(PapelFilaCritica(e, datos, i));
        } else {
            e.Papel(Blancos(18) + e.N(datos.DiametroMm[i], 5, 0) + Blancos(11) +
                    e.N(datos.Velocidad[i], 5, 2) + Blancos(5) +
                    e.N(1000 * datos.Pendiente[i], 9, 3) + " m/km." + Blancos(1) +
                    e.N(datos.Reynolds[i], 12, 0));
        }
        e.Blancas(1);
    }
    return e.Fin();
}

int Sub3000_Hazen(SalidaHidraulica &salida, const DatosHidraulicos &datos, double pendiente,
                  bool PorImpresora)
{
    Escritor e(salida);
    e.Pantalla(e.T(TxHazen));
    e.Pantalla(Coeficiente(e, datos.Rugosidad, 7, 2));
    PantallaPendiente(e, pendiente);
    PantallaTablaCaudales(e, datos);
    if (!PorImpresora) {
        return SinErrorImpresora;
    }

    e.EmpiezaPapel(e.T(TxHazen));
    e.Papel(Blancos(20) + Coeficiente(e, datos.Rugosidad, 7, 2));
    e.Blancas(1);
    e.Papel(Blancos(20) + e.T(TxSeccionLlena));
    e.Blancas(2);
    e.Papel(Blancos(30) + e.T(TxPendienteBlanco) + e.N(pendiente, 8, 6) + " m/m");
    e.Blancas(2);
    PapelTablaCaudales(e, datos, false);

    e.SegundaPagina(e.T(TxHazen));
    e.Papel(Blancos(20) + Coeficiente(e, datos.Rugosidad, 4, 0));
    e.Blancas(1);
    e.Papel(Blancos(20) + e.T(TxSeccionParcial));
    e.Papel(Blancos(20) + e.T(TxLaminaLibre));
    e.Blancas(2);
    e.Papel(Blancos(30) + e.T(TxPendienteBlanco) + e.N(pendiente, 8, 6));
    e.Blancas(2);
    PapelTablaCaudales(e, datos, true);
    return e.Fin();
}

int Sub3000_Hazen_P(SalidaHidraulica &salida, const DatosHidraulicos &datos, double caudal,
                    bool PorImpresora)
{
    Escritor e(salida);
    e.Pantalla(e.T(TxHazen));
    e.Pantalla(Coeficiente(e, datos.Rugosidad, 7, 2));
    PantallaCaudal(e, caudal);
    e.Pantalla(e.T(TxSeccionLlena) + Blancos(21) + e.T(TxSeccionParcial));
    e.Pantalla(Blancos(44) + e.T(TxLaminaLibre), 2);
    e.Pantalla(e.T(TxCabeceraPendiente) + Blancos(10) + e.T(TxCabeceraPendiente));
    e.Pantalla(e.Unidades({{8, TxUnidadDiametro},
                           {21, TxUnidadVelocidad},
                           {34, TxUnidadPerdida},
                           {52, TxUnidadDiametro},
                           {65, TxUnidadVelocidad},
                           {78, TxUnidadPerdida}}));
    const std::string rayas = Raya8 + Blancos(4) + Raya9 + Blancos(4) + Raya9;
    e.Pantalla(rayas + Blancos(10) + rayas);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        e.Pantalla(Blancos(3) + e.N(datos.DiametroMm[i], 5, 0) + Blancos(8) +
                   e.N(datos.Velocidad[i], 5, 2) + Blancos(4) +
                   e.N(1000 * datos.Pendiente[i], 9, 3) + " m/km." + Blancos(7) +
                   e.N(datos.DiametroMm[i], 5, 0) + Blancos(8) +
                   e.N(datos.VelocidadParcial[i], 5, 2) + Blancos(4) +
                   e.N(1000 * datos.PendienteParcial[i], 9, 3) + " m/km.");
    }
    if (!PorImpresora) {
        return SinErrorImpresora;
    }

    const auto bloque = [&](bool parcial) {
        e.Papel(PapelCaudal(e, 30, caudal));
        e.Blancas(2);
        PapelTablaPendientes(e, datos, parcial);
    };
    e.EmpiezaPapel(e.T(TxHazen));
    e.Papel(Blancos(20) + Coeficiente(e, datos.Rugosidad, 7, 2));
    e.Blancas(1);
    e.Papel(Blancos(20) + e.T(TxSeccionLlena));
    e.Blancas(2);
    bloque(false);

    e.SegundaPagina(e.T(TxHazen));
    e.Papel(Blancos(20) + Coeficiente(e, datos.Rugosidad, 4, 0));
    e.Blancas(1);
    e.Papel(Blancos(20) + e.T(TxSeccionParcial));
    e.Papel(Blancos(20) + e.T(TxLaminaLibre));
    e.Blancas(2);
    bloque(true);
    return e.Fin();
}

} // namespace dravek

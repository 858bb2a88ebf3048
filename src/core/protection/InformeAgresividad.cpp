#include "core/protection/InformeAgresividad.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/model/Utf8.h"
#include "core/validation/FuncionesGenerales.h"

#include <cstddef>
#include <limits>

namespace dravek {

namespace {

constexpr std::size_t AnchoCorte = 65;     // characters of a printed measure line
constexpr double ResistividadBaja = 15;    // ohm x m: below it the soil holds soluble salts
constexpr double CorrienteAdmisible = 200; // mV: the elastic joints break the circuit

// Texts of the report.
constexpr std::int32_t TextoNo = 725;
constexpr std::int32_t TextoSiAcentuado = 726;
constexpr std::int32_t TextoNormal = 727;
constexpr std::int32_t TextoSR = 728;
constexpr std::int32_t TextoTitulo = 729;
constexpr std::int32_t TextoFactores = 730;
constexpr std::int32_t TextoMedidas = 731;
constexpr std::int32_t TextoTerrenosAguas = 732;
constexpr std::int32_t TextoDosificacion = 733;
constexpr std::int32_t TextoRelacion = 734;
constexpr std::int32_t TextoTipoCemento = 735;
constexpr std::int32_t TextoNecesidades = 736;
constexpr std::int32_t TextoBajaResistividad = 737;
constexpr std::int32_t TextoAislar = 738;
constexpr std::int32_t TextoSalesSolubles = 739;
constexpr std::int32_t TextoCorrientes = 740;
constexpr std::int32_t TextoJuntaElastica = 741;
constexpr std::int32_t TextoEliminar = 742;
constexpr std::int32_t TextoSinProteccion = 743;

// Byte offset of character n (from 0) of the text, or its size when it is shorter.
std::size_t BytesHasta(const std::string &texto, std::size_t n)
{
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < texto.size(); ++k) {
        i += LongitudCaracterUtf8(texto, i);
    }
    return i;
}

std::string Rellena(const std::string &texto, std::size_t ancho)
{
    const std::size_t n = CuentaCaracteresUtf8(texto);
    return n < ancho ? texto + std::string(ancho - n, ' ') : texto;
}

// Screen and paper side by side: every line of the report goes to the result box and, when
// printing, to the printer with as many blank lines before it as the screen has line feeds.
class Informe {
public:
    Informe(EstadoObra &estado, SalidaListado &salida, bool porImpresora, std::string &pantalla)
        : m_estado(estado), m_salida(salida), m_impresora(salida.impresora()),
          m_porImpresora(porImpresora), m_pantalla(pantalla)
    {
    }

    std::string T(std::int32_t n) const
    {
        return Texto(m_estado.ejecucion.DesplazamientoIdioma, n);
    }

    std::string Numero(double valor) const
    {
        return sNumeroDob(m_estado.ejecucion, valor, 8, 2, "", false);
    }

    void Pantalla(int antes, const std::string &texto, int despues)
    {
        EscribeLineaAgres(m_pantalla, antes, texto, despues);
    }

    void Papel(int blancos, const std::string &texto)
    {
        if (m_porImpresora) {
            m_salida.SaltaLineas(m_estado, blancos);
            m_salida.ImprimeLinea(texto);
        }
    }

    void Linea(int antes, const std::string &texto, int despues)
    {
        Pantalla(antes, texto, despues);
        Papel(antes, texto);
    }

    // A measure text too long for one printed line goes on two.
    void LineaPartida(const std::string &texto)
    {
        Pantalla(0, texto, 1);
        const int p = BuscaBlanco(texto);
        if (p > 0) {
            const std::size_t corte = BytesHasta(texto, static_cast<std::size_t>(p));
            Papel(0, texto.substr(0, corte));
            Papel(0, texto.substr(corte));
        } else {
            Papel(0, texto);
        }
    }

    void Cabecera()
    {
        const std::string titulo = T(TextoTitulo);
        const std::string doble(28, '=');
        Pantalla(0, titulo, 1);
        Pantalla(0, doble, 2);
        if (!m_porImpresora) {
            return;
        }
        m_impresora.PonOrientacion(Orientacion::Vertical);
        m_estado.listado.Imprimiendo = true;
        m_salida.SaltaLineas(m_estado, 4);
        m_impresora.PonNombreFuente("Courier New");
        m_impresora.PonTamanoFuente(10);
        m_impresora.PonNegrita(true);
        m_salida.ImprimeLinea(titulo);
        m_salida.ImprimeLinea(doble);
        m_impresora.PonNegrita(false);
        m_salida.SaltaLineas(m_estado, 1);
    }

    // True when at least one factor was listed.
    bool Factores(const EtiquetasAgresividad &e, const ValoresAgresion &valores, bool Check1)
    {
        bool hayFactores = false;
        bool aguasListadas = false;
        // In the order of the boxes: the inner water comes last, after the stray current, and
        // carries the waters' caption only when no other water was listed.
        for (int i = 0; i < NumeroEntradasAgresividad; ++i) {
            const double valor = valores[static_cast<std::size_t>(i)];
            if (!(valor > 0)) {
                continue;
            }
            if (!hayFactores) {
                Linea(0, T(TextoFactores), 1);
                Linea(0, std::string(31, '-'), 1);
                hayFactores = true;
            }
            switch (i) {
            case ElementoSulfatosTerreno:
                Linea(1, e.Frame3, 1);
                break;
            case ElementoResistividad:
                Linea(1, e.Frame4, 1);
                break;
            case ElementoCorriente:
                Linea(1, e.Frame5, 1);
                break;
            default:
                if (!aguasListadas) {
                    Linea(1, e.Frame2, 1);
                    aguasListadas = true;
                }
                break;
            }
            const auto k = static_cast<std::size_t>(i);
            Linea(0,
                  Rellena(Recorta(e.lbAguas[k]), AnchoNombreFactor) + " = " + Numero(valor) + " " +
                      e.lbUnidadesAgres[k],
                  1);
            if (i == ElementoSulfatosTerreno && Check1) {
                Pantalla(0, e.Check1 + "  ", 1);
                Papel(0, e.Check1);
            }
        }
        return hayFactores;
    }

    void Medidas(const MedidasAgresividad &m, const ValoresAgresion &valores)
    {
        bool HayMedidas = false;
        int hueco = 0;
        if (m.DosificacionCemento > 0) {
            HayMedidas = true;
            Linea(0, T(TextoTerrenosAguas), 1);
            // The content is a mass per volume of concrete.
            Linea(0, T(TextoDosificacion) + Blancos(6) + Numero(m.DosificacionCemento) + " kg/m3",
                  1);
            Linea(0, T(TextoRelacion) + Blancos(6) + Numero(m.RelacionAguaCemento), 1);
            Linea(0,
                  T(TextoTipoCemento) + Blancos(12) +
                      T(m.TipoCemento == ClaseCemento::SR ? TextoSR : TextoNormal),
                  1);
            Linea(0,
                  T(TextoNecesidades) + Blancos(12) +
                      T(m.NecesidadesAdicionales ? TextoSiAcentuado : TextoNo),
                  1);
            hueco = 1;
        }
        const double resistividad = valores[ElementoResistividad];
        if (resistividad > 0 && resistividad < ResistividadBaja) {
            HayMedidas = true;
            Linea(hueco, T(TextoBajaResistividad), 1);
            Linea(0, T(TextoAislar), 1);
            LineaPartida(T(TextoSalesSolubles));
            hueco = 1;
        }
        const double corriente = valores[ElementoCorriente];
        if (corriente > 0) {
            Linea(hueco, T(TextoCorrientes), 1);
            if (corriente <= CorrienteAdmisible) {
                // An observation, not a measure.
                LineaPartida(T(TextoJuntaElastica));
            } else {
                Linea(0, T(TextoEliminar), 1);
                HayMedidas = true;
            }
            hueco = 1;
        }
        if (!HayMedidas) {
            Linea(hueco, T(TextoSinProteccion), 1);
        }
    }

    int Fin()
    {
        // The sink stays on the printer, as after every printed listing of the side tools.
        return m_porImpresora ? m_impresora.FinDocumento() : SinErrorImpresora;
    }

private:
    EstadoObra &m_estado;
    SalidaListado &m_salida;
    Impresora &m_impresora;
    bool m_porImpresora;
    std::string &m_pantalla;
};

} // namespace

EtiquetasAgresividad EtiquetasAgresividadIdioma(std::int32_t DesplazamientoIdioma)
{
    const auto t = [DesplazamientoIdioma](std::int32_t n) {
        return Texto(DesplazamientoIdioma, n);
    };
    EtiquetasAgresividad e;
    e.lbAguas = {"pH",       t(713), "NH4 (+) ", "Mg (2+)", t(1075),
                 "SO4 (2-)", t(718), t(721),     t(1076)};
    e.lbUnidadesAgres = {"", "mg/l", "mg/l", "mg/l", "mg/l", "mg/Kg", t(719), "mV", "mg/l"};
    e.Frame2 = t(712);
    e.Frame3 = t(715);
    e.Frame4 = t(717);
    e.Frame5 = t(720);
    e.Check1 = t(716);
    return e;
}

void EscribeLineaAgres(std::string &edResultadoAgres, int antes, const std::string &texto,
                       int despues)
{
    edResultadoAgres.append(static_cast<std::size_t>(antes > 0 ? antes : 0), '\n');
    edResultadoAgres.append(texto);
    edResultadoAgres.append(static_cast<std::size_t>(despues > 0 ? despues : 0), '\n');
}

int BuscaBlanco(const std::string &texto)
{
    if (CuentaCaracteresUtf8(texto) <= AnchoCorte) {
        return -1;
    }
    int ultimo = 0;
    std::size_t i = 0;
    for (std::size_t k = 1; k <= AnchoCorte; ++k) {
        if (texto[i] == ' ') {
            ultimo = static_cast<int>(k);
        }
        i += LongitudCaracterUtf8(texto, i);
    }
    return ultimo > 0 ? ultimo : static_cast<int>(AnchoCorte);
}

int EscribeInformeAgresividad(EstadoObra &estado, SalidaListado &salida,
                              const EtiquetasAgresividad &etiquetas,
                              const ValoresAgresion &valores, bool Check1, bool PorImpresora,
                              std::string &edResultadoAgres)
{
    edResultadoAgres.clear();
    const MedidasAgresividad medidas = CalculaMedidas(valores, Check1);
    Informe informe(estado, salida, PorImpresora, edResultadoAgres);
    informe.Cabecera();
    if (informe.Factores(etiquetas, valores, Check1)) {
        informe.Linea(1, informe.T(TextoMedidas), 1);
        informe.Pantalla(0, std::string(21, '='), 2);
        informe.Papel(0, std::string(21, '='));
    }
    informe.Medidas(medidas, valores);
    return informe.Fin();
}

InformeAgresividad CalculaAgresividad(EstadoObra &estado, SalidaListado &salida,
                                      Mensajes &mensajes, const EtiquetasAgresividad &etiquetas,
                                      const EntradasAgresividad &entradas, bool PorImpresora,
                                      std::string &edResultadoAgres)
{
    ValoresAgresion valores{};
    for (std::size_t i = 0; i < valores.size(); ++i) {
        // Empty is 0, as when the box is left; the box check tells what else is wrong, the
        // physical bounds of the input included.
        const int elemento = static_cast<int>(i);
        if (!ValidaNumero(estado.ejecucion, mensajes, std::numeric_limits<double>::lowest(),
                          entradas.txpH[i], valores[i], etiquetas.lbAguas[i]) ||
            !CompruebaLimiteFisico(estado.ejecucion, mensajes, MagnitudAgresividad(elemento),
                                   valores[i], etiquetas.lbAguas[i])) {
            return {ResultadoAgresividad::EntradaIncorrecta, elemento};
        }
    }
    const int error = EscribeInformeAgresividad(estado, salida, etiquetas, valores,
                                                entradas.Check1, PorImpresora, edResultadoAgres);
    if (error != SinErrorImpresora) {
        const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
        mensajes.Muestra(Texto(d, TextoError) + ":" + std::to_string(error) + "\n" +
                             Texto(d, TextoAlImprimir),
                         BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
        return {ResultadoAgresividad::FalloImpresora, -1};
    }
    return {};
}

} // namespace dravek

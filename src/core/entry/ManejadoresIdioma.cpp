// The language choice of the data-entry window: the text offset, the help file of the language
// (Spanish when it is missing), the captions of the menus and of the window, the code lists
// showing their stored choices again, and the language stored for the next start.

#include "core/entry/AyudasManejadores.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/PatronCampos.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/TextosComunes.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace dravek {

using namespace manejadores;

namespace {

constexpr std::int32_t TextoIdioma = 160;       // "Idioma"
constexpr std::int32_t TextoFicheroAyuda = 433; // help file name of the language
constexpr std::int32_t TextoDatoRequerido = 518;
constexpr std::int32_t DesplazamientoPorIdioma = 5000;

// Position k (from 1) of a list shown again; nothing for a position outside it.
void MuestraPosicion(Lista &lista, int k)
{
    if (k >= 1 && k <= lista.ListCount()) {
        ponTexto(lista, lista.List(k - 1));
    }
}

int PosicionColocacion(std::int16_t codigo)
{
    switch (codigo) {
    case ZanjaSinCompactar:
    case ZanjaTerraplenSinCompactar:
        return 1;
    case ZanjaCompactada:
    case ZanjaTerraplenCompactada:
        return 2;
    default:
        return 0;
    }
}

int PosicionRelleno(std::int16_t codigo)
{
    switch (codigo) {
    case RellenoRocasMachacadas:
        return 1;
    case RellenoRocasConGravas:
        return 2;
    case RellenoArenaArcillosa:
        return 3;
    case RellenoArcillasOrdinarias:
        return 4;
    case RellenoArcillasPlasticas:
        return 5;
    default:
        return 0;
    }
}

bool ExisteFichero(const std::string &ruta)
{
    std::error_code error;
    return std::filesystem::is_regular_file(ruta, error);
}

} // namespace

std::int16_t IdiomaDeLaObra(const EstadoObra &estado)
{
    return estado.obra.IdiomaObra > 0 ? estado.obra.IdiomaObra : estado.ejecucion.Idioma;
}

std::string CapturaDatos::RutaAyuda(std::int32_t DesplazamientoIdioma) const
{
    return m_estado.ejecucion.RutaAplicacion + Texto(DesplazamientoIdioma, TextoFicheroAyuda) +
           ".html";
}

void CapturaDatos::edIdioma_GotFocus()
{
    // An empty box names the language the window is shown in again; nothing is chosen.
    if (Vacio(edIdioma.Text())) {
        ponTexto(edIdioma, edIdioma.List(m_estado.ejecucion.Idioma - 1));
    }
}

void CapturaDatos::edIdioma_Click()
{
    EligeEnLista(*this, edIdioma);
}

void CapturaDatos::edIdioma_Validate(bool &Cancel)
{
    EstadoEjecucion &e = m_estado.ejecucion;
    std::int16_t &idiomaObra = m_estado.obra.IdiomaObra;
    // The box names the language the window is shown in: the entry chosen takes effect unless
    // it is that one. The project keeps the language it was saved with until one is chosen.
    const std::int16_t anterior = e.Idioma;
    const std::int16_t idiomaObraAnterior = IdiomaDeLaObra(m_estado);
    // Text that names no language puts back the one in force; nothing else changes.
    const auto rechaza = [&](std::int32_t texto) {
        Avisa(*this, T(*this, texto), T(*this, TextoIdioma));
        Cancel = true;
        ponTexto(edIdioma, edIdioma.List(anterior - 1));
    };
    if (Vacio(edIdioma.Text())) {
        rechaza(TextoDatoRequerido);
        return;
    }
    std::int16_t elegido = 0;
    for (int p = 0; p < edIdioma.ListCount(); ++p) {
        if (edIdioma.Text() == edIdioma.List(p)) {
            elegido = static_cast<std::int16_t>(p + 1);
        }
    }
    if (elegido == 0) {
        rechaza(TextoValorIncorrecto);
        return;
    }
    if (elegido == anterior) {
        return;
    }
    e.Idioma = elegido;
    idiomaObra = elegido;
    e.DesplazamientoIdioma = (e.Idioma - 1) * DesplazamientoPorIdioma;
    std::string ayuda = RutaAyuda(e.DesplazamientoIdioma);
    // Without the language's help file the interface stays Spanish, whose help is then used.
    if (!ExisteFichero(ayuda)) {
        ponTexto(edIdioma, edIdioma.List(0));
        e.Idioma = 1;
        idiomaObra = 1;
        e.DesplazamientoIdioma = 0;
        ayuda = RutaAyuda(0);
    }
    m_servicios.entornoIdioma.PonTextosMenu();
    m_servicios.entornoIdioma.PonAyuda(ayuda);

    // Re-captioning rewrites the code lists and shows their choices again: the run's data do not
    // change, so nothing is voided and the changed flag is put back as it was.
    {
        const SinAnularAjustes sinAnular(*this);
        const bool modificados = e.DatosModificados;
        // The live load the engineer sees is the one kept, even where its variable does not
        // hold it (a run with a given total load, whose live load is then none).
        const int cargaMostrada = edICar0.ListIndex();
        // The loads page's note, when shown, is put in the new language with the rest.
        const bool avisoArco = !avCargas1.Text().empty();
        PonTextosCaptura();
        if (avisoArco) {
            PonAvisoEfectoArco();
        }
        const DatosTramo &t = m_estado.tramo;
        if (t.vICUNA > 0) {
            MuestraPosicion(edTipoCuna0, t.vICUNA);
        }
        MuestraPosicion(edTipoApoyo0, PosicionColocacion(t.CodigoColocacion));
        MuestraPosicion(edTipoRelleno0, PosicionRelleno(t.TipoRelleno));
        if (t.IndiceAsentamiento > 0) {
            MuestraPosicion(edIAs, t.IndiceAsentamiento);
        }
        if (cargaMostrada >= 0) {
            MuestraPosicion(edICar0, cargaMostrada + 1);
        } else if (t.TipoCargaConcentrada >= 0) {
            MuestraPosicion(edICar0, t.TipoCargaConcentrada + 1);
        }
        if (t.TipoControl > 0) {
            MuestraPosicion(edTipoControl, t.TipoControl);
        }
        if (t.IndicadorCamisa > 0) {
            MuestraPosicion(edTipoCamisa, t.IndicadorCamisa);
        }
        e.DatosModificados = modificados;
    }
    // The project's file records its language too.
    if (idiomaObra != idiomaObraAnterior) {
        m_estado.obra.CabeceraModificada = true;
    }
    m_servicios.entornoIdioma.GrabaIdioma(e.Idioma);
}

} // namespace dravek

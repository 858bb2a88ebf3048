// A saved run reads back as it was saved: runs typed into the window, validated and saved, then
// opened under the other decimal separator, loaded, validated and calculated, give the same
// values, the same boxes, the same bytes when saved again and the same listing.

#include "apoyo/ContextoPrueba.h"
#include "apoyo/GeometriaPrueba.h"
#include "apoyo/ObraPrueba.h"
#include "apoyo/TramoPrueba.h"
#include "apoyo/TramosTecleados.h"
#include "core/design/DisenoTubo.h"
#include "core/entry/AlmacenObra.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/ValidacionTramo.h"
#include "core/model/TextoRecurso.h"
#include "core/storage/FicheroRegistros.h"
#include "core/storage/RegistrosObra.h"
#include "core/validation/FuncionesGenerales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::ObraPrueba;
using pruebas::Tecleo;
using pruebas::TramoTecleado;

const std::string Ruta = "/obras/ida.dvk";

// The screen listing of the run the window holds, calculated with the real designs.
std::string Listado(const EstadoObra &estado)
{
    pruebas::ContextoPrueba<pruebas::DepuracionNula, DisenoTubo> c(estado);
    const ErrorCalculo error = pruebas::CalculaEnPantalla(c.contexto);
    EXPECT_FALSE(error) << error.mensaje;
    return c.salida.TextoPantalla();
}

// Every box of the run as the engineer reads it: a number box by its value, any other control
// by its text or state.
struct Vista {
    std::vector<std::string> textos;
    std::vector<std::string> cajas;
    std::vector<double> numeros;
};

Vista VistaDe(CapturaDatos &v)
{
    Vista vista;
    const EstadoEjecucion &e = v.estado().ejecucion;
    for (const CampoNumerico &c : CamposNumericos()) {
        if (c.caja == "edGamaY" || c.caja == "edGamaF") {
            continue; // boxes with no handlers, never shown
        }
        const ControlTexto &caja = c.control(v);
        if (!caja.Visible) {
            continue; // what the run does not use is not shown
        }
        const std::string &texto = caja.Text();
        // An empty box counts as 0, as the file writes it.
        const std::optional<double> n = texto.empty() ? 0.0 : TextoANumero(e, texto);
        vista.cajas.push_back(std::string(c.caja) + "=" + texto);
        vista.numeros.push_back(n.value_or(-1e300));
    }
    for (const CampoCodigo &c : CamposCodigo()) {
        const Lista &l = c.control(v);
        vista.textos.push_back(l.Name() + "=" + (l.Visible ? l.Text() : "(oculta)"));
    }
    vista.textos.push_back("edTramo=" + v.edTramo.Text());
    vista.textos.push_back("edDescriTramo=" + v.edDescriTramo.Text());
    vista.textos.push_back("edIcontes0=" + std::to_string(static_cast<int>(v.edIcontes0.Value())));
    vista.textos.push_back("edIcontes1=" + std::to_string(static_cast<int>(v.edIcontes1.Value())));
    vista.textos.push_back("TabTipologia=" + std::to_string(v.TabTipologia.Tab()));
    vista.textos.push_back("TipoCamisa=" + std::to_string(v.TipoCamisa.Seleccionada()));
    return vista;
}

// The run variables the calculation reads, after a validation.
std::vector<double> Variables(const EstadoObra &e)
{
    const DatosTramo &t = e.tramo;
    return {static_cast<double>(t.Tipologia),
            static_cast<double>(t.EsArmado),
            static_cast<double>(t.FijaArmaduraExterior),
            t.ArmaduraExteriorMaxima,
            static_cast<double>(t.TipoControl),
            static_cast<double>(t.IndicadorCamisa),
            t.CAMMAX,
            t.FCK,
            t.Fyk,
            t.Fyd,
            t.GamaB,
            t.GamaY,
            t.GamaF,
            t.Delca,
            t.FykPost,
            t.Es,
            t.Ep,
            t.Fckno,
            t.Fckn,
            t.Fckr,
            t.SFck,
            t.Sf,
            t.Rel,
            t.Fic,
            t.Fir,
            t.Epsc,
            t.Epsr,
            t.vDi,
            t.ESP,
            t.RECI,
            t.RECE,
            t.vDE,
            t.vGAMAB,
            static_cast<double>(t.vICUNA),
            static_cast<double>(t.CodigoColocacion),
            t.AnchoZanja,
            t.vGAMAT,
            t.AnguloRozamiento,
            static_cast<double>(t.TipoRelleno),
            t.DistanciaTerrenoNatural,
            static_cast<double>(t.IndiceAsentamiento),
            t.CargaVerticalTotal,
            static_cast<double>(t.CalculoCargas),
            static_cast<double>(t.TipoCargaConcentrada),
            t.DPInicialTramo,
            t.DPFinalTramo,
            t.IncrementoPresionTramo,
            t.MDPInicialTramo,
            t.MDPFinalTramo,
            t.AlturaInicialTramo,
            t.AlturaFinalTramo,
            t.IncrementoAltura,
            e.calculo.AlturaInicial,
            e.calculo.AlturaFinal};
}

void CompruebaCerca(const std::vector<double> &a, const std::vector<double> &b,
                    const std::vector<std::string> &nombres = {})
{
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i], b[i], 1e-9 * std::max(1.0, std::fabs(a[i])))
            << (i < nombres.size() ? nombres[i] : "value " + std::to_string(i));
    }
}

// The first line where two listings differ, or nothing.
std::string PrimeraDiferencia(const std::string &a, const std::string &b)
{
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        ++i;
    }
    if (i == a.size() && i == b.size()) {
        return {};
    }
    std::size_t inicio = a.rfind('\n', i) == std::string::npos ? 0 : a.rfind('\n', i) + 1;
    for (int k = 0; k < 12 && inicio > 1; ++k) {
        inicio = a.rfind('\n', inicio - 2) + 1;
    }
    return a.substr(inicio, a.find('\n', i) - inicio) + " | " +
           b.substr(inicio, b.find('\n', i) - inicio);
}

// Opens a saved project in a window, loads its first run and validates it as the print
// command does.
void AbreYValida(ObraPrueba &o, const std::string &bytes)
{
    o.ficheros.Pon(Ruta, bytes);
    ASSERT_TRUE(o.abre(Ruta));
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
    // As choosing the run in the run list does.
    o.estado.ejecucion.ModoCaptura = "MODIFICACIONES";
    o.estado.tramo.TramoActual = 1;
    ASSERT_TRUE(ValidaObraYTramo(o.captura, false));
}

// The standard geometry of a 1200 mm pipe, the one the typed runs use: the reinforced and the
// embedded-cylinder sections as typed, and a lined cylinder of the typed 100 mm wall and 25 mm
// coating whose 25 mm inner cover is not the 75 mm the lined cylinder's own cover comes to.
const std::vector<pruebas::FilaGeometria> TablaGeometria = {
    {1200, {}, {30, 30, 120}, {}, {10, 25, 100}, {25, 25, 100}},
};

// How many times the window asked whether to take the recommended section.
std::size_t PreguntasDeGeometria(const ObraPrueba &o)
{
    std::size_t n = 0;
    for (const pruebas::MensajeMostrado &m : o.mensajes.mostrados()) {
        n += m.titulo == "***  DATOS DIFERENTES DE LOS RECOMENDADOS  ***" ? 1 : 0;
    }
    return n;
}

struct Caso {
    const char *nombre;
    TramoTecleado tramo;
    bool enSI;
    char separador;
    bool geometria = false; // the standard-geometry table loaded: the diameter is commercial
};

class IdaYVuelta : public ::testing::TestWithParam<Caso> {};

TEST_P(IdaYVuelta, ElTramoGuardadoSeLeeComoEra)
{
    const Caso &caso = GetParam();
    const char otro = caso.separador == ',' ? '.' : ',';

    ObraPrueba uno(caso.separador);
    ObraPrueba dos(otro);
    ObraPrueba tres(caso.separador);
    if (caso.geometria) {
        for (ObraPrueba *o : {&uno, &dos, &tres}) {
            pruebas::PonGeometria(o->estado.tablas, TablaGeometria);
        }
    }

    // Typed, validated and saved.
    Tecleo tecleo(uno, caso.enSI);
    tecleo.ObraNueva("Presa de ida y vuelta");
    tecleo.Teclea(caso.tramo);
    tecleo.Graba(Ruta);
    ASSERT_EQ(uno.estado.ejecucion.ModoCaptura, "MODIFICACIONES");
    ASSERT_FALSE(uno.estado.ejecucion.DatosModificados);
    EXPECT_EQ(uno.estado.tramo.DiametroComercial, caso.geometria ? Verdadero : Falso);
    const std::string guardado = uno.ficheros.Contenido(Ruta);
    // Saved again as it stands: nothing asked, the same bytes.
    tecleo.Graba();
    EXPECT_EQ(uno.ficheros.Contenido(Ruta), guardado);
    EXPECT_EQ(PreguntasDeGeometria(uno), 0U);
    const Vista vista = VistaDe(uno.captura);
    const std::vector<double> variables = Variables(uno.estado);
    const std::string listado = Listado(uno.estado);

    // Opened under the other separator, validated and saved again.
    AbreYValida(dos, guardado);
    const Vista vistaDos = VistaDe(dos.captura);
    EXPECT_EQ(vistaDos.textos, vista.textos);
    CompruebaCerca(vistaDos.numeros, vista.numeros, vista.cajas);
    CompruebaCerca(Variables(dos.estado), variables);
    dos.mensajes.responde(RespuestaMensaje::Si);
    ConfirmaGrabaTramo(dos.captura);
    ASSERT_FALSE(dos.estado.ejecucion.DatosModificados);
    EXPECT_EQ(PreguntasDeGeometria(dos), 0U);

    // And back under the first: the same bytes and the same listing.
    AbreYValida(tres, dos.ficheros.Contenido(Ruta));
    EXPECT_EQ(PrimeraDiferencia(Listado(tres.estado), listado), "");
    tres.mensajes.responde(RespuestaMensaje::Si);
    ConfirmaGrabaTramo(tres.captura);
    EXPECT_EQ(tres.ficheros.Contenido(Ruta), guardado);
    EXPECT_EQ(PreguntasDeGeometria(tres), 0U);
}

TramoTecleado Armado()
{
    TramoTecleado t;
    t.descripcion = "Tramo armado – cruce";
    return t;
}

TramoTecleado Embebida()
{
    TramoTecleado t;
    t.Tipologia = 2211;
    t.descripcion = "Camisa embebida";
    t.ESP = 10;
    t.RECI = 1;
    t.RECE = 2.5;
    return t;
}

TramoTecleado Revestida()
{
    TramoTecleado t = Embebida();
    t.Tipologia = 2221;
    t.descripcion = "Camisa revestida";
    return t;
}

TramoTecleado ConCargaTotal()
{
    TramoTecleado t = Armado();
    t.descripcion = "Carga total dada";
    t.cargaTotal = 25;
    t.alturaInicial = 0;
    return t;
}

TramoTecleado EnTerraplen()
{
    TramoTecleado t = Armado();
    t.descripcion = "Terraplén";
    t.colocacion = 2;
    t.MDPInicial = 0;
    return t;
}

// A single MDP with the DP typed beside it: one DP, no step.
TramoTecleado UnaMDPConSuDP()
{
    TramoTecleado t = Armado();
    t.descripcion = "Una MDP con su DP";
    t.DPInicial = 9;
    t.MDPInicial = 10;
    t.MDPFinal = 0;
    t.incrementoPresion = 0;
    return t;
}

INSTANTIATE_TEST_SUITE_P(
    Tramos, IdaYVuelta,
    ::testing::Values(Caso{"ArmadoMKSComa", Armado(), false, ','},
                      Caso{"ArmadoSIPunto", Armado(), true, '.'},
                      Caso{"EmbebidaMKSPunto", Embebida(), false, '.'},
                      Caso{"EmbebidaSIComa", Embebida(), true, ','},
                      Caso{"RevestidaSIComa", Revestida(), true, ','},
                      Caso{"RevestidaMKSPunto", Revestida(), false, '.'},
                      Caso{"CargaTotalSIComa", ConCargaTotal(), true, ','},
                      Caso{"TerraplenMKSComa", EnTerraplen(), false, ','},
                      Caso{"UnaMDPConSuDPMKSComa", UnaMDPConSuDP(), false, ','},
                      Caso{"UnaMDPConSuDPSIPunto", UnaMDPConSuDP(), true, '.'},
                      Caso{"RevestidaEstandarMKSComa", Revestida(), false, ',', true},
                      Caso{"RevestidaEstandarSIPunto", Revestida(), true, '.', true},
                      Caso{"ArmadoEstandarSIComa", Armado(), true, ',', true}),
    [](const ::testing::TestParamInfo<Caso> &p) { return std::string(p.param.nombre); });

// The texts of offsets from..to of block k.
std::vector<std::string> TextosBloque(const std::string &bytes, std::int16_t k, int desde,
                                      int hasta)
{
    const FicheroRegistros f(bytes);
    std::vector<std::string> textos;
    for (int d = desde; d <= hasta; ++d) {
        textos.push_back(f.LeeRegistro(BaseBloque(k) + d).value_or("<dañado>"));
    }
    return textos;
}

// Two runs saved one after the other give the bytes each gives saved alone: nothing of the
// first (its typology's materials, its fill heights) reaches the second.
TEST(DosTramos, CadaUnoComoGrabadoSolo)
{
    TramoTecleado postesado = Embebida();
    TramoTecleado armado = Armado();
    armado.descripcion = "Segundo";
    armado.alturaInicial = 0; // the project's heights
    armado.MDPInicial = 0;

    ObraPrueba juntos;
    Tecleo a(juntos, false);
    a.ObraNueva("Dos tramos");
    a.Teclea(postesado);
    a.Graba(Ruta);
    a.Teclea(armado);
    a.Graba();
    ASSERT_EQ(juntos.captura.edTramo.ListCount(), 2);

    ObraPrueba solo;
    Tecleo b(solo, false);
    b.ObraNueva("Dos tramos");
    b.Teclea(armado);
    b.Graba(Ruta);

    const std::string &dos = juntos.ficheros.Contenido(Ruta);
    EXPECT_EQ(TextosBloque(dos, 2, 8, 65), TextosBloque(solo.ficheros.Contenido(Ruta), 1, 8, 65));
    // The heights of the first run are not the second's; its cylinder steel neither.
    EXPECT_EQ(TextosBloque(dos, 2, 46, 46), std::vector<std::string>{"0,00"});
    EXPECT_EQ(TextosBloque(dos, 2, 61, 62), (std::vector<std::string>{"0,00", "0,00"}));
    EXPECT_EQ(TextosBloque(dos, 2, 64, 64), std::vector<std::string>{"0 // 0,0"});
    EXPECT_EQ(TextosBloque(dos, 1, 64, 64), std::vector<std::string>{"2100 // 210,0"});
    EXPECT_EQ(TextosBloque(dos, 1, 46, 46), std::vector<std::string>{"2,00"});
}

// A greyed check box is not ticked: saved as clear, read back as clear.
TEST(DosTramos, CasillaGrisNoMarcada)
{
    ObraPrueba o;
    Tecleo t(o, false);
    t.ObraNueva("Casilla gris");
    t.Teclea(Armado());
    ponValor(o.captura.edIcontes0, EstadoCasilla::Gris);
    t.Graba(Ruta);
    const std::string &bytes = o.ficheros.Contenido(Ruta);
    EXPECT_EQ(TextosBloque(bytes, 1, 10, 11), (std::vector<std::string>{"0", "0,000"}));

    ObraPrueba otra;
    AbreYValida(otra, bytes);
    EXPECT_EQ(otra.captura.edIcontes0.Value(), EstadoCasilla::Vacia);
    EXPECT_EQ(otra.estado.tramo.FijaArmaduraExterior, Falso);
}

// A new run shows the 13-tonne axle; after a change of language it still does, in the new
// language, and the file stores the 13-tonne axle the engineer saw.
TEST(DosTramos, LaSobrecargaVistaEsLaGrabada)
{
    ObraPrueba o;
    std::ofstream(o.figura("Draveking.html")) << "ITSF";
    o.captura.PonTextosCaptura();
    Tecleo t(o, false);
    t.ObraNueva("Sobrecarga");
    t.Teclea(Armado());
    ASSERT_EQ(o.captura.edICar0.Text(), Texto(0, 123));

    ponTexto(o.captura.edIdioma, o.captura.edIdioma.List(1)); // English
    bool Cancel = false;
    o.captura.edIdioma_Validate(Cancel);
    ASSERT_EQ(o.estado.ejecucion.Idioma, 2);
    EXPECT_EQ(o.captura.edICar0.Text(), Texto(5000, 123));

    t.Graba(Ruta);
    EXPECT_EQ(TextosBloque(o.ficheros.Contenido(Ruta), 1, 55, 55), std::vector<std::string>{"2"});
}

// A project of a reinforced run typed and saved, and its block again as run 2.
FicheroRegistros ObraDeDosTramos(const std::string &titulo)
{
    ObraPrueba o;
    Tecleo t(o, false);
    t.ObraNueva(titulo);
    t.Teclea(Armado());
    t.Graba(Ruta);
    FicheroRegistros f(o.ficheros.Contenido(Ruta));
    f.Escribe(20, "2");
    for (int d = 7; d <= 66; ++d) {
        f.Escribe(BaseBloque(2) + d, f.LeeRegistro(BaseBloque(1) + d).value_or(""));
    }
    f.Escribe(BaseBloque(2) + 6, "2"); // a block starts with the number of runs
    f.Escribe(BaseBloque(2) + 7, "2");
    return f;
}

// A stored run is validated the same whichever run was loaded before it: a code of 0 is no
// choice, whatever the previous run chose.
TEST(DosTramos, LaValidacionNoDependeDelTramoAnterior)
{
    // Run 2: run 1's block again, with no control level.
    FicheroRegistros f = ObraDeDosTramos("Orden de carga");
    f.Escribe(BaseBloque(2) + 12, "0"); // no control level

    for (const bool antes : {false, true}) {
        SCOPED_TRACE(antes ? "after run 1" : "alone");
        ObraPrueba p;
        p.ficheros.Pon(Ruta, f.Bytes());
        ASSERT_TRUE(p.abre(Ruta));
        if (antes) {
            ASSERT_TRUE(p.almacen.CargaTramo(p.captura, 1));
            ASSERT_TRUE(ValidaObraYTramo(p.captura, false));
        }
        ASSERT_TRUE(p.almacen.CargaTramo(p.captura, 2));
        p.estado.ejecucion.ModoCaptura = "MODIFICACIONES";
        p.mensajes.responde(RespuestaMensaje::Aceptar);
        EXPECT_FALSE(ValidaObraYTramo(p.captura, false));
        ASSERT_EQ(p.mensajes.mostrados().size(), 1u);
        EXPECT_EQ(p.mensajes.mostrados()[0].texto, "No ha capturado Tipo de Control");
    }
}

// The trench width that follows the diameter belongs to the run being typed: a stored run chosen
// after it keeps the width it was saved with when the commands validate it, is not marked
// changed, and saves to the same bytes.
TEST(DosTramos, ElAnchoDeZanjaAutomaticoNoPasaAlTramoElegido)
{
    // Run 2: run 1's block again, with a trench width of its own.
    FicheroRegistros f = ObraDeDosTramos("Ancho de zanja");
    f.Escribe(BaseBloque(2) + 47, "3,000");
    const std::string guardado = f.Bytes();

    ObraPrueba p;
    p.ficheros.Pon(Ruta, guardado);
    ASSERT_TRUE(p.abre(Ruta));
    ASSERT_TRUE(p.captura.CargaTramoElegido(1));
    EXPECT_EQ(p.estado.tramo.AnchoZanjaAutomatico, Falso);
    // A new diameter typed in run 1: its width now follows the diameter.
    ponTexto(p.captura.edDi0, "1,400");
    ASSERT_EQ(p.estado.tramo.AnchoZanjaAutomatico, Verdadero);

    ASSERT_TRUE(p.captura.CargaTramoElegido(2));
    EXPECT_EQ(p.estado.tramo.AnchoZanjaAutomatico, Falso);
    ASSERT_TRUE(ValidaObraYTramo(p.captura, true)); // as Calculate and Save validate
    EXPECT_EQ(p.estado.tramo.AnchoZanja, 3.0);
    EXPECT_EQ(p.captura.edB0.Text(), "3,000");
    EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
    p.mensajes.responde(RespuestaMensaje::Si);
    ConfirmaGrabaTramo(p.captura);
    const std::string &regrabado = p.ficheros.Contenido(Ruta);
    EXPECT_EQ(TextosBloque(regrabado, 2, 6, 66), TextosBloque(guardado, 2, 6, 66));
    EXPECT_TRUE(regrabado == guardado);
}

} // namespace
} // namespace dravek

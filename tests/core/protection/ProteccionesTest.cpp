#include "core/protection/Protecciones.h"

#include "apoyo/CarpetaPrueba.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/SeparadorPrueba.h"
#include "apoyo/TextoPrueba.h"
#include "apoyo/TrabajoFalso.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Guion;
using pruebas::ImpresoraGrabadora;
using pruebas::MensajeMostrado;
using pruebas::MensajesGrabadora;

std::string LineaCaja(const std::string &nombre, const std::string &texto, bool bloqueada = false)
{
    return nombre + ": Text=\"" + texto + "\" Locked=" + (bloqueada ? "1" : "0") +
           " Enabled=1 Visible=1 BackColor=Editable";
}

std::string LineaRotulo(const std::string &nombre, const std::string &caption)
{
    return nombre + ": Caption=\"" + caption + "\" Enabled=1 Visible=1";
}

std::string LineaBoton(const std::string &nombre, const std::string &caption,
                       const std::string &ayuda)
{
    return nombre + ": Caption=\"" + caption + "\" Enabled=1 Visible=1 ToolTipText=\"" + ayuda +
           "\"";
}

// The window as it opens in Spanish with no notes file: the pH box took the focus.
std::vector<std::string> VentanaAbierta()
{
    std::vector<std::string> v = {
        "Caption=\"Medidas de protección\"",
        LineaRotulo("Frame1", "Agresividad química"),
        LineaRotulo("Frame2", "Medio agresivo: agua exterior e interior"),
        LineaCaja("lbNota", "Ejemplo", true),
        LineaCaja("txpH(0)", "7.00"),
    };
    for (int i = 1; i < 9; ++i) {
        v.push_back(LineaCaja("txpH(" + std::to_string(i) + ")", ""));
    }
    const std::vector<std::string> resto = {
        LineaRotulo("Frame3", "Medio agresivo: terrenos"),
        "Check1: Value=0 Enabled=1 Visible=1 Caption=\"Alterna ciclos humedad/desecación o "
        "tuberias semienterradas\"",
        LineaRotulo("Frame4", "Medio agresivo: suelos con baja resistividad"),
        LineaRotulo("Frame5", "Medio agresivo: corrientes vagabundas"),
        LineaCaja("edResultadoAgres", "", true),
        LineaBoton("btCalculoAgres", "   Visualizar", "Realiza el calculo hidráulico"),
        LineaBoton("btImprimeAgres", "  Imprimir", "Imprime el resultado calculado"),
        LineaBoton("btCerrarAgres", "  Cerrar", "Vuelve atrás o cierra la ventana"),
    };
    v.insert(v.end(), resto.begin(), resto.end());
    const std::vector<std::pair<std::string, std::string>> etiquetas = {
        {"pH", ""},
        {"CO2 agresivo", "mg/l"},
        {"NH4 (+) ", "mg/l"},
        {"Mg (2+)", "mg/l"},
        {"SO4 (2-) (agua exterior)", "mg/l"},
        {"SO4 (2-)", "mg/Kg"},
        {"Resistividad del terreno", "Ohmio x m"},
        {"Corriente", "mV"},
        {"SO4 (2-) (agua interior)", "mg/l"},
    };
    for (std::size_t i = 0; i < etiquetas.size(); ++i) {
        const std::string n = "(" + std::to_string(i) + ")";
        v.push_back(LineaRotulo("lbAguas" + n, etiquetas[i].first));
        v.push_back(LineaRotulo("lbUnidadesAgres" + n, etiquetas[i].second));
    }
    v.push_back("Foco=txpH(0)");
    return v;
}

// Replaces the line of the same control (or the focus line) in an expected snapshot.
void Cambia(std::vector<std::string> &instantanea, const std::string &linea)
{
    const std::string nombre = linea.substr(0, linea.find_first_of(":="));
    for (std::string &l : instantanea) {
        if (l.substr(0, l.find_first_of(":=")) == nombre) {
            l = linea;
            return;
        }
    }
    ADD_FAILURE() << "no line for " << nombre;
}

class ProteccionesTest : public ::testing::Test {
protected:
    ProteccionesTest()
    {
        estado.ejecucion.RutaAplicacion = "/opt/dravek/";
        ventana.Form_Load();
        ventana.cumplePeticionFoco();
    }

    CajaTexto &Entrada(int i) { return ventana.txpH[static_cast<std::size_t>(i)]; }

    // The engineer clicks a button: the box that has the focus is checked first.
    void Pulsa(Boton &boton)
    {
        if (ventana.cambiaFoco(boton)) {
            pulsa(boton);
            ventana.cumplePeticionFoco();
        }
    }

    EstadoObra estado;
    MensajesGrabadora mensajes{Guion::Estricto};
    pruebas::RelojFijo reloj;
    ImpresoraGrabadora impresora;
    SalidaListado salida{reloj, impresora};
    pruebas::TrabajoFalso impresion;
    Protecciones ventana{estado, mensajes, salida, impresion};
};

TEST_F(ProteccionesTest, AbreConSusTextosYElPHEnfocado)
{
    EXPECT_EQ(ventana.Instantanea(), VentanaAbierta());
    EXPECT_EQ(ventana.FicheroNotas(), "/opt/dravek/Aguaspuras_esp.rtf");
    EXPECT_EQ(ventana.SeleccionPendiente(), &Entrada(0));
    EXPECT_FALSE(ventana.Descargada());
    EXPECT_TRUE(mensajes.mostrados().empty());
}

TEST_F(ProteccionesTest, OrdenDeTabulacion)
{
    std::vector<std::string> nombres;
    for (const Control *c : ventana.OrdenTabulacion()) {
        nombres.push_back(c->Name());
    }
    EXPECT_EQ(nombres,
              (std::vector<std::string>{"txpH(0)", "txpH(1)", "txpH(2)", "txpH(3)", "txpH(4)",
                                        "txpH(8)", "txpH(5)", "Check1", "txpH(6)", "txpH(7)",
                                        "btCalculoAgres", "btImprimeAgres", "btCerrarAgres"}));
}

TEST_F(ProteccionesTest, VisualizarEnSeguidaDaElInformeDelPHSolo)
{
    Pulsa(ventana.btCalculoAgres);
    std::vector<std::string> esperado = VentanaAbierta();
    Cambia(esperado,
           LineaCaja("edResultadoAgres",
                     "ANÁLISIS DE MEDIOS AGRESIVOS\n" + std::string(28, '=') +
                         "\n\nFactores que deben considerarse\n" + std::string(31, '-') +
                         "\n\nMedio agresivo: agua exterior e interior\npH" + pruebas::B(38) +
                         " =     7.00 \n\nMEDIDAS DE PROTECCION\n" + std::string(21, '=') +
                         "\n\nNo es necesaria ninguna protección contra agresión química\n",
                     true));
    Cambia(esperado, "Foco=btCalculoAgres");
    EXPECT_EQ(ventana.Instantanea(), esperado);
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_EQ(ventana.ValoresAgresividad()[ElementoPH], 7.0);
}

TEST_F(ProteccionesTest, UnaCajaVaciadaQuedaACeroYSoloLaVaciaSeRellena)
{
    ponTexto(Entrada(0), "");
    ASSERT_TRUE(ventana.cambiaFoco(Entrada(1)));
    std::vector<std::string> esperado = VentanaAbierta();
    Cambia(esperado, LineaCaja("txpH(0)", "0.00"));
    Cambia(esperado, LineaCaja("txpH(1)", "0.00"));
    Cambia(esperado, "Foco=txpH(1)");
    EXPECT_EQ(ventana.Instantanea(), esperado);
    EXPECT_EQ(ventana.SeleccionPendiente(), &Entrada(1));

    // Back in the pH box showing 0.00: nothing is filled in.
    ASSERT_TRUE(ventana.cambiaFoco(Entrada(0)));
    Cambia(esperado, "Foco=txpH(0)");
    EXPECT_EQ(ventana.Instantanea(), esperado);
    EXPECT_EQ(ventana.SeleccionPendiente(), &Entrada(0));
}

TEST_F(ProteccionesTest, LoTecleadoSeMuestraConDosDecimalesYElSeparadorDelUsuario)
{
    struct Caso {
        bool coma;
        std::string teclas;
        std::string tecleado;
        std::string mostrado;
        double valor;
    };
    const std::vector<Caso> casos = {
        {false, "12.5", "12.5", "12.50", 12.5},    {false, "1,5", "1.5", "1.50", 1.5},
        {false, "3a+b.2.4", "3.24", "3.24", 3.24}, {true, "12.5", "12,5", "12,50", 12.5},
        {true, "7,25", "7,25", "7,25", 7.25},      {false, "98\b7", "97", "97.00", 97},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.teclas);
        EstadoObra e;
        MensajesGrabadora m{Guion::Estricto};
        pruebas::TrabajoFalso trabajo;
        Protecciones v{e, m, salida, trabajo};
        if (c.coma) {
            pruebas::PonSeparador(e.ejecucion, ',');
        }
        v.Form_Load();
        v.cumplePeticionFoco();
        ASSERT_TRUE(v.cambiaFoco(v.txpH[ElementoCO2]));
        ponTexto(v.txpH[ElementoCO2], "");
        teclea(v.txpH[ElementoCO2], c.teclas);
        EXPECT_EQ(v.txpH[ElementoCO2].Text(), c.tecleado);
        ASSERT_TRUE(v.cambiaFoco(v.txpH[ElementoNH4]));
        EXPECT_EQ(v.txpH[ElementoCO2].Text(), c.mostrado);
        EXPECT_DOUBLE_EQ(v.ValoresAgresividad()[ElementoCO2], c.valor);
    }
}

TEST_F(ProteccionesTest, UnTextoPegadoNoNumericoSeRechaza)
{
    ASSERT_TRUE(ventana.cambiaFoco(Entrada(ElementoMg)));
    ponTexto(Entrada(ElementoMg), "450");
    ASSERT_TRUE(ventana.cambiaFoco(Entrada(ElementoSulfatosExterior)));
    ASSERT_TRUE(ventana.cambiaFoco(Entrada(ElementoMg)));
    ponTexto(Entrada(ElementoMg), "abc");
    ventana.OlvidaSeleccion();

    mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(ventana.cambiaFoco(Entrada(ElementoSulfatosInterior)));
    EXPECT_EQ(mensajes.mostrados(), (std::vector<MensajeMostrado>{
                                        {"Seleccione un valor numérico ", BotonesMensaje::Aceptar,
                                         IconoMensaje::Ninguno, "Mg (2+)"}}));
    std::vector<std::string> esperado = VentanaAbierta();
    Cambia(esperado, LineaCaja("txpH(3)", "450.00"));
    Cambia(esperado, LineaCaja("txpH(4)", "0.00"));
    Cambia(esperado, "Foco=txpH(3)");
    EXPECT_EQ(ventana.Instantanea(), esperado);
    EXPECT_EQ(ventana.ValoresAgresividad()[ElementoMg], 450.0);
    EXPECT_EQ(ventana.SeleccionPendiente(), &Entrada(ElementoMg));
}

// A value beyond the physical bounds of its input (a negative one pasted, a pH of 657 from a
// lost decimal separator) is refused naming the bound passed, titled with the input's name; the
// box shows again the value it held and keeps the focus.
TEST_F(ProteccionesTest, UnValorFueraDeSusLimitesSeRechazaNombrandoElLimite)
{
    struct Caso {
        int elemento;
        std::string pegado;
        std::string mensaje;
        std::string titulo;
    };
    const std::vector<Caso> casos = {
        {ElementoPH, "657", "Valor incorrecto (máximo 14)", "pH"},
        {ElementoPH, "14.01", "Valor incorrecto (máximo 14)", "pH"},
        {ElementoResistividad, "-3", "Valor incorrecto (mínimo 0)", "Resistividad del terreno"},
        {ElementoCO2, "100000.5", "Valor incorrecto (máximo 100000)", "CO2 agresivo"},
        {ElementoSulfatosInterior, "1e6", "Valor incorrecto (máximo 100000)",
         "SO4 (2-) (agua interior)"},
        {ElementoSulfatosTerreno, "1000001", "Valor incorrecto (máximo 1000000)", "SO4 (2-)"},
        {ElementoCorriente, "100001", "Valor incorrecto (máximo 100000)", "Corriente"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.pegado);
        EstadoObra e;
        MensajesGrabadora m{Guion::Estricto};
        pruebas::TrabajoFalso trabajo;
        Protecciones v{e, m, salida, trabajo};
        v.Form_Load();
        v.cumplePeticionFoco();
        CajaTexto &caja = v.txpH[static_cast<std::size_t>(c.elemento)];
        ASSERT_TRUE(v.cambiaFoco(caja));
        const std::string antes = caja.Text();
        ponTexto(caja, c.pegado);
        v.OlvidaSeleccion();
        m.responde(RespuestaMensaje::Aceptar);
        EXPECT_FALSE(v.cambiaFoco(v.btCalculoAgres));
        EXPECT_EQ(m.mostrados(),
                  (std::vector<MensajeMostrado>{
                      {c.mensaje, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, c.titulo}}));
        EXPECT_EQ(caja.Text(), antes);
        EXPECT_EQ(v.Foco(), &caja);
        EXPECT_EQ(v.SeleccionPendiente(), &caja);
        EXPECT_EQ(v.ValoresAgresividad()[static_cast<std::size_t>(c.elemento)],
                  c.elemento == ElementoPH ? 7.0 : 0.0);
    }
}

// The bounds themselves are accepted.
TEST_F(ProteccionesTest, LosLimitesSeAdmiten)
{
    const std::vector<std::pair<int, std::string>> casos = {
        {ElementoPH, "14"},
        {ElementoPH, "0"},
        {ElementoMg, "100000"},
        {ElementoSulfatosTerreno, "1000000"},
        {ElementoResistividad, "1000000"},
        {ElementoCorriente, "100000"},
    };
    for (const auto &[elemento, texto] : casos) {
        SCOPED_TRACE(texto);
        CajaTexto &caja = Entrada(elemento);
        ASSERT_TRUE(ventana.cambiaFoco(caja));
        ponTexto(caja, texto);
        EXPECT_TRUE(ventana.cambiaFoco(ventana.btCalculoAgres));
    }
    EXPECT_TRUE(mensajes.mostrados().empty());
}

// A minus sign is refused with the input's message, not dropped while its digits are kept (a
// typed -5 became 5).
TEST_F(ProteccionesTest, UnSignoMenosSeRechazaConSuMensaje)
{
    ASSERT_TRUE(ventana.cambiaFoco(Entrada(ElementoCorriente)));
    ponTexto(Entrada(ElementoCorriente), "");
    mensajes.responde(RespuestaMensaje::Aceptar);
    teclea(Entrada(ElementoCorriente), "-5");
    EXPECT_EQ(mensajes.mostrados(), (std::vector<MensajeMostrado>{
                                        {"Valor incorrecto (mínimo 0)", BotonesMensaje::Aceptar,
                                         IconoMensaje::Ninguno, "Corriente"}}));
    EXPECT_EQ(Entrada(ElementoCorriente).Text(), "5");
}

// Cerrar is reached whatever a box holds, without its check: the window closes.
TEST_F(ProteccionesTest, CerrarDesdeUnaCajaRechazadaCierra)
{
    ASSERT_TRUE(ventana.cambiaFoco(Entrada(ElementoResistividad)));
    ponTexto(Entrada(ElementoResistividad), "-3");
    EXPECT_TRUE(ventana.cambiaFoco(ventana.btCerrarAgres));
    Pulsa(ventana.btCerrarAgres);
    EXPECT_TRUE(ventana.Descargada());
    EXPECT_TRUE(mensajes.mostrados().empty());
}

TEST_F(ProteccionesTest, UnaCajaSinComprobarRechazaElInforme)
{
    // A report asked for while the box being typed in was never left (a shortcut key).
    ponTexto(Entrada(0), "7.0.0");
    mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(ventana.btCalculoAgres);
    EXPECT_EQ(mensajes.mostrados(), (std::vector<MensajeMostrado>{{"Seleccione un valor numérico ",
                                                                   BotonesMensaje::Aceptar,
                                                                   IconoMensaje::Ninguno, "pH"}}));
    EXPECT_EQ(ventana.edResultadoAgres.Text(), "");
    EXPECT_EQ(ventana.PeticionFoco(), &Entrada(0));
    EXPECT_TRUE(impresora.operaciones().empty());
}

TEST_F(ProteccionesTest, ImprimirEscribeElMismoInformeEnPantalla)
{
    ASSERT_TRUE(ventana.cambiaFoco(Entrada(ElementoSulfatosTerreno)));
    ponTexto(Entrada(ElementoSulfatosTerreno), "20000");
    ASSERT_TRUE(ventana.cambiaFoco(ventana.Check1));
    ponValor(ventana.Check1, EstadoCasilla::Marcada);
    Pulsa(ventana.btImprimeAgres);

    const std::string pantalla = ventana.edResultadoAgres.Text();
    std::vector<std::string> impresas;
    for (const std::string &l : impresora.lineas()) {
        if (l != " ") {
            impresas.push_back(l);
        }
    }
    std::vector<std::string> enPantalla;
    for (const std::string &l : pruebas::Lineas(pantalla)) {
        if (!l.empty()) {
            // The check box's caption carries two blanks on screen only.
            enPantalla.push_back(l.ends_with("semienterradas  ") ? l.substr(0, l.size() - 2) : l);
        }
    }
    EXPECT_EQ(impresas, enPantalla);
    EXPECT_EQ(
        pruebas::Cuenta(pantalla, "Dosificación de cemento" + pruebas::B(9) + "400.00 kg/m3"), 1U);
    EXPECT_EQ(pruebas::Cuenta(pantalla, "Tipo de cemento" + pruebas::B(21) + "SR\n"), 1U);
    EXPECT_EQ(pruebas::Cuenta(pantalla, "Necesidades adicionales" + pruebas::B(13) + "Sí\n"), 1U);
    EXPECT_EQ(impresora.descripciones().back(), "FinDocumento");
    EXPECT_TRUE(mensajes.mostrados().empty());
}

// A printer that cannot finish the document.
class ImpresoraQueFalla : public ImpresoraGrabadora {
public:
    int FinDocumento() override
    {
        static_cast<void>(ImpresoraGrabadora::FinDocumento());
        return ErrorPropioImpresora;
    }
};

TEST(ProteccionesImpresora, UnFalloDeImpresoraSeAvisaYLaVentanaSigueAbierta)
{
    EstadoObra estado;
    MensajesGrabadora mensajes{Guion::Estricto};
    pruebas::RelojFijo reloj;
    ImpresoraQueFalla impresora;
    SalidaListado salida{reloj, impresora};
    pruebas::TrabajoFalso trabajo;
    Protecciones ventana{estado, mensajes, salida, trabajo};
    ventana.Form_Load();
    ventana.cumplePeticionFoco();

    mensajes.responde(RespuestaMensaje::Aceptar);
    ASSERT_TRUE(ventana.cambiaFoco(ventana.btImprimeAgres));
    pulsa(ventana.btImprimeAgres);
    EXPECT_EQ(mensajes.mostrados(),
              (std::vector<MensajeMostrado>{{"ERROR:482\nal imprimir", BotonesMensaje::Aceptar,
                                             IconoMensaje::Ninguno, ""}}));
    EXPECT_FALSE(ventana.Descargada());
    EXPECT_TRUE(ventana.edResultadoAgres.Text().starts_with("ANÁLISIS DE MEDIOS AGRESIVOS\n"));
}

// The report prints through the job that readies the chosen printer: a cancelled choice of
// file prints nothing, a failed document is dropped.
TEST(ProteccionesImpresora, ImprimirPasaPorElTrabajoDeImpresion)
{
    struct Caso {
        const char *nombre;
        bool acepta;
        bool falla;
        int abortados;
        bool impreso;
    };
    const std::vector<Caso> casos = {
        {"impreso", true, false, 0, true},
        {"cancelado", false, false, 0, false},
        {"fallido", true, true, 1, true},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EstadoObra estado;
        MensajesGrabadora mensajes{Guion::Estricto};
        pruebas::RelojFijo reloj;
        ImpresoraQueFalla fallida;
        ImpresoraGrabadora buena;
        ImpresoraGrabadora &impresora = caso.falla ? fallida : buena;
        SalidaListado salida{reloj, impresora};
        pruebas::TrabajoFalso trabajo;
        trabajo.acepta = caso.acepta;
        Protecciones ventana{estado, mensajes, salida, trabajo};
        ventana.Form_Load();
        ventana.cumplePeticionFoco();
        if (caso.falla) {
            mensajes.responde(RespuestaMensaje::Aceptar);
        }
        ASSERT_TRUE(ventana.cambiaFoco(ventana.btImprimeAgres));
        pulsa(ventana.btImprimeAgres);
        EXPECT_EQ(trabajo.empezados, 1);
        EXPECT_EQ(trabajo.abortados, caso.abortados);
        EXPECT_EQ(!impresora.operaciones().empty(), caso.impreso);
        EXPECT_EQ(mensajes.mostrados().size(), caso.falla ? 1U : 0U);
        EXPECT_FALSE(ventana.Descargada());
    }
}

TEST_F(ProteccionesTest, CerrarDescargaLaVentana)
{
    Pulsa(ventana.btCerrarAgres);
    EXPECT_TRUE(ventana.Descargada());
    EXPECT_TRUE(mensajes.mostrados().empty());
}

// The notes file of the language replaces the example when it reads as rich text; a truncated
// one leaves the example, and neither says anything.
TEST(ProteccionesNotas, FicheroDeNotas)
{
    namespace fs = std::filesystem;
    const fs::path carpeta = pruebas::CarpetaPrueba("dravek_protecciones_notas");
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\b Aguas puras:} pH bajo."
                            "\\par Ver la instrucci\\'f3n.\\par}";
    struct Caso {
        const char *nombre;
        std::string contenido;
        std::string texto;
    };
    const std::vector<Caso> casos = {
        {"whole", rtf, "Aguas puras: pH bajo.\nVer la instrucción."},
        {"truncated", rtf.substr(0, 40), "Ejemplo"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        std::ofstream(carpeta / "Aguaspuras_esp.rtf", std::ios::binary) << caso.contenido;
        EstadoObra estado;
        estado.ejecucion.RutaAplicacion = carpeta.string() + "/";
        MensajesGrabadora mensajes{Guion::Estricto};
        pruebas::RelojFijo reloj;
        ImpresoraGrabadora impresora;
        SalidaListado salida{reloj, impresora};
        pruebas::TrabajoFalso trabajo;
        Protecciones ventana{estado, mensajes, salida, trabajo};
        ventana.Form_Load();
        EXPECT_EQ(ventana.lbNota.Text(), caso.texto);
        EXPECT_EQ(ventana.Nota().TextoPlano(), caso.texto);
        EXPECT_EQ(ventana.Nota().parrafos.front().tramos.front().atributos.negrita,
                  caso.texto != "Ejemplo");
    }
    fs::remove_all(carpeta);
}

} // namespace
} // namespace dravek

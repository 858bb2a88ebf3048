// The hydraulic calculator window as outcomes: after each action, the whole window (every
// control's state) and every message box shown. The message boxes are held to a strict script:
// a box the test did not expect fails it. The user's separator is a comma.

#include "core/hydraulics/CalculoHidraulico.h"

#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/SeparadorPrueba.h"
#include "apoyo/TextoPrueba.h"
#include "apoyo/TrabajoFalso.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;
using pruebas::MensajeMostrado;
using Lineas = std::vector<std::string>;

const std::string NotaHormigon =
    "Valor para hormigón de cualquier edad sin considerar pérdidas localizadas por cambios de "
    "dirección, piezas especiales etc.\r\n\r\nPara considerar éstas de forma aproximada puede "
    "multiplicarse por 2 el coeficiente propuesto por defecto. En este caso la diferencia de "
    "rugosidad del material influye muy poco y por tanto la pérdida de carga aproximada calculada "
    "sería válida para cualquier material";
const std::string NotaHazen =
    "Fórmula aproximada que engloba pérdidas de carga localizadas medias, válida para cualquier "
    "material, para mayor precisión emplear las fórmulas de Colebrook o Darcy";
const std::string Ka = "Rugosidad equivalente en arena en mm (Ka)";
const std::string Ks = "Rugosidad absoluta en mm (Ks)";
const std::string Cwh = "Coeficiente Cwh";
const std::string Pendiente = "Pendiente (m/m)";
const std::string Caudal = "Caudal (m3/seg)";

// Line of each control in the window's snapshot.
enum Linea {
    LnVentana,
    LnFrTipoCalculo,
    LnRdTipoCalculo,
    LnFrRugosidad,
    LnLbRugosidad,
    LnTxRugosidad,
    LnLbOmision,
    LnLbTextoAyuda,
    LnFrTipoDato,
    LnRdTipoDato,
    LnLbDatorigen,
    LnTxDatoOrigen,
    LnEdPantallaCh,
    LnBtCalculo,
    LnBtImprime,
    LnBtCerrar,
    LnFoco,
};

std::string Caja(const std::string &nombre, const std::string &texto, bool bloqueada = false)
{
    return nombre + ": Text=\"" + texto + "\" Locked=" + (bloqueada ? "1" : "0") +
           " Enabled=1 Visible=1 BackColor=Editable";
}

std::string Rotulo(const std::string &nombre, const std::string &caption)
{
    return nombre + ": Caption=\"" + caption + "\" Enabled=1 Visible=1";
}

std::string Formulas(int seleccionada)
{
    return "rdTipoCalculo: Value=" + std::to_string(seleccionada) +
           " Enabled=1 Visible=1 Opciones=[\"PRANDTL - COLEBROOK\"/1/1|\"DARCY - "
           "WEISSBACH\"/1/1|\"HAZEN - WILLIAMS\"/1/1]";
}

std::string Datos(int seleccionada)
{
    return "rdTipoDato: Value=" + std::to_string(seleccionada) +
           " Enabled=1 Visible=1 Opciones=[\"Pendiente\"/1/1|\"Caudal\"/1/1]";
}

// The window right after opening.
const Lineas Abierta = {
    "Caption=\"Cálculo hidráulico\"",
    Rotulo("frTipoCalculo", "Método de cálculo"),
    Formulas(1),
    Rotulo("frRugosidad", ""),
    Rotulo("lbRugosidad", Ka),
    Caja("txRugosidad", "0,050"),
    Rotulo("lbOmision", "(0,050)"),
    Caja("lbTextoAyuda", NotaHormigon, true),
    Rotulo("frTipoDato", "Tipo de dato origen"),
    Datos(0),
    Rotulo("lbDatorigen", Pendiente),
    Caja("txDatoOrigen", ""),
    Caja("edPantallaCh", "", true),
    "btCalculoHidraulico: Caption=\"   Calcular\" Enabled=1 Visible=1 "
    "ToolTipText=\"Realiza el calculo hidráulico\"",
    "btImprimeCh: Caption=\"  Imprimir\" Enabled=1 Visible=1 "
    "ToolTipText=\"Imprime el resultado calculado\"",
    "btCerrarHidraulico: Caption=\"  Cerrar\" Enabled=1 Visible=1 "
    "ToolTipText=\"Vuelve atrás o cierra la ventana\"",
    "Foco=-",
};

MensajeMostrado CajaError(const std::string &texto)
{
    return {texto, BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, "Error"};
}

class CalculoHidraulicoTest : public ::testing::Test {
protected:
    CalculoHidraulicoTest()
    {
        estado.ejecucion.DesplazamientoIdioma = 0;
        pruebas::PonSeparador(estado.ejecucion, ',');
        v.Form_Load();
    }

    // The engineer types a text into a field (replacing what it held) and leaves it for the
    // next one; false when the leave was refused.
    bool Escribe(CajaTexto &caja, const std::string &texto, Control &siguiente)
    {
        EXPECT_TRUE(v.cambiaFoco(caja));
        ponTexto(caja, texto);
        return v.cambiaFoco(siguiente);
    }

    // A box of the script shows and is answered OK.
    void Espera(int n = 1)
    {
        for (int i = 0; i < n; ++i) {
            mensajes.responde(RespuestaMensaje::Aceptar);
        }
    }

    EstadoObra estado;
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado listado{reloj, impresora};
    pruebas::MensajesGrabadora mensajes{pruebas::Guion::Estricto};
    pruebas::TrabajoFalso impresion;
    CalculoHidraulico v{estado, mensajes, listado, impresion};
};

TEST_F(CalculoHidraulicoTest, AbreConDarcyPendienteYRugosidadPorOmision)
{
    EXPECT_EQ(v.Instantanea(), Abierta);
    EXPECT_EQ(v.Rugosidad(), 0.05);
    EXPECT_EQ(v.DatoOrigen(), 0.0);
    EXPECT_FALSE(v.Descargada());
    EXPECT_TRUE(mensajes.mostrados().empty());
}

TEST_F(CalculoHidraulicoTest, CadaFormulaPoneSuRugosidadYSuNota)
{
    // Whatever was typed is replaced by the formula's default.
    EXPECT_TRUE(Escribe(v.txRugosidad, "0,2", v.btCalculoHidraulico));
    EXPECT_EQ(v.Rugosidad(), 0.2);

    ponValor(v.rdTipoCalculo, FormulaPrandtlColebrook, true);
    Lineas esperada = Abierta;
    esperada[LnRdTipoCalculo] = Formulas(0);
    esperada[LnLbRugosidad] = Rotulo("lbRugosidad", Ks);
    esperada[LnTxRugosidad] = Caja("txRugosidad", "0,060");
    esperada[LnLbOmision] = Rotulo("lbOmision", "(0,060)");
    esperada[LnFoco] = "Foco=btCalculoHidraulico";
    EXPECT_EQ(v.Instantanea(), esperada);
    EXPECT_EQ(v.Rugosidad(), 0.06);

    ponValor(v.rdTipoCalculo, FormulaHazenWilliams, true);
    esperada[LnRdTipoCalculo] = Formulas(2);
    esperada[LnLbRugosidad] = Rotulo("lbRugosidad", Cwh);
    esperada[LnTxRugosidad] = Caja("txRugosidad", "0");
    esperada[LnLbOmision] = Rotulo("lbOmision", "139.3 + 6.65 * DIAM. (M)");
    esperada[LnLbTextoAyuda] = Caja("lbTextoAyuda", NotaHazen, true);
    EXPECT_EQ(v.Instantanea(), esperada);
    EXPECT_EQ(v.Rugosidad(), 0.0);
    EXPECT_TRUE(mensajes.mostrados().empty());
}

// The datum field shows as many decimals as it takes to read its value back: three decimals
// showed 0.0004 as 0.000, which the next leave took for 0.
TEST_F(CalculoHidraulicoTest, ElDatoSeMuestraComoSeLeeDeNuevo)
{
    struct Caso {
        std::string tecleado;
        std::string mostrado;
        double valor;
    };
    const std::vector<Caso> casos = {
        {"0,0004", "0,0004", 0.0004}, {"0,00045", "0,00045", 0.00045},
        {"0,5", "0,500", 0.5},        {"12", "12,000", 12.0},
        {"0,0001", "0,0001", 0.0001}, {"1,23456789", "1,23456789", 1.23456789},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.tecleado);
        EXPECT_TRUE(Escribe(v.txDatoOrigen, c.tecleado, v.txRugosidad));
        EXPECT_EQ(v.txDatoOrigen.Text(), c.mostrado);
        EXPECT_EQ(v.DatoOrigen(), c.valor);
        // Entering and leaving again reads the shown text back: the value stays.
        EXPECT_TRUE(v.cambiaFoco(v.txDatoOrigen));
        EXPECT_TRUE(v.cambiaFoco(v.txRugosidad));
        EXPECT_EQ(v.txDatoOrigen.Text(), c.mostrado);
        EXPECT_EQ(v.DatoOrigen(), c.valor);
    }
    // The roughness too: 0.0005 mm would have shown 0.001 and been read back doubled.
    EXPECT_TRUE(Escribe(v.txRugosidad, "0,0005", v.txDatoOrigen));
    EXPECT_EQ(v.txRugosidad.Text(), "0,0005");
    EXPECT_TRUE(v.cambiaFoco(v.txRugosidad));
    EXPECT_TRUE(v.cambiaFoco(v.txDatoOrigen));
    EXPECT_EQ(v.Rugosidad(), 0.0005);
    EXPECT_TRUE(mensajes.mostrados().empty());
}

TEST_F(CalculoHidraulicoTest, EntrarEnUnCampoVacioMuestraCeroYSeleccionaHastaElFinal)
{
    // A field that holds a value keeps it.
    EXPECT_TRUE(v.cambiaFoco(v.txRugosidad));
    EXPECT_EQ(v.txRugosidad.Text(), "0,050");
    EXPECT_EQ(v.SeleccionPendiente(), &v.txRugosidad);
    v.OlvidaSeleccion();

    EXPECT_TRUE(v.cambiaFoco(v.txDatoOrigen));
    EXPECT_EQ(v.txDatoOrigen.Text(), "0,000");
    EXPECT_EQ(v.SeleccionPendiente(), &v.txDatoOrigen);
    // The zero it shows is no datum yet, which its leave accepts: the engineer may go on to
    // the roughness, and Calcular asks for the datum.
    v.OlvidaSeleccion();
    EXPECT_TRUE(v.cambiaFoco(v.txRugosidad));
    EXPECT_TRUE(v.cambiaFoco(v.btCalculoHidraulico));
    EXPECT_TRUE(mensajes.mostrados().empty());
    Espera();
    pulsa(v.btCalculoHidraulico);
    EXPECT_EQ(mensajes.mostrados(),
              std::vector<MensajeMostrado>{CajaError("Debe capturar un valor para " + Pendiente)});
    Lineas esperada = Abierta;
    esperada[LnTxDatoOrigen] = Caja("txDatoOrigen", "0,000");
    esperada[LnFoco] = "Foco=btCalculoHidraulico";
    EXPECT_EQ(v.Instantanea(), esperada);
    EXPECT_EQ(v.DatoOrigen(), 0.0);
}

// An emptied or zeroed roughness is left as a roughness not given: Calcular asks for it, except
// for Hazen-Williams, whose coefficient 0 is computed per diameter.
TEST_F(CalculoHidraulicoTest, UnaRugosidadVaciaSePideAlCalcular)
{
    for (const std::string &texto : {std::string(), std::string("0")}) {
        SCOPED_TRACE("\"" + texto + "\"");
        pruebas::MensajesGrabadora m{pruebas::Guion::Estricto};
        pruebas::TrabajoFalso trabajo;
        CalculoHidraulico w{estado, m, listado, trabajo};
        w.Form_Load();
        ASSERT_TRUE(w.cambiaFoco(w.txDatoOrigen));
        ponTexto(w.txDatoOrigen, "0,001");
        ASSERT_TRUE(w.cambiaFoco(w.txRugosidad));
        ponTexto(w.txRugosidad, texto);
        EXPECT_TRUE(w.cambiaFoco(w.btCalculoHidraulico));
        EXPECT_EQ(w.txRugosidad.Text(), "0,000");
        EXPECT_EQ(w.Rugosidad(), 0.0);
        m.responde(RespuestaMensaje::Aceptar);
        pulsa(w.btCalculoHidraulico);
        EXPECT_EQ(m.mostrados(),
                  std::vector<MensajeMostrado>{CajaError("Debe capturar un valor para " + Ka)});
        EXPECT_EQ(w.edPantallaCh.Text(), "");
    }
}

// Cerrar is reached from a field whatever it holds, without its check: the window closes.
TEST_F(CalculoHidraulicoTest, CerrarDesdeUnCampoRechazadoCierra)
{
    for (CajaTexto *campo : {&v.txDatoOrigen, &v.txRugosidad}) {
        SCOPED_TRACE(campo->Name());
        pruebas::MensajesGrabadora m{pruebas::Guion::Estricto};
        pruebas::TrabajoFalso trabajo;
        CalculoHidraulico w{estado, m, listado, trabajo};
        w.Form_Load();
        CajaTexto &caja = campo == &v.txDatoOrigen ? w.txDatoOrigen : w.txRugosidad;
        ASSERT_TRUE(w.cambiaFoco(caja));
        ponTexto(caja, "150");
        EXPECT_TRUE(w.cambiaFoco(w.btCerrarHidraulico));
        pulsa(w.btCerrarHidraulico);
        EXPECT_TRUE(w.Descargada());
        EXPECT_TRUE(m.mostrados().empty());
    }
}

TEST_F(CalculoHidraulicoTest, TeclasNumericasConElSeparadorDelUsuario)
{
    v.cambiaFoco(v.txDatoOrigen);
    ponTexto(v.txDatoOrigen, "");
    // The point becomes the user's comma; letters, the plus sign and a second separator are
    // swallowed.
    teclea(v.txDatoOrigen, "1.5a+,2");
    EXPECT_EQ(v.txDatoOrigen.Text(), "1,52");
    v.cambiaFoco(v.txRugosidad);
    ponTexto(v.txRugosidad, "");
    teclea(v.txRugosidad, "0,0e7");
    EXPECT_EQ(v.txRugosidad.Text(), "0,07");
    EXPECT_TRUE(mensajes.mostrados().empty());
}

// A minus sign is refused with the field's message naming its minimum, never dropped while the
// digits after it are kept (-5 became 5 and was calculated).
TEST_F(CalculoHidraulicoTest, UnSignoMenosSeRechazaConSuMensaje)
{
    struct Caso {
        int formula;
        bool dato;
        MensajeMostrado mensaje;
    };
    const std::vector<Caso> casos = {
        {FormulaDarcyWeisbach,
         true,
         {"Valor incorrecto (mínimo 0,0001)", BotonesMensaje::Aceptar, IconoMensaje::Ninguno,
          Pendiente}},
        {FormulaDarcyWeisbach,
         false,
         {"Valor incorrecto (mínimo 0,0001)", BotonesMensaje::Aceptar, IconoMensaje::Ninguno, Ka}},
        {FormulaHazenWilliams,
         false,
         {"Valor incorrecto (mínimo 1)", BotonesMensaje::Aceptar, IconoMensaje::Ninguno, Cwh}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.mensaje.titulo);
        pruebas::MensajesGrabadora m{pruebas::Guion::Estricto};
        pruebas::TrabajoFalso trabajo;
        CalculoHidraulico w{estado, m, listado, trabajo};
        w.Form_Load();
        ponValor(w.rdTipoCalculo, c.formula, true);
        CajaTexto &campo = c.dato ? w.txDatoOrigen : w.txRugosidad;
        ASSERT_TRUE(w.cambiaFoco(campo));
        ponTexto(campo, "");
        m.responde(RespuestaMensaje::Aceptar);
        teclea(campo, "-5");
        EXPECT_EQ(m.mostrados(), std::vector<MensajeMostrado>{c.mensaje});
        EXPECT_EQ(campo.Text(), "5");
    }
}

// A refused leave: the message titled with the field's caption, the field reset, the focus
// kept and the text selected again.
TEST_F(CalculoHidraulicoTest, ValorRechazadoAlSalirDelCampo)
{
    struct Caso {
        std::string nombre;
        int formula;
        bool dato; // the datum field, else the roughness field
        std::string tecleado;
        MensajeMostrado mensaje;
        std::string restaurado;
        double valor;
        int tipoDato = DatoPendiente;
    };
    // 1e-300 as the field would read it pasted.
    const std::string diminuto = "0," + std::string(299, '0') + "1";
    const MensajeMostrado noNumerico{"Seleccione un valor numérico ", BotonesMensaje::Aceptar,
                                     IconoMensaje::Ninguno, Pendiente};
    const auto minimo = [](const std::string &cota, const std::string &titulo) {
        return MensajeMostrado{"Valor incorrecto (mínimo " + cota + ")", BotonesMensaje::Aceptar,
                               IconoMensaje::Ninguno, titulo};
    };
    const auto maximo = [](const std::string &cota, const std::string &titulo) {
        return MensajeMostrado{"Valor incorrecto (máximo " + cota + ")", BotonesMensaje::Aceptar,
                               IconoMensaje::Ninguno, titulo};
    };
    const std::vector<Caso> casos = {
        {"slope below 0.0001", FormulaDarcyWeisbach, true, "0,00009", minimo("0,0001", Pendiente),
         "0,000", 0},
        {"pasted text", FormulaDarcyWeisbach, true, "abc", noNumerico, "0,000", 0},
        {"pasted negative", FormulaDarcyWeisbach, true, "-1", minimo("0,0001", Pendiente), "0,000",
         0},
        // Far beyond any pipe, and where the laws' logarithms would fail for large values.
        {"roughness above 100 mm", FormulaDarcyWeisbach, false, "100,001", maximo("100", Ka),
         "0,050", 0.05},
        {"roughness 2500 mm, Prandtl", FormulaPrandtlColebrook, false, "2500", maximo("100", Ks),
         "0,060", 0.06},
        // Data at overflow scale, beyond any pipe: refused before they reach the laws.
        {"slope 150 m/m", FormulaDarcyWeisbach, true, "150", maximo("100", Pendiente), "0,000", 0},
        {"slope above 100 m/m", FormulaDarcyWeisbach, true, "100,001", maximo("100", Pendiente),
         "0,000", 0},
        {"slope 99999999999999", FormulaDarcyWeisbach, true, "99999999999999",
         maximo("100", Pendiente), "0,000", 0},
        {"slope 1e300", FormulaPrandtlColebrook, true, "1" + std::string(300, '0'),
         maximo("100", Pendiente), "0,000", 0},
        {"flow above 1000 m3/s", FormulaHazenWilliams, true, "1000,01", maximo("1000", Caudal),
         "0,000", 0, DatoCaudal},
        {"flow 1e300", FormulaDarcyWeisbach, true, "1" + std::string(300, '0'),
         maximo("1000", Caudal), "0,000", 0, DatoCaudal},
        {"Hazen coefficient 1e-300", FormulaHazenWilliams, false, diminuto, minimo("1", Cwh),
         "0,00", 0},
        {"Hazen coefficient 0,5", FormulaHazenWilliams, false, "0,5", minimo("1", Cwh), "0,00", 0},
        {"Hazen coefficient 1e300", FormulaHazenWilliams, false, "1" + std::string(300, '0'),
         maximo("1000", Cwh), "0,00", 0},
        {"roughness 1e-300", FormulaDarcyWeisbach, false, diminuto, minimo("0,0001", Ka), "0,050",
         0.05},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        pruebas::MensajesGrabadora m{pruebas::Guion::Estricto};
        pruebas::TrabajoFalso trabajo;
        CalculoHidraulico w{estado, m, listado, trabajo};
        w.Form_Load();
        ponValor(w.rdTipoCalculo, c.formula, true);
        ponValor(w.rdTipoDato, c.tipoDato, true);
        CajaTexto &campo = c.dato ? w.txDatoOrigen : w.txRugosidad;
        CajaTexto &otro = c.dato ? w.txRugosidad : w.txDatoOrigen;
        ASSERT_TRUE(w.cambiaFoco(campo));
        ponTexto(campo, c.tecleado);
        w.OlvidaSeleccion();
        m.responde(RespuestaMensaje::Aceptar);
        EXPECT_FALSE(w.cambiaFoco(otro));
        EXPECT_EQ(m.mostrados(), std::vector<MensajeMostrado>{c.mensaje});
        EXPECT_EQ(w.Foco(), &campo);
        EXPECT_EQ(w.SeleccionPendiente(), &campo);
        EXPECT_EQ(campo.Text(), c.restaurado);
        EXPECT_EQ(c.dato ? w.DatoOrigen() : w.Rugosidad(), c.valor);
    }
}

TEST_F(CalculoHidraulicoTest, RugosidadesAdmitidas)
{
    // 100 mm is the largest roughness; 1 to 1000 the Hazen-Williams coefficients.
    EXPECT_TRUE(Escribe(v.txRugosidad, "100", v.btCalculoHidraulico));
    EXPECT_EQ(v.txRugosidad.Text(), "100,000");
    EXPECT_EQ(v.Rugosidad(), 100.0);
    ponValor(v.rdTipoCalculo, FormulaHazenWilliams, true);
    EXPECT_TRUE(Escribe(v.txRugosidad, "150", v.btCalculoHidraulico));
    EXPECT_EQ(v.txRugosidad.Text(), "150,00");
    EXPECT_EQ(v.Rugosidad(), 150.0);
    EXPECT_TRUE(Escribe(v.txRugosidad, "1000", v.btCalculoHidraulico));
    EXPECT_EQ(v.Rugosidad(), 1000.0);
    EXPECT_TRUE(Escribe(v.txRugosidad, "1", v.btCalculoHidraulico));
    EXPECT_EQ(v.Rugosidad(), 1.0);
    // 0 asks for the coefficient per diameter.
    EXPECT_TRUE(Escribe(v.txRugosidad, "0", v.btCalculoHidraulico));
    EXPECT_EQ(v.txRugosidad.Text(), "0,00");
    EXPECT_EQ(v.Rugosidad(), 0.0);
    EXPECT_TRUE(mensajes.mostrados().empty());
}

TEST_F(CalculoHidraulicoTest, CambiarElTipoDeDatoLoVacia)
{
    EXPECT_TRUE(Escribe(v.txDatoOrigen, "0,002", v.txRugosidad));
    ponValor(v.rdTipoDato, DatoCaudal, true);
    Lineas esperada = Abierta;
    esperada[LnRdTipoDato] = Datos(1);
    esperada[LnLbDatorigen] = Rotulo("lbDatorigen", Caudal);
    esperada[LnFoco] = "Foco=txRugosidad";
    EXPECT_EQ(v.Instantanea(), esperada);
    EXPECT_EQ(v.DatoOrigen(), 0.0);
}

TEST_F(CalculoHidraulicoTest, SinDatoNiCalculaNiImprime)
{
    ponTexto(v.edPantallaCh, "listado anterior");
    Espera(2);
    pulsa(v.btImprimeCh);
    ponValor(v.rdTipoDato, DatoCaudal, true);
    pulsa(v.btCalculoHidraulico);
    EXPECT_EQ(mensajes.mostrados(),
              (std::vector<MensajeMostrado>{CajaError("Debe capturar un valor para " + Pendiente),
                                            CajaError("Debe capturar un valor para " + Caudal)}));
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_EQ(v.edPantallaCh.Text(), "listado anterior");
}

TEST_F(CalculoHidraulicoTest, CalcularListaEnPantallaSinImprimir)
{
    EXPECT_TRUE(Escribe(v.txDatoOrigen, "0,001", v.btCalculoHidraulico));
    pulsa(v.btCalculoHidraulico);
    const std::vector<std::string> p = pruebas::Lineas(v.edPantallaCh.Text());
    ASSERT_EQ(p.size(), 26U);
    EXPECT_EQ(p[0], "Fórmula de DARCY - WEISSBACH");
    EXPECT_EQ(p[2], "Rugosidad absoluta Ks =  0,05000 mm.");
    EXPECT_EQ(p[3], "PENDIENTE             = 0,001000 m/m");
    // 600 mm, 0.05 mm: 0.897 m/s, 0.2536 m3/s, Re 410872.
    EXPECT_EQ(p[8], "    (mm)        (m/s)    (m3/s)");
    EXPECT_EQ(p[10], "     600         0,90     0,254           410872");
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_TRUE(mensajes.mostrados().empty());
    EXPECT_FALSE(estado.listado.Imprimiendo);
}

// Every formula and kind of datum, at the ends of what its fields take: every result is a
// number the listing shows in digits, never a field of asterisks.
TEST_F(CalculoHidraulicoTest, LosExtremosDeLosCamposDanResultadosFinitos)
{
    struct Campos {
        int formula;
        int tipoDato;
        std::vector<std::string> datos;
        std::vector<std::string> rugosidades;
    };
    const std::vector<Campos> campos = {
        {FormulaPrandtlColebrook, DatoPendiente, {"0,0001", "100"}, {"0,0001", "100"}},
        {FormulaPrandtlColebrook, DatoCaudal, {"0,0001", "1000"}, {"0,0001", "100"}},
        {FormulaDarcyWeisbach, DatoPendiente, {"0,0001", "100"}, {"0,0001", "100"}},
        {FormulaDarcyWeisbach, DatoCaudal, {"0,0001", "1000"}, {"0,0001", "100"}},
        {FormulaHazenWilliams, DatoPendiente, {"0,0001", "100"}, {"0", "1", "1000"}},
        {FormulaHazenWilliams, DatoCaudal, {"0,0001", "1000"}, {"0", "1", "1000"}},
    };
    for (const Campos &c : campos) {
        for (const std::string &dato : c.datos) {
            for (const std::string &rugosidad : c.rugosidades) {
                SCOPED_TRACE(std::to_string(c.formula) + "/" + std::to_string(c.tipoDato) + " " +
                             dato + " " + rugosidad);
                ponValor(v.rdTipoCalculo, c.formula, true);
                ponValor(v.rdTipoDato, c.tipoDato, true);
                ASSERT_TRUE(Escribe(v.txRugosidad, rugosidad, v.txDatoOrigen));
                ASSERT_TRUE(Escribe(v.txDatoOrigen, dato, v.btCalculoHidraulico));
                pulsa(v.btCalculoHidraulico);
                const std::string &texto = v.edPantallaCh.Text();
                EXPECT_NE(texto.find("600"), std::string::npos);
                EXPECT_EQ(texto.find("**"), std::string::npos) << texto;
                const DatosHidraulicos &d = v.Datos();
                for (int i = 1; i <= NumeroDiametros; ++i) {
                    for (const double x :
                         {d.Velocidad[i], d.VelocidadParcial[i], d.Caudal[i], d.CaudalParcial[i],
                          d.Pendiente[i], d.PendienteParcial[i], d.Reynolds[i]}) {
                        EXPECT_TRUE(std::isfinite(x)) << i;
                    }
                }
            }
        }
    }
    EXPECT_TRUE(mensajes.mostrados().empty());
}

// Hazen-Williams with the coefficient left at 0 calculates (the coefficient per diameter), flow
// given; the two other formulas refuse a roughness of 0 before a calculation.
TEST_F(CalculoHidraulicoTest, HazenConCoeficienteCeroCalcula)
{
    ponValor(v.rdTipoCalculo, FormulaHazenWilliams, true);
    ponValor(v.rdTipoDato, DatoCaudal, true);
    EXPECT_TRUE(Escribe(v.txDatoOrigen, "0,5", v.btCalculoHidraulico));
    pulsa(v.btCalculoHidraulico);
    const std::vector<std::string> p = pruebas::Lineas(v.edPantallaCh.Text());
    ASSERT_EQ(p.size(), 26U);
    EXPECT_EQ(p[1], "Coeficiente Cwh = 139.3 + 6.65 * DIAM. (M)");
    EXPECT_EQ(p[2], "CAUDAL                = 0,500000 m3/sg.");
    // 600 mm: 1.77 m/s, 3.617 m/km full; 1.81 m/s, 3.192 m/km part-full.
    EXPECT_EQ(p[10], B(5) + "600" + B(9) + "1,77" + B(8) + "3,617 m/km." + B(9) + "600" + B(9) +
                         "1,81" + B(8) + "3,192 m/km.");
    EXPECT_TRUE(mensajes.mostrados().empty());
}

TEST_F(CalculoHidraulicoTest, ImprimirMuestraEImprime)
{
    ponValor(v.rdTipoCalculo, FormulaPrandtlColebrook, true);
    EXPECT_TRUE(Escribe(v.txDatoOrigen, "0,001", v.btImprimeCh));
    pulsa(v.btImprimeCh);
    EXPECT_EQ(pruebas::Lineas(v.edPantallaCh.Text()).size(), 27U);
    EXPECT_EQ(impresora.lineas(2)[3], std::string(20, ' ') + "Fórmula de PRANDTL-COLEBROOK");
    EXPECT_EQ(impresora.descripciones().back(), "FinDocumento");
    EXPECT_TRUE(estado.listado.Imprimiendo);
    EXPECT_TRUE(mensajes.mostrados().empty());
    EXPECT_FALSE(v.Descargada());
}

// No printer, or one that fails: the engineer is told, the listing stays in the box and the
// window stays open.
TEST_F(CalculoHidraulicoTest, FalloDeImpresoraSeAvisaYLaVentanaSigue)
{
    EXPECT_TRUE(Escribe(v.txDatoOrigen, "0,001", v.btImprimeCh));
    impresora.FallaFinDocumento(ErrorPropioImpresora);
    Espera();
    pulsa(v.btImprimeCh);
    EXPECT_EQ(mensajes.mostrados(),
              std::vector<MensajeMostrado>{CajaError(
                  "No se ha podido imprimir el listado. Compruebe la impresora y vuelva a "
                  "intentarlo.")});
    EXPECT_EQ(pruebas::Lineas(v.edPantallaCh.Text()).size(), 26U);
    EXPECT_FALSE(v.Descargada());
    // The next print goes through.
    mensajes.olvida();
    pulsa(v.btImprimeCh);
    EXPECT_TRUE(mensajes.mostrados().empty());
}

// The print goes through the job that readies the chosen printer: a cancelled choice of file
// prints nothing, a failed document is dropped, calculating on screen starts no job.
TEST_F(CalculoHidraulicoTest, ImprimirPasaPorElTrabajoDeImpresion)
{
    struct Caso {
        const char *nombre;
        bool acepta;
        bool falla;
        int abortados;
        bool impreso;
        std::size_t mensajes;
    };
    const std::vector<Caso> casos = {
        {"impreso", true, false, 0, true, 0},
        {"cancelado", false, false, 0, false, 0},
        {"fallido", true, true, 1, true, 1},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        pruebas::ImpresoraGrabadora papel;
        SalidaListado salida{reloj, papel};
        pruebas::MensajesGrabadora avisos{pruebas::Guion::Estricto};
        pruebas::TrabajoFalso trabajo;
        trabajo.acepta = caso.acepta;
        CalculoHidraulico ventana{estado, avisos, salida, trabajo};
        ventana.Form_Load();
        ASSERT_TRUE(ventana.cambiaFoco(ventana.txDatoOrigen));
        ponTexto(ventana.txDatoOrigen, "0,001");
        ASSERT_TRUE(ventana.cambiaFoco(ventana.btCalculoHidraulico));
        pulsa(ventana.btCalculoHidraulico);
        EXPECT_EQ(trabajo.empezados, 0);

        if (caso.falla) {
            papel.FallaFinDocumento(ErrorPropioImpresora);
            avisos.responde(RespuestaMensaje::Aceptar);
        }
        const std::size_t antes = papel.operaciones().size();
        pulsa(ventana.btImprimeCh);
        EXPECT_EQ(trabajo.empezados, 1);
        EXPECT_EQ(trabajo.abortados, caso.abortados);
        EXPECT_EQ(papel.operaciones().size() > antes, caso.impreso);
        EXPECT_EQ(avisos.mostrados().size(), caso.mensajes);
        EXPECT_FALSE(ventana.Descargada());
    }
}

TEST_F(CalculoHidraulicoTest, CerrarDescargaLaVentana)
{
    pulsa(v.btCerrarHidraulico);
    EXPECT_TRUE(v.Descargada());
    EXPECT_TRUE(mensajes.mostrados().empty());
}

} // namespace
} // namespace dravek

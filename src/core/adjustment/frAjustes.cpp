#include "core/adjustment/frAjustes.h"

#include "core/adjustment/EleccionGuardada.h"
#include "core/adjustment/PasosCaso.h"
#include "core/engine/CalculaCasos.h"
#include "core/engine/PresionesCaso.h"
#include "core/engine/UnidadesCalculo.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/validation/FuncionesGenerales.h"
#include "core/validation/GeometriaEstandar.h"

#include <charconv>
#include <exception>
#include <filesystem>
#include <optional>
#include <system_error>

namespace dravek {

namespace {

// The window's captions and tooltips. The four steel columns (906-909) and the three sections
// (915-917) are consecutive texts, read from the first.
constexpr std::int32_t TextoTituloVentana = 900;
constexpr std::int32_t TextoArmadurasPosibles = 901;
constexpr std::int32_t TextoComprobacionArmaduras = 902;
constexpr std::int32_t TextoPresiones = 903;
constexpr std::int32_t TextoAlturas = 904;
constexpr std::int32_t TextoRecubrimientosAlternativos = 905;
constexpr std::int32_t TextoArmaduraCamisaCm2 = 906;
constexpr std::int32_t TextoResultadoCalculo = 910;
constexpr std::int32_t TextoValorMedioTanteo = 911;
constexpr std::int32_t TextoSeleccionDirecta = 912;
constexpr std::int32_t TextoArmaduraNecesaria = 913;
constexpr std::int32_t TextoArmaduraDispuesta = 914;
constexpr std::int32_t TextoSeccionClave = 915;
constexpr std::int32_t TextoAlturaM = 918;
constexpr std::int32_t TextoPresionDP = 919;
constexpr std::int32_t TextoRecubrimientoInteriorCm = 920;
constexpr std::int32_t TextoRecubrimientoExteriorCm = 921;
constexpr std::int32_t AyudaAnulaSeleccionDirecta = 945;
constexpr std::int32_t AyudaSeleccionDirecta = 946;
constexpr std::int32_t AyudaVuelveATramos = 947;
constexpr std::int32_t AyudaBajaValorMedio = 948;
constexpr std::int32_t AyudaSubeValorMedio = 949;
constexpr std::int32_t AyudaCambiaRecubrimientos = 950;
constexpr std::int32_t AyudaRecubrimientosOrigen = 951;
constexpr std::int32_t AyudaAlturaAnterior = 952;
constexpr std::int32_t AyudaAlturaSiguiente = 953;
constexpr std::int32_t AyudaPresionAnterior = 954;
constexpr std::int32_t AyudaPresionSiguiente = 955;
constexpr std::int32_t AyudaAceptaRecubrimientos = 956;
constexpr std::int32_t AyudaAnulaRecubrimientos = 957;
constexpr std::int32_t AyudaGuardar = 1083;
constexpr std::int32_t FicheroAvisoAjustes = 411;
constexpr std::int32_t TextoArmaduraExteriorCm2 = 908;
constexpr std::int32_t TextoNoHayMasAlturas = 922;
constexpr std::int32_t TextoNoHayMasPresiones = 923;
constexpr std::int32_t TextoValorMedioUltimaFila = 924;
constexpr std::int32_t TextoSeleccionUltimaFila = 925;
constexpr std::int32_t TextoArmaduraInteriorNula = 926;
constexpr std::int32_t TextoArmaduraExteriorNula = 927;
constexpr std::int32_t TextoValorMedioPrimeraFila = 928;
constexpr std::int32_t TextoSeleccionPrimeraFila = 929;
constexpr std::int32_t TextoCamisaInterior = 930;
constexpr std::int32_t TextoRefuerzoInterior = 931;
constexpr std::int32_t TextoRecubrimientoExteriorAjuste = 932;
constexpr std::int32_t TextoDiametroNoComercial = 933;
constexpr std::int32_t TextoEspesorPared = 934;
constexpr std::int32_t TextoRecubrimientoInteriorAjuste = 935;
constexpr std::int32_t TextoTraccionPuraNoPersonalizar = 1080;

constexpr const char *MascaraArmadura = "####0.00";
constexpr const char *MascaraRecubrimiento = "####0.0";

// Texts of this window beyond the captions.
constexpr std::int32_t TextoAjustesIlegibles = 1700;
constexpr std::int32_t TextoTramoFueraDeLista = 1701;
constexpr std::int32_t TextoRecubrimientosGruesos = 1702;
constexpr std::int32_t TextoDepuracionFallida = 1703;
constexpr std::int32_t TextoDirectaPendiente = 1704;
constexpr std::int32_t TextoAvisoIlegible = 1705;
constexpr std::int32_t TextoCasoAnterior = 1706;
constexpr std::int32_t TextoSinAjustes = 1707;
constexpr std::int32_t TextoArmaduraInsuficiente = 1708;
constexpr std::int32_t TextoFilaNoAdmisible = 1709;
constexpr std::int32_t TextoNoComprobable = 1560;

bool Iguales(const ArmaduraElegida &a, const ArmaduraElegida &b)
{
    return a.Camisa == b.Camisa && a.Refuerzo == b.Refuerzo && a.Exterior == b.Exterior;
}

} // namespace

frAjustes::frAjustes(EstadoObra &estado, ServiciosAjustes servicios)
    : m_estado(estado), m_s(servicios)
{
    btAnteriorAltura.Click = [this] { btAnteriorAltura_Click(); };
    btSiguienteAltura.Click = [this] { btSiguienteAltura_Click(); };
    btAnteriorPresion.Click = [this] { btAnteriorPresion_Click(); };
    btSiguientePresion.Click = [this] { btSiguientePresion_Click(); };
    btSubirValorMedio.Click = [this] { btSubirValorMedio_Click(); };
    btBajarValorMedio.Click = [this] { btBajarValorMedio_Click(); };
    btGuardar.Click = [this] { btGuardar_Click(); };
    btAceptarAjuste.Click = [this] { btAceptarAjuste_Click(); };
    btSalir.Click = [this] { btSalir_Click(); };
    btCambiarRecubrimientos.Click = [this] { btCambiarRecubrimientos_Click(); };
    btAceptarRecubrimientos.Click = [this] { btAceptarRecubrimientos_Click(); };
    btAnularRecubrimientos.Click = [this] { btAnularRecubrimientos_Click(); };
    btRecubrimientosOrigen.Click = [this] { btRecubrimientosOrigen_Click(); };
    btSeleccionDirecta.Click = [this] { btSeleccionDirecta_Click(); };
    btAnulaSeleccionDirecta.Click = [this] { btAnulaSeleccionDirecta_Click(); };
    obSeleccion.Click = [this](int Index) { obSeleccion_Click(Index); };
    txRecInterior.GotFocus = [this] { txRecInterior_GotFocus(); };
    txRecExterior.GotFocus = [this] { txRecExterior_GotFocus(); };
    txRecInterior.Validate = [this](bool &Cancel) { txRecInterior_Validate(Cancel); };
    txRecExterior.Validate = [this](bool &Cancel) { txRecExterior_Validate(Cancel); };
    for (int i = 0; i <= FilaDirecta; ++i) {
        txArmCamisa[i].GotFocus = [this, i] { txArmCamisa_GotFocus(i); };
        txArmRefuerzo[i].GotFocus = [this, i] { txArmRefuerzo_GotFocus(i); };
        txArmExterior[i].GotFocus = [this, i] { txArmExterior_GotFocus(i); };
        txArmCamisa[i].Validate = [this, i](bool &Cancel) { txArmCamisa_Validate(i, Cancel); };
        txArmRefuerzo[i].Validate = [this, i](bool &Cancel) { txArmRefuerzo_Validate(i, Cancel); };
        txArmExterior[i].Validate = [this, i](bool &Cancel) { txArmExterior_Validate(i, Cancel); };
        // Only row 8 is ever typed in, and only while a direct selection is open or accepted.
        for (CajaTexto *caja : {&txArmCamisa[i], &txArmRefuerzo[i], &txArmExterior[i]}) {
            caja->Enabled = false;
            caja->Locked = true;
        }
        txArmTotal[i].Enabled = false;
        txArmTotal[i].Locked = true;
    }
    // The table rows carry no reinforcing steel.
    for (int i = 1; i <= 7; ++i) {
        txArmRefuerzo[i].Visible = false;
    }
    for (CajaTexto *caja : {&txAltura, &txPresion, &edAvisoCaldera, &tbAviso}) {
        caja->Enabled = false;
        caja->Locked = true;
    }
    for (int i = 0; i < 3; ++i) {
        txArmDispuesta[i].Enabled = false;
        txArmNecesaria[i].Enabled = false;
        imAlerta[i].Visible = false;
    }
    tbHRaCalcular.Visible = false;
    tbPRSaCalcular.Visible = false;
    txRecInterior.Enabled = false;
    txRecExterior.Enabled = false;
    tbAviso.Visible = false;
    edAvisoCaldera.Visible = false;
}

std::string frAjustes::T(std::int32_t n) const
{
    return Texto(m_estado.ejecucion.DesplazamientoIdioma, n);
}

std::string frAjustes::Formatea(double valor, const char *mascara) const
{
    return FormateaMascara(valor, mascara, m_estado.ejecucion.SeparadorDecimalLocal);
}

double frAjustes::Lee(const CajaTexto &caja) const
{
    return TextoANumero(m_estado.ejecucion, caja.Text()).value_or(0.0);
}

void frAjustes::Aviso(std::int32_t texto, IconoMensaje icono)
{
    m_s.mensajes.Muestra(T(texto), BotonesMensaje::Aceptar, icono, T(TextoAvisoTitulo));
}

void frAjustes::Muestra(Boton &boton, bool mostrado)
{
    boton.Visible = mostrado;
    boton.Enabled = mostrado;
}

RecubrimientosComprobacion frAjustes::Recubrimientos() const
{
    if (UsaRecubrimientosAlternativos) {
        return {RecubrimientoInteriorAlternativo, RecubrimientoExteriorAlternativo};
    }
    return {m_estado.calculo.RecubrimientoInteriorTramo,
            m_estado.calculo.RecubrimientoExteriorTramo};
}

void frAjustes::Form_Load()
{
    const std::string &unidades = m_estado.ejecucion.SistemaUnidades;
    Caption = T(TextoTituloVentana);
    frArmDisponibles.Caption = T(TextoArmadurasPosibles);
    Frame1.Caption = T(TextoComprobacionArmaduras);
    Frame2.Caption = T(TextoPresiones);
    Frame3.Caption = T(TextoAlturas);
    frrecubrimientos.Caption = T(TextoRecubrimientosAlternativos);
    for (int i = 0; i < 4; ++i) {
        lbArmadura(i).Caption = T(TextoArmaduraCamisaCm2 + i);
    }
    obSeleccion[0].Caption = T(TextoResultadoCalculo);
    for (int i = 1; i <= 7; ++i) {
        obSeleccion[i].Caption = T(TextoValorMedioTanteo);
    }
    obSeleccion[FilaDirecta].Caption = T(TextoSeleccionDirecta);
    lbArmadura(6).Caption = T(TextoArmaduraNecesaria);
    lbArmadura(7).Caption = T(TextoArmaduraDispuesta);
    for (int i = 0; i < 3; ++i) {
        lbPosicion(i).Caption = T(TextoSeccionClave + i);
    }
    Label1.Caption = T(TextoAlturaM);
    Label2.Caption = T(TextoPresionDP) + (unidades == "SI" ? " (MPa)" : " (at)");
    lbArmadura(4).Caption = T(TextoRecubrimientoInteriorCm);
    lbArmadura(5).Caption = T(TextoRecubrimientoExteriorCm);
    ponTexto(edAvisoCaldera, T(TextoTraccionPuraNoPersonalizar));

    btAnulaSeleccionDirecta.ToolTipText = T(AyudaAnulaSeleccionDirecta);
    btSeleccionDirecta.ToolTipText = T(AyudaSeleccionDirecta);
    btAceptarAjuste.ToolTipText = T(AyudaVuelveATramos);
    btSalir.ToolTipText = T(AyudaVuelveATramos);
    btGuardar.ToolTipText = T(AyudaGuardar);
    btBajarValorMedio.ToolTipText = T(AyudaBajaValorMedio);
    btSubirValorMedio.ToolTipText = T(AyudaSubeValorMedio);
    btCambiarRecubrimientos.ToolTipText = T(AyudaCambiaRecubrimientos);
    btRecubrimientosOrigen.ToolTipText = T(AyudaRecubrimientosOrigen);
    btAnteriorAltura.ToolTipText = T(AyudaAlturaAnterior);
    btSiguienteAltura.ToolTipText = T(AyudaAlturaSiguiente);
    btAnteriorPresion.ToolTipText = T(AyudaPresionAnterior);
    btSiguientePresion.ToolTipText = T(AyudaPresionSiguiente);
    btAceptarRecubrimientos.ToolTipText = T(AyudaAceptaRecubrimientos);
    btAnularRecubrimientos.ToolTipText = T(AyudaAnulaRecubrimientos);

    // Without its store the window has nothing to keep a choice in: it does not open.
    AjustesGuardados *ajustes = m_s.obra.Ajustes();
    if (ajustes == nullptr) {
        // A refusal has been told where it arose.
        if (!m_s.obra.AjustesRehusados()) {
            m_s.mensajes.Muestra(T(TextoSinAjustes), BotonesMensaje::Aceptar,
                                 IconoMensaje::Exclamacion, T(TextoAvisoTitulo));
        }
        m_descargada = true;
        return;
    }
    // A run number no run has reads the whole file and matches nothing.
    if (ajustes->BuscaAjusteGuardado(-1, -1, -1) == AjustesIlegibles) {
        m_s.mensajes.Muestra(T(TextoAjustesIlegibles) + " " + ajustes->NombreFicheroAjustes(),
                             BotonesMensaje::Aceptar, IconoMensaje::Exclamacion,
                             T(TextoAvisoTitulo));
        m_descargada = true;
        return;
    }

    // The notice is optional: a missing one shows nothing, a damaged one is told.
    tbAviso.Visible = false;
    const std::string aviso = m_estado.ejecucion.RutaAplicacion + T(FicheroAvisoAjustes);
    std::error_code error;
    if (std::filesystem::exists(aviso, error)) {
        if (const std::optional<DocumentoRico> documento = LeeFicheroTextoRico(aviso)) {
            m_aviso = *documento;
            ponTexto(tbAviso, m_aviso.TextoPlano());
        } else {
            m_s.mensajes.Muestra(T(TextoAvisoIlegible) + " " + aviso, BotonesMensaje::Aceptar,
                                 IconoMensaje::Exclamacion, T(TextoAvisoTitulo));
        }
    }

    RangoAlturas(m_estado);
    PreparaLeyMDP(m_estado);
    HRaCalcular = m_estado.calculo.AlturaInicial;
    PRSaCalcular = m_estado.calculo.DPInicialLey;
    if (unidades == "SI") {
        PRSaCalcular *= FactorTensiones;
    }
    if (!CalculaunTramoEspecifico()) {
        m_descargada = true;
        return;
    }
    m_abierta = true;
}

bool frAjustes::CalculaunTramoEspecifico()
{
    const bool habiaCaso = m_abierta;
    const auto falla = [&] {
        if (habiaCaso) {
            m_estado.caso = m_mostrado.caso;
            m_estado.calculo = m_mostrado.calculo;
            m_estado.resultados = m_mostrado.resultados;
            HRaCalcular = m_mostrado.H;
            PRSaCalcular = m_mostrado.P;
            ponTexto(tbHRaCalcular,
                     NumeroSimple(HRaCalcular, m_estado.ejecucion.SeparadorDecimalLocal));
            ponTexto(tbPRSaCalcular,
                     NumeroSimple(PRSaCalcular, m_estado.ejecucion.SeparadorDecimalLocal));
            Aviso(TextoCasoAnterior, IconoMensaje::Exclamacion);
        }
        m_ajustesCaso = nullptr;
        return false;
    };

    ponTexto(tbHRaCalcular, NumeroSimple(HRaCalcular, m_estado.ejecucion.SeparadorDecimalLocal));
    ponTexto(tbPRSaCalcular, NumeroSimple(PRSaCalcular, m_estado.ejecucion.SeparadorDecimalLocal));
    m_estado.listado.Imprimiendo = false;
    m_estado.listado.NumeroPagina = 0;

    // The run is reloaded by its place in the list, which its number need not be.
    const std::int16_t tramo = m_estado.tramo.TramoActual;
    const int posicion = m_s.obra.PosicionTramo(tramo);
    if (posicion < 1) {
        m_s.mensajes.Muestra(T(TextoTramoFueraDeLista) + " " + std::to_string(tramo),
                             BotonesMensaje::Aceptar, IconoMensaje::Exclamacion,
                             T(TextoAvisoTitulo));
        return falla();
    }
    if (!m_s.obra.CargaTramo(posicion)) {
        return falla();
    }
    m_estado.tramo.TramoActual = tramo;
    m_estado.ejecucion.DatosModificados = false;
    if (!m_s.obra.ValidaDatosTramo()) {
        return falla();
    }
    m_estado.obra.TIGEN = m_s.obra.TituloObra();
    m_estado.tramo.ITIT = m_s.obra.DescripcionTramo();
    m_ajustesCaso = m_s.obra.Ajustes();
    if (m_ajustesCaso == nullptr) {
        m_s.mensajes.Muestra(T(TextoSinAjustes), BotonesMensaje::Aceptar,
                             IconoMensaje::Exclamacion, T(TextoAvisoTitulo));
        return falla();
    }

    GuardaUnidadesCalculo enUnidadesCalculo(m_estado);
    ErrorCalculo error;
    try {
        ContextoCalculo contexto{m_estado, m_s.salida, m_s.depuracion, m_s.diseno, m_ajustesCaso};
        std::int32_t caso = 1;
        error = CalculaCasos(contexto, caso, HRaCalcular, PRSaCalcular);
    } catch (const std::exception &e) {
        error = ErrorCalculo::Con(T(TextoErrorInesperado) + " " + e.what());
    }
    if (error) {
        m_s.mensajes.Muestra(error.mensaje, BotonesMensaje::Aceptar, IconoMensaje::Exclamacion,
                             "");
        return falla();
    }
    m_estado.caso.AlturaActual = HRaCalcular;

    UsaRecubrimientosAlternativos = false;
    MuestraRecubrimientosTramo();
    edAvisoCaldera.Visible = m_estado.resultados.HipotesisPesima == 1;
    FilaValorMedio = 4;
    FilaSeleccionada = 0;
    RecuperaAjusteGuardado = true;
    m_modo = Modo::Normal;
    CargaDatosIni();
    m_ajustesCaso = nullptr;
    m_mostrado = {HRaCalcular, PRSaCalcular, m_estado.caso, m_estado.calculo, m_estado.resultados};
    return true;
}

void frAjustes::MuestraRecubrimientosTramo()
{
    ponTexto(txRecInterior,
             Formatea(m_estado.calculo.RecubrimientoInteriorTramo, MascaraRecubrimiento));
    ponTexto(txRecExterior,
             Formatea(m_estado.calculo.RecubrimientoExteriorTramo, MascaraRecubrimiento));
}

void frAjustes::CargaDatosIni()
{
    const bool primera = RecuperaAjusteGuardado;
    const double DP = m_estado.caso.DP;
    ponTexto(txPresion,
             Formatea(m_estado.ejecucion.SistemaUnidades == "SI" ? DP / FactorTensiones : DP,
                      MascaraArmadura));
    ponTexto(txAltura, Formatea(m_estado.caso.AlturaActual, MascaraArmadura));

    m_filas = CalculaFilasTanteo(m_estado, Recubrimientos(), FilaValorMedio);
    for (int i = 1; i <= 7; ++i) {
        const auto f = static_cast<std::size_t>(i);
        obSeleccion[i].Caption = m_filas.EsTanteo[f] ? T(TextoValorMedioTanteo) : std::string(" ");
        ponTexto(txArmCamisa[i], Formatea(m_filas.V[f], MascaraArmadura));
        ponTexto(txArmExterior[i], Formatea(m_filas.E[f], MascaraArmadura));
        ponTexto(txArmTotal[i], Formatea(m_filas.V[f] + m_filas.E[f], MascaraArmadura));
    }

    const ResultadosCaso &r = m_estado.resultados;
    if (r.HipotesisPesima == 1) {
        const auto &h1 = r.ResultadosHipotesis[1];
        ponTexto(txArmCamisa[0], Formatea(h1[1], MascaraArmadura));
        ponTexto(txArmRefuerzo[0], "0");
        ponTexto(txArmExterior[0], Formatea(h1[2], MascaraArmadura));
        ponTexto(txArmTotal[0], Formatea(h1[3], MascaraArmadura));
    } else {
        ponTexto(txArmCamisa[0], Formatea(r.ArmaduraCalculadaCamisa, MascaraArmadura));
        ponTexto(txArmRefuerzo[0], Formatea(r.ArmaduraCalculadaRefuerzo, MascaraArmadura));
        ponTexto(txArmExterior[0], Formatea(r.ArmaduraCalculadaExterior, MascaraArmadura));
        ponTexto(txArmTotal[0], Formatea(r.ArmaduraCalculadaCamisa + r.ArmaduraCalculadaRefuerzo +
                                             r.ArmaduraCalculadaExterior,
                                         MascaraArmadura));
    }

    if (primera) {
        FilaSeleccionada = 0;
        SeleccionDirectaActiva = false;
        ArmaduraDirecta = {};
        if (m_ajustesCaso != nullptr) {
            const std::int16_t k = m_ajustesCaso->BuscaAjusteGuardado(
                DP, m_estado.tramo.TramoActual, m_estado.caso.AlturaActual);
            const std::optional<AjusteGuardado> guardado =
                k > 0 ? m_ajustesCaso->LeeAjusteGuardado(k) : std::nullopt;
            if (guardado) {
                const EleccionRestaurada e =
                    RecuperaEleccion(m_estado.ejecucion, *guardado, m_filas);
                FilaSeleccionada = e.FilaSeleccionada;
                SeleccionDirectaActiva = e.SeleccionDirectaActiva;
                if (e.SeleccionDirectaActiva) {
                    ArmaduraElegidaActual = e.Directa;
                }
            }
        }
    }
    UbicaEleccion();
    RecuperaAjusteGuardado = false;
    PonModo(Modo::Normal);
    Comprueba();
}

void frAjustes::CargaDatosIniEnUniCalc()
{
    GuardaUnidadesCalculo enUnidadesCalculo(m_estado);
    CargaDatosIni();
}

// The choice is selected again where it is held: row 8 for a direct selection, else row
// FilaSeleccionada, whose areas are now the chosen ones.
void frAjustes::UbicaEleccion()
{
    if (SeleccionDirectaActiva) {
        ArmaduraDirecta = ArmaduraElegidaActual;
        MuestraDirecta(ArmaduraDirecta);
        SeleccionaPorCodigo(FilaDirecta);
        return;
    }
    ArmaduraDirecta = {};
    MuestraDirecta(ArmaduraDirecta);
    SeleccionaPorCodigo(FilaSeleccionada);
    LeeFila(FilaSeleccionada);
}

void frAjustes::SeleccionaPorCodigo(int fila)
{
    m_porCodigo = true;
    ponValor(obSeleccion, fila, true);
    m_porCodigo = false;
}

void frAjustes::LeeFila(int fila)
{
    ArmaduraElegidaActual.Camisa = Lee(txArmCamisa[fila]);
    ArmaduraElegidaActual.Refuerzo = fila == 0 ? Lee(txArmRefuerzo[0]) : 0.0;
    ArmaduraElegidaActual.Exterior = Lee(txArmExterior[fila]);
}

void frAjustes::MuestraDirecta(const ArmaduraElegida &valores)
{
    ponTexto(txArmCamisa[FilaDirecta], Formatea(valores.Camisa, MascaraArmadura));
    ponTexto(txArmRefuerzo[FilaDirecta], Formatea(valores.Refuerzo, MascaraArmadura));
    ponTexto(txArmExterior[FilaDirecta], Formatea(valores.Exterior, MascaraArmadura));
    ponTexto(txArmTotal[FilaDirecta],
             Formatea(valores.Camisa + valores.Refuerzo + valores.Exterior, MascaraArmadura));
}

void frAjustes::PonModo(Modo modo)
{
    m_modo = modo;
    const bool normal = modo == Modo::Normal;
    for (int i = 0; i < FilaDirecta; ++i) {
        obSeleccion[i].Enabled =
            normal && (i == 0 || m_filas.Admisible[static_cast<std::size_t>(i)]);
    }
    obSeleccion[FilaDirecta].Enabled = modo != Modo::Recubrimientos;
    const bool directa = modo == Modo::DirectaAbierta || (normal && SeleccionDirectaActiva);
    for (CajaTexto *caja :
         {&txArmCamisa[FilaDirecta], &txArmRefuerzo[FilaDirecta], &txArmExterior[FilaDirecta]}) {
        caja->Enabled = directa;
        caja->Locked = !directa;
    }
    for (Boton *boton :
         {&btSalir, &btGuardar, &btAnteriorPresion, &btSiguientePresion, &btSubirValorMedio,
          &btBajarValorMedio, &btCambiarRecubrimientos, &btRecubrimientosOrigen}) {
        Muestra(*boton, normal);
    }
    const bool alturas = normal && m_estado.calculo.AlturaInicial < m_estado.calculo.AlturaFinal;
    Muestra(btAnteriorAltura, alturas);
    Muestra(btSiguienteAltura, alturas);
    Muestra(btSeleccionDirecta, directa);
    Muestra(btAnulaSeleccionDirecta, directa);
    const bool recubrimientos = modo == Modo::Recubrimientos;
    Muestra(btAceptarRecubrimientos, recubrimientos);
    Muestra(btAnularRecubrimientos, recubrimientos);
    tbAviso.Visible = recubrimientos;
    txRecInterior.Enabled = recubrimientos;
    txRecExterior.Enabled = recubrimientos;
    Muestra(btAceptarAjuste, true);
}

void frAjustes::Comprueba()
{
    {
        GuardaUnidadesCalculo enUnidadesCalculo(m_estado);
        m_comprobacion = Calculo_Arm_Necesaria(m_estado, ArmaduraElegidaActual, Recubrimientos(),
                                               m_s.comprobacion);
    }
    for (int i = 0; i < 3; ++i) {
        const FilaComprobacion &fila = m_comprobacion.filas[static_cast<std::size_t>(i)];
        lbPosicion(i).Caption = fila.Posicion;
        ponTexto(txArmDispuesta[i], fila.Dispuesta);
        ponTexto(txArmNecesaria[i], fila.Necesaria);
        imAlerta[i].Visible = fila.Alerta;
        // The warning says what it warns of: too little steel, or a section without a value.
        imAlerta[i].ToolTipText =
            fila.Comprobable ? T(TextoArmaduraInsuficiente) : T(TextoNoComprobable);
    }
    // Told once: every check would fail the same way.
    if (m_comprobacion.DepuracionFallida && !m_depuracionAvisada) {
        m_depuracionAvisada = true;
        m_s.mensajes.Muestra(
            T(TextoDepuracionFallida) + " " + std::string(NombreFicheroDepuracionAjuste),
            BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, T(TextoAvisoTitulo));
    }
}

void frAjustes::btAnteriorAltura_Click()
{
    PasaAltura(false);
}

void frAjustes::btSiguienteAltura_Click()
{
    PasaAltura(true);
}

void frAjustes::PasaAltura(bool siguiente)
{
    const std::optional<double> H =
        PasoAltura(Lee(tbHRaCalcular), m_estado.tramo.IncrementoAltura,
                   m_estado.calculo.AlturaInicial, m_estado.calculo.AlturaFinal, siguiente);
    if (!H) {
        Aviso(TextoNoHayMasAlturas, IconoMensaje::Exclamacion);
        return;
    }
    m_estado.caso.AlturaActual = *H;
    UsaRecubrimientosAlternativos = false;
    RangoAlturas(m_estado);
    PreparaLeyMDP(m_estado);
    m_estado.caso.AlturaActual = *H;
    const double P = Lee(tbPRSaCalcular);
    HRaCalcular = *H;
    PRSaCalcular = P;
    CalculaunTramoEspecifico();
}

void frAjustes::btAnteriorPresion_Click()
{
    PasaPresion(false);
}

void frAjustes::btSiguientePresion_Click()
{
    PasaPresion(true);
}

void frAjustes::PasaPresion(bool siguiente)
{
    const double H = Lee(tbHRaCalcular);
    const double P = Lee(tbPRSaCalcular);
    PreparaLeyMDP(m_estado);
    // A law without slope gives a step of 0, which is refused like the end of the range.
    const double s = IncrementoPresionVentana(m_estado);
    double b = siguiente ? m_estado.calculo.DPFinalLey : m_estado.calculo.DPInicialLey;
    if (m_estado.ejecucion.SistemaUnidades == "SI") {
        b *= FactorTensiones;
    }
    const std::optional<double> nueva = PasoPresion(P, s, b, siguiente);
    if (!nueva) {
        Aviso(TextoNoHayMasPresiones, IconoMensaje::Exclamacion);
        return;
    }
    m_estado.calculo.IncrementoPresion = s;
    m_estado.caso.AlturaActual = H;
    m_estado.caso.DP = *nueva;
    m_estado.calculo.PresionCaso = *nueva;
    UsaRecubrimientosAlternativos = false;
    RangoAlturas(m_estado);
    PreparaLeyMDP(m_estado);
    m_estado.caso.AlturaActual = H;
    PRSaCalcular = *nueva;
    HRaCalcular = H;
    CalculaunTramoEspecifico();
}

void frAjustes::btBajarValorMedio_Click()
{
    MueveValorMedio(1);
}

void frAjustes::btSubirValorMedio_Click()
{
    MueveValorMedio(-1);
}

void frAjustes::MueveValorMedio(int paso)
{
    const int borde = paso > 0 ? 7 : 1;
    if (FilaValorMedio == borde) {
        Aviso(paso > 0 ? TextoValorMedioUltimaFila : TextoValorMedioPrimeraFila,
              IconoMensaje::Critico);
        return;
    }
    if (FilaSeleccionada == borde) {
        Aviso(paso > 0 ? TextoSeleccionUltimaFila : TextoSeleccionPrimeraFila,
              IconoMensaje::Critico);
        return;
    }
    obSeleccion[FilaValorMedio].Caption.clear();
    FilaValorMedio = static_cast<std::int16_t>(FilaValorMedio + paso);
    obSeleccion[FilaValorMedio].Caption = T(TextoValorMedioTanteo);
    if (FilaSeleccionada != 0) {
        FilaSeleccionada = static_cast<std::int16_t>(FilaSeleccionada + paso);
    }
    CargaDatosIniEnUniCalc();
}

bool frAjustes::GrabaUnTramoPresion()
{
    const bool eleccion = FilaSeleccionada > 0 || SeleccionDirectaActiva;
    // A row chosen under other covers may lie outside what the run's covers admit: it shows no
    // interior steel then, and the design would be told to use none.
    if (eleccion && !SeleccionDirectaActiva &&
        !m_filas.Admisible[static_cast<std::size_t>(FilaSeleccionada)]) {
        Aviso(TextoFilaNoAdmisible, IconoMensaje::Exclamacion);
        return false;
    }
    std::optional<AjusteGuardado> guardado;
    if (eleccion) {
        // A table row needs no exterior steel when no section asks for it; typed values passed
        // their own tests when they were accepted.
        const ArmaduraElegida &a = ArmaduraElegidaActual;
        guardado = AjusteGuardado{a.Camisa, a.Refuerzo, a.Exterior};
    }
    return m_s.obra.GrabaUnTramoPresion(m_estado.caso.DP, m_estado.tramo.TramoActual, HRaCalcular,
                                        guardado);
}

bool frAjustes::RehaceYGraba(bool graba)
{
    DatosTramo &t = m_estado.tramo;
    const DatosCalculo &c = m_estado.calculo;
    t.Delca = c.EspesorCamisaTramo;
    t.ESP = c.EspesorTramo;
    t.RECI = c.RecubrimientoInteriorTramo;
    t.RECE = c.RecubrimientoExteriorTramo;
    t.vICUNA = c.TipoCunaTramo;
    UsaRecubrimientosAlternativos = false;
    MuestraRecubrimientosTramo();
    GuardaUnidadesCalculo enUnidadesCalculo(m_estado);
    CargaDatosIni();
    return !graba || GrabaUnTramoPresion();
}

void frAjustes::btGuardar_Click()
{
    if (m_modo == Modo::DirectaAbierta ||
        (SeleccionDirectaActiva && !Iguales(ArmaduraDirecta, ArmaduraElegidaActual))) {
        Aviso(TextoDirectaPendiente, IconoMensaje::Exclamacion);
        return;
    }
    RehaceYGraba(true);
}

void frAjustes::btAceptarAjuste_Click()
{
    // Values typed and not accepted are neither stored nor dropped behind the engineer's back.
    if (m_modo == Modo::DirectaAbierta ||
        (SeleccionDirectaActiva && !Iguales(ArmaduraDirecta, ArmaduraElegidaActual))) {
        Aviso(TextoDirectaPendiente, IconoMensaje::Exclamacion);
        return;
    }
    if (!RehaceYGraba(true)) {
        return;
    }
    Cierra();
}

void frAjustes::btSalir_Click()
{
    RehaceYGraba(false);
    Cierra();
}

void frAjustes::Form_QueryUnload()
{
    if (!m_descargada) {
        btSalir_Click();
    }
}

void frAjustes::Cierra()
{
    m_descargada = true;
}

void frAjustes::btCambiarRecubrimientos_Click()
{
    // Editing starts from the covers in force, which the boxes show.
    const RecubrimientosComprobacion enUso = Recubrimientos();
    RecubrimientoInteriorAlternativo = enUso.Interior;
    RecubrimientoExteriorAlternativo = enUso.Exterior;
    PonModo(Modo::Recubrimientos);
}

void frAjustes::btAceptarRecubrimientos_Click()
{
    TerminaRecubrimientos(true);
}

void frAjustes::btAnularRecubrimientos_Click()
{
    TerminaRecubrimientos(false);
}

void frAjustes::TerminaRecubrimientos(bool acepta)
{
    if (acepta &&
        !RecubrimientosCaben(RecubrimientoInteriorAlternativo, RecubrimientoExteriorAlternativo,
                             m_estado.calculo.EspesorTramo)) {
        Aviso(TextoRecubrimientosGruesos, IconoMensaje::Exclamacion);
        return;
    }
    UsaRecubrimientosAlternativos = acepta;
    // What the boxes show is what the check uses.
    const RecubrimientosComprobacion enUso = Recubrimientos();
    ponTexto(txRecInterior, Formatea(enUso.Interior, MascaraRecubrimiento));
    ponTexto(txRecExterior, Formatea(enUso.Exterior, MascaraRecubrimiento));
    PonModo(Modo::Normal);
    CargaDatosIniEnUniCalc();
}

void frAjustes::btRecubrimientosOrigen_Click()
{
    UsaRecubrimientosAlternativos = false;
    MuestraRecubrimientosTramo();
    CargaDatosIniEnUniCalc();
}

void frAjustes::txRecInterior_GotFocus()
{
    m_seleccion = &txRecInterior;
}

void frAjustes::txRecExterior_GotFocus()
{
    m_seleccion = &txRecExterior;
}

bool frAjustes::ValidaRecubrimiento(CajaTexto &caja, double &valor, std::int32_t titulo,
                                    bool exterior)
{
    const EstadoEjecucion &e = m_estado.ejecucion;
    const DatosTramo &t = m_estado.tramo;
    const std::string texto = caja.Text();
    if (t.DiametroComercial == Falso &&
        !ValidaNumero(e, m_s.mensajes, 0.001, texto, valor, T(titulo))) {
        return false;
    }
    if (!ValidaNumero(e, m_s.mensajes, 0, texto, valor, T(titulo))) {
        return false;
    }
    if (valor < 0.001) {
        // A commercial diameter takes the standard cover of its typology.
        double ESP = t.ESP;
        double interior = RecubrimientoInteriorAlternativo;
        double exteriorTabla = RecubrimientoExteriorAlternativo;
        const ResultadoGeometria r = BuscaGeometriaRecomendada(
            m_estado.tablas, e, m_s.mensajes, ESP, interior, exteriorTabla, t.Tipologia, t.vDi,
            exterior ? ModoGeometria::RecubrimientoExterior
                     : ModoGeometria::RecubrimientoInterior);
        if (r != ResultadoGeometria::Encontrado) {
            m_s.mensajes.Muestra(T(TextoDiametroNoComercial), BotonesMensaje::Aceptar,
                                 IconoMensaje::Ninguno, T(TextoEspesorPared));
            return false;
        }
        valor = exterior ? exteriorTabla : interior;
    }
    return true;
}

void frAjustes::txRecExterior_Validate(bool &Cancel)
{
    if (!ValidaRecubrimiento(txRecExterior, RecubrimientoExteriorAlternativo,
                             TextoRecubrimientoExteriorAjuste, true)) {
        Cancel = true;
        m_seleccion = &txRecExterior;
        return;
    }
    if (m_estado.tramo.Tipologia == 2221) {
        RecubrimientoInteriorAlternativo = m_estado.tramo.ESP - RecubrimientoExteriorAlternativo;
        ponTexto(txRecInterior, Formatea(RecubrimientoInteriorAlternativo, "#####0.0"));
    }
    ponTexto(txRecExterior, Formatea(RecubrimientoExteriorAlternativo, "#####0.0"));
}

void frAjustes::txRecInterior_Validate(bool &Cancel)
{
    if (!ValidaRecubrimiento(txRecInterior, RecubrimientoInteriorAlternativo,
                             TextoRecubrimientoInteriorAjuste, false)) {
        Cancel = true;
        m_seleccion = &txRecInterior;
        return;
    }
    ponTexto(txRecInterior, Formatea(RecubrimientoInteriorAlternativo, "#####0.0"));
}

void frAjustes::obSeleccion_Click(int Index)
{
    if (m_porCodigo) {
        return;
    }
    if (Index == FilaDirecta) {
        PonModo(Modo::DirectaAbierta);
        return;
    }
    EligeFila(Index);
}

void frAjustes::EligeFila(int fila)
{
    LeeFila(fila);
    ArmaduraDirecta = {};
    SeleccionDirectaActiva = false;
    MuestraDirecta(ArmaduraDirecta);
    FilaSeleccionada = static_cast<std::int16_t>(fila);
    PonModo(Modo::Normal);
    Comprueba();
}

void frAjustes::btSeleccionDirecta_Click()
{
    if (ArmaduraDirecta.Camisa == 0 && ArmaduraDirecta.Refuerzo == 0) {
        Aviso(TextoArmaduraInteriorNula, IconoMensaje::Exclamacion);
        return;
    }
    if (ArmaduraDirecta.Exterior == 0) {
        Aviso(TextoArmaduraExteriorNula, IconoMensaje::Exclamacion);
        return;
    }
    ArmaduraElegidaActual = ArmaduraDirecta;
    SeleccionDirectaActiva = true;
    MuestraDirecta(ArmaduraDirecta);
    PonModo(Modo::Normal);
    Comprueba();
}

void frAjustes::btAnulaSeleccionDirecta_Click()
{
    // The row chosen before, held by its index, even when the rows now in force do not offer
    // it (its option is enabled for it): the ways out store it only if the run's covers do.
    const int fila = FilaSeleccionada;
    SeleccionaPorCodigo(fila);
    EligeFila(fila);
    obSeleccion[fila].Enabled = true;
}

void frAjustes::txArmCamisa_GotFocus(int Index)
{
    if (Index == FilaDirecta) {
        m_seleccion = &txArmCamisa[Index];
    }
}

void frAjustes::txArmRefuerzo_GotFocus(int Index)
{
    if (Index == FilaDirecta) {
        m_seleccion = &txArmRefuerzo[Index];
    }
}

void frAjustes::txArmExterior_GotFocus(int Index)
{
    if (Index == FilaDirecta) {
        m_seleccion = &txArmExterior[Index];
    }
}

void frAjustes::ValidaDirecta(int Index, CajaTexto &caja, double &valor, const std::string &titulo,
                              bool &Cancel)
{
    if (Index != FilaDirecta) {
        return;
    }
    if (!ValidaNumero(m_estado.ejecucion, m_s.mensajes, 0, caja.Text(), valor, titulo)) {
        valor = 0;
        ponTexto(caja, Formatea(valor, MascaraArmadura));
        Cancel = true;
        m_seleccion = &caja;
    }
}

void frAjustes::txArmCamisa_Validate(int Index, bool &Cancel)
{
    ValidaDirecta(Index, txArmCamisa[Index], ArmaduraDirecta.Camisa, T(TextoCamisaInterior),
                  Cancel);
}

void frAjustes::txArmRefuerzo_Validate(int Index, bool &Cancel)
{
    ValidaDirecta(Index, txArmRefuerzo[Index], ArmaduraDirecta.Refuerzo, T(TextoRefuerzoInterior),
                  Cancel);
}

void frAjustes::txArmExterior_Validate(int Index, bool &Cancel)
{
    // The table has no caption for the exterior box: its column head names it.
    ValidaDirecta(Index, txArmExterior[Index], ArmaduraDirecta.Exterior,
                  Recorta(T(TextoArmaduraExteriorCm2)), Cancel);
}

} // namespace dravek

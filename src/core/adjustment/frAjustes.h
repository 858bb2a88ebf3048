#pragma once

// Logic of the reinforcement adjustment window: one case (fill height, design pressure) of a
// reinforced-concrete run at a time, recalculated from the stored run; the design's result, the
// entries of the table of areas around a trial value and a row typed by hand; the check of the
// chosen reinforcement at crown, haunch and invert; alternative covers to test; and the store of
// the case's choice in the adjustments file, which the design applies from then on.
//
// A chosen table row is held by its index: a refill of the rows (another trial row, other
// covers) keeps the row, and the chosen areas follow what the row shows then. Every way out
// refills the rows with the run's own covers before it stores, so a row is stored with the
// areas the check verified for the run; only an accepted direct selection stores typed values.

#include "core/adjustment/ArmaduraNecesaria.h"
#include "core/adjustment/DepuracionAjuste.h"
#include "core/adjustment/FilasArmadura.h"
#include "core/adjustment/ObraAjustes.h"
#include "core/engine/ContextoCalculo.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/listing/TextoRico.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Controles.h"
#include "core/plataforma/Mensajes.h"
#include "core/plataforma/VentanaLogica.h"

#include <cstdint>
#include <string>

namespace dravek {

struct ServiciosAjustes {
    Mensajes &mensajes;
    ObraAjustes &obra;
    SalidaListado &salida;          // the hidden screen listing the recalculations write to
    DepuracionCalculo &depuracion;  // the calculation's debug file
    DisenoCaso &diseno;             // the designs of a case
    DepuracionAjuste &comprobacion; // the check's debug file
};

class frAjustes : public VentanaLogica {
public:
    // All must outlive the window. The run to adjust is TramoActual.
    frAjustes(EstadoObra &estado, ServiciosAjustes servicios);

    static constexpr int FilaDirecta = 8;

    Marco Frame3{*this, "Frame3"};
    Etiqueta Label1{*this, "Label1"};
    CajaTexto txAltura{*this, "txAltura"};
    Boton btAnteriorAltura{*this, "btAnteriorAltura"};
    Boton btSiguienteAltura{*this, "btSiguienteAltura"};
    Marco Frame2{*this, "Frame2"};
    Etiqueta Label2{*this, "Label2"};
    CajaTexto txPresion{*this, "txPresion"};
    Boton btAnteriorPresion{*this, "btAnteriorPresion"};
    Boton btSiguientePresion{*this, "btSiguientePresion"};

    Marco frArmDisponibles{*this, "frArmDisponibles"};
    MatrizEtiquetas lbArmadura{*this, "lbArmadura"};
    GrupoOpciones obSeleccion{*this, "obSeleccion", 9};
    MatrizControles<CajaTexto> txArmCamisa{*this, "txArmCamisa", 9};
    MatrizControles<CajaTexto> txArmRefuerzo{*this, "txArmRefuerzo", 9};
    MatrizControles<CajaTexto> txArmExterior{*this, "txArmExterior", 9};
    MatrizControles<CajaTexto> txArmTotal{*this, "txArmTotal", 9};
    Boton btSubirValorMedio{*this, "btSubirValorMedio"};
    Boton btBajarValorMedio{*this, "btBajarValorMedio"};
    Boton btSeleccionDirecta{*this, "btSeleccionDirecta"};
    Boton btAnulaSeleccionDirecta{*this, "btAnulaSeleccionDirecta"};

    Marco Frame1{*this, "Frame1"};
    MatrizEtiquetas lbPosicion{*this, "lbPosicion"};
    MatrizControles<CajaTexto> txArmDispuesta{*this, "txArmDispuesta", 3};
    MatrizControles<CajaTexto> txArmNecesaria{*this, "txArmNecesaria", 3};
    MatrizControles<Imagen> imAlerta{*this, "imAlerta", 3};

    Marco frrecubrimientos{*this, "frrecubrimientos"};
    CajaTexto txRecInterior{*this, "txRecInterior"};
    CajaTexto txRecExterior{*this, "txRecExterior"};
    Boton btCambiarRecubrimientos{*this, "btCambiarRecubrimientos"};
    Boton btRecubrimientosOrigen{*this, "btRecubrimientosOrigen"};
    Boton btAceptarRecubrimientos{*this, "btAceptarRecubrimientos"};
    Boton btAnularRecubrimientos{*this, "btAnularRecubrimientos"};
    // The notice on alternative covers (plain text; Aviso() holds its look).
    CajaTexto tbAviso{*this, "tbAviso"};
    // The warning of a pure-tension case.
    CajaTexto edAvisoCaldera{*this, "edAvisoCaldera"};

    Boton btGuardar{*this, "btGuardar"};
    Boton btAceptarAjuste{*this, "btAceptarAjuste"};
    Boton btSalir{*this, "btSalir"};
    CajaTexto tbHRaCalcular{*this, "tbHRaCalcular"};
    CajaTexto tbPRSaCalcular{*this, "tbPRSaCalcular"};

    // Opening: captions, the adjustments file, the notice and the first case. The window does
    // not open (Abierta() false, the engineer told why) without a readable adjustments file or
    // when its first case cannot be calculated.
    void Form_Load();
    void btAnteriorAltura_Click();
    void btSiguienteAltura_Click();
    void btAnteriorPresion_Click();
    void btSiguientePresion_Click();
    void btSubirValorMedio_Click();
    void btBajarValorMedio_Click();
    void btGuardar_Click();
    void btAceptarAjuste_Click();
    void btSalir_Click();
    // The window closed through its frame: leaves as btSalir does.
    void Form_QueryUnload();

    void btCambiarRecubrimientos_Click();
    void btAceptarRecubrimientos_Click();
    void btAnularRecubrimientos_Click();
    void btRecubrimientosOrigen_Click();
    void txRecInterior_GotFocus();
    void txRecExterior_GotFocus();
    void txRecInterior_Validate(bool &Cancel);
    void txRecExterior_Validate(bool &Cancel);

    void obSeleccion_Click(int Index);
    void btSeleccionDirecta_Click();
    void btAnulaSeleccionDirecta_Click();
    void txArmCamisa_GotFocus(int Index);
    void txArmRefuerzo_GotFocus(int Index);
    void txArmExterior_GotFocus(int Index);
    void txArmCamisa_Validate(int Index, bool &Cancel);
    void txArmRefuerzo_Validate(int Index, bool &Cancel);
    void txArmExterior_Validate(int Index, bool &Cancel);

    // Recalculates the case (TramoActual, PRSaCalcular, HRaCalcular) and refills the window.
    // False when it could not (told): the window then shows the previous case, whole.
    bool CalculaunTramoEspecifico();
    // The rows, the restored choice on the first filling after a recalculation, and the check;
    // the working values in calculation units. The second brackets it with the conversions.
    void CargaDatosIni();
    void CargaDatosIniEnUniCalc();
    // Stores the choice in force as the case's entry, or frees it when row 0 is chosen. False
    // when nothing was stored (told): a chosen table row that the rows now in force do not
    // offer is refused.
    bool GrabaUnTramoPresion();

    // The window's variables.
    double HRaCalcular = 0;  // m
    double PRSaCalcular = 0; // kp/cm2
    std::int16_t FilaValorMedio = 4;
    std::int16_t FilaSeleccionada = 0;
    bool UsaRecubrimientosAlternativos = false;
    bool RecuperaAjusteGuardado = false;
    double RecubrimientoInteriorAlternativo = 0; // cm
    double RecubrimientoExteriorAlternativo = 0; // cm
    bool SeleccionDirectaActiva = false;
    ArmaduraElegida ArmaduraElegidaActual; // the chosen reinforcement, cm2/m
    ArmaduraElegida ArmaduraDirecta;       // the values typed in row 8, cm2/m

    bool Abierta() const { return m_abierta; }
    bool Descargada() const { return m_descargada; }
    const DocumentoRico &Aviso() const { return m_aviso; }
    // The rows of the last filling and the last check.
    const FilasTanteo &Filas() const { return m_filas; }
    const ResultadoComprobacion &Comprobacion() const { return m_comprobacion; }
    // Shift+End sent to a box: the view carries the last request out, then forgets it.
    CajaTexto *SeleccionPendiente() const { return m_seleccion; }
    void OlvidaSeleccion() { m_seleccion = nullptr; }

private:
    enum class Modo { Normal, DirectaAbierta, Recubrimientos };
    void PonModo(Modo modo);
    static void Muestra(Boton &boton, bool mostrado);
    std::string T(std::int32_t n) const;
    std::string Formatea(double valor, const char *mascara) const;
    double Lee(const CajaTexto &caja) const;
    void Aviso(std::int32_t texto, IconoMensaje icono);
    RecubrimientosComprobacion Recubrimientos() const;
    void LeeFila(int fila);
    void MuestraDirecta(const ArmaduraElegida &valores);
    void Comprueba();
    void EligeFila(int fila);
    void SeleccionaPorCodigo(int fila);
    void UbicaEleccion();
    void PasaAltura(bool siguiente);
    void PasaPresion(bool siguiente);
    void MueveValorMedio(int paso);
    void TerminaRecubrimientos(bool acepta);
    bool ValidaRecubrimiento(CajaTexto &caja, double &valor, std::int32_t titulo, bool exterior);
    void ValidaDirecta(int Index, CajaTexto &caja, double &valor, const std::string &titulo,
                       bool &Cancel);
    void MuestraRecubrimientosTramo();
    // The refill with the run's covers and the store of the ways out; false when the store was
    // refused or failed.
    bool RehaceYGraba(bool graba);
    void Cierra();

    // The case on show, with the results its rows come from: what a refused step puts back.
    struct CasoMostrado {
        double H = 0;
        double P = 0;
        DatosCaso caso;
        DatosCalculo calculo;
        ResultadosCaso resultados;
    };

    EstadoObra &m_estado;
    ServiciosAjustes m_s;
    CasoMostrado m_mostrado;
    FilasTanteo m_filas;
    ResultadoComprobacion m_comprobacion;
    DocumentoRico m_aviso;
    AjustesGuardados *m_ajustesCaso = nullptr; // only during a recalculation
    CajaTexto *m_seleccion = nullptr;
    bool m_abierta = false;
    bool m_descargada = false;
    bool m_porCodigo = false;         // a row selected by the window itself
    bool m_depuracionAvisada = false; // the check's debug file failure was told
    Modo m_modo = Modo::Normal;
};

} // namespace dravek

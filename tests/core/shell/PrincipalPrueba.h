#pragma once

// The main window with its commands wired to fakes of the data-entry window, of the windows the
// menu opens and of the print job, over a data-entry window of recording fakes.

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/AlmacenObraPrueba.h"
#include "apoyo/AnulacionAjustesGrabadora.h"
#include "apoyo/ContextoPrueba.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/ProgresoGrabador.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "apoyo/TrabajoFalso.h"
#include "apoyo/TramoPrueba.h"
#include "core/entry/CapturaDatos.h"
#include "core/shell/ComandosCalculo.h"
#include "core/shell/FormaPrincipal.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace dravek::pruebas {

// The data-entry window as the menu sees it. Every stored run loads the same small
// reinforced-concrete run; the runs whose positions are listed fail their check.
class ObraFalsa final : public ObraEnCaptura {
public:
    ObraFalsa(EstadoObra &estado, CapturaDatos &captura) : m_estado(estado), m_captura(captura) {}

    void CargaCaptura() override
    {
        cargada = true;
        if (m_estado.obra.AbrirObraExistente) {
            m_estado.obra.NombreFicheroObra = ficheroElegido;
        }
    }
    void DescargaCaptura() override
    {
        cargada = false;
        m_estado.obra.NombreFicheroObra = " ";
    }
    // The project may close unless the run has unsaved changes (the engineer cancels).
    bool PermiteCerrar() override
    {
        ++preguntasCierre;
        return !cargada || !m_estado.ejecucion.DatosModificados;
    }
    CapturaDatos *Captura() override { return cargada ? &m_captura : nullptr; }
    bool ValidaPresionesAlturasObra() override { return obraValida; }
    bool ValidaDatosTramo(bool MoverFoco) override
    {
        validaciones.push_back(MoverFoco);
        return tramosInvalidos.count(m_captura.edTramo.ListIndex() + 1) == 0;
    }
    void GrabaObra() override { ++grabaciones; }
    void NuevoTramo() override { ++nuevos; }
    void CancelaCapturaTramo() override { m_estado.ejecucion.DatosModificados = false; }
    void ConfirmaGrabaTramo() override { m_estado.ejecucion.DatosModificados = false; }
    bool CargaTramo(int posicion) override
    {
        cargas.push_back(posicion);
        // The run box shows the number as the loader writes it: no click of the list.
        ponTexto(m_captura.edTramo, m_captura.edTramo.List(posicion - 1));
        PreparaTramoArmado(m_estado, false, DRAVEK_DATOS_PROGRAMA "/");
        ponTexto(m_captura.edDescriTramo, "Tramo " + m_captura.edTramo.Text());
        m_estado.ejecucion.DatosModificados = false;
        return true;
    }
    AjustesGuardados *Ajustes() override { return ajustesGuardados; }
    bool AjustesRehusados() const override { return rehusaAjustes; }
    bool GrabaUnTramoPresion(double, std::int16_t, double,
                             const std::optional<AjusteGuardado> &) override
    {
        return false;
    }

    std::string ficheroElegido = " ";             // what the open dialog gives
    AjustesGuardados *ajustesGuardados = nullptr; // the project's overrides; none by default
    bool cargada = false;
    bool obraValida = true;
    bool rehusaAjustes = false; // overrides that could not be voided, already told
    std::set<int> tramosInvalidos;
    std::vector<bool> validaciones; // MoverFoco of each run check
    std::vector<int> cargas;
    int grabaciones = 0;
    int nuevos = 0;
    int preguntasCierre = 0;

private:
    EstadoObra &m_estado;
    CapturaDatos &m_captura;
};

class VentanasFalsas final : public VentanasPrincipal {
public:
    explicit VentanasFalsas(ComandosCalculo *&calculo) : m_calculo(calculo) {}
    void MuestraImpresoras() override { abiertas.push_back("Impresoras"); }
    void MuestraCalculoHidraulico() override { abiertas.push_back("CalculoHidraulico"); }
    void MuestraProtecciones() override { abiertas.push_back("Protecciones"); }
    void MuestraAcercaDe() override { abiertas.push_back("frmAboutBox"); }
    void MuestraAviso(int modo) override { abiertas.push_back("frmTip " + std::to_string(modo)); }
    void MuestraIndiceAyuda(const std::string &fichero) override
    {
        abiertas.push_back("Ayuda " + fichero);
    }
    void MuestraListado() override
    {
        abiertas.push_back("frEscribePantalla");
        listados.push_back(m_calculo->listado().edPantalla.Text());
        if (alMostrarListado) {
            alMostrarListado();
        }
    }
    void MuestraAjustes() override { abiertas.push_back("frAjustes"); }
    void Termina() override { abiertas.push_back("Termina"); }

    std::vector<std::string> abiertas;
    std::vector<std::string> listados; // the text of the listing window each time it showed
    std::function<void()> alMostrarListado;

private:
    ComandosCalculo *&m_calculo;
};

// Records the run number the design is handed with each case.
class DisenoConTramo final : public DisenoCasoPrueba {
public:
    ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso) override
    {
        tramos.push_back(contexto.estado.tramo.TramoActual);
        if (lanza) {
            throw std::runtime_error("desbordamiento");
        }
        if (fallaEnTramo == contexto.estado.tramo.TramoActual) {
            return ErrorCalculo::Con("fallo del tramo");
        }
        return breve.CalculaArmado(contexto, numeroCaso);
    }
    ErrorCalculo CalculaPostesado(ContextoCalculo &c, std::int32_t n, std::int16_t f,
                                  double k) override
    {
        return breve.CalculaPostesado(c, n, f, k);
    }
    DisenoCasoBreve breve;
    std::vector<std::int16_t> tramos;
    int fallaEnTramo = -1;
    bool lanza = false; // the design fails as a library fault would, by throwing
};

struct PrincipalPrueba {
    PrincipalPrueba() : PrincipalPrueba(progreso) {}
    // progresoCalculo: what the calculation commands report their progress to, instead of the
    // recording progress (a window test's real dialog).
    explicit PrincipalPrueba(Progreso &progresoCalculo) : m_progresoCalculo(progresoCalculo)
    {
        estado.ejecucion.RutaAplicacion = DRAVEK_DATOS_PROGRAMA "/";
        captura.LlenaListasCodigos();
        forma.Conecta(obra, ventanas, calculo);
        calculoPtr = &calculo;
    }

    EstadoObra estado;
    MensajesGrabadora mensajes{Guion::Estricto};
    AlmacenConfiguracionEnMemoria almacen;
    TextosPlataformaGrabadora textos;
    FormaPrincipal forma{estado, mensajes, almacen, textos};
    AnulacionAjustesGrabadora ajustes;
    AlmacenObraPrueba ficheros{estado, mensajes, almacen};
    CapturaDatos captura{estado, {mensajes, forma.menu(), ajustes, forma, ficheros.almacen}};
    ObraFalsa obra{estado, captura};
    ComandosCalculo *calculoPtr = nullptr;
    VentanasFalsas ventanas{calculoPtr};
    TrabajoFalso trabajo;
    RelojFijo reloj;
    ImpresoraGrabadora impresora;
    SalidaListado salida{reloj, impresora};
    DepuracionNula depuracion;
    DisenoConTramo diseno;
    ProgresoGrabador progreso;

private:
    Progreso &m_progresoCalculo;

public:
    ComandosCalculo calculo{estado,
                            {mensajes, salida, depuracion, diseno, obra, ventanas, trabajo,
                             m_progresoCalculo, nullptr}};
};

} // namespace dravek::pruebas

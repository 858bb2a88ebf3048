#pragma once

// Runs typed into the data-entry window as an engineer types them: a new project with its
// ranges, then each run started with the new-run command, its typology chosen, its boxes filled
// and saved with the save command.

#include "apoyo/ObraPrueba.h"
#include "core/entry/CapturaTramo.h"
#include "core/entry/LimpiezaTramo.h"
#include "core/listing/FormatoNumeros.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace dravek::pruebas {

// A run in MKS values (the SI ones follow by the unit factors).
struct TramoTecleado {
    std::int16_t Tipologia = 1210; // 1210, 2211 or 2221
    std::string descripcion;
    double vDi = 1.2;         // m
    double ESP = 12;          // cm
    double RECI = 3;          // cm (not typed for 2221)
    double RECE = 3;          // cm
    double alturaInicial = 2; // m; 0 leaves the run's heights empty
    double alturaFinal = 4;   // m
    double incrementoAltura = 1;
    double MDPInicial = 11;       // at; 0 leaves the run's pressures empty
    double MDPFinal = 13.2;       // at; 0 leaves its box empty
    double incrementoPresion = 1; // at, the DP step; 0 leaves its box empty
    double DPInicial = 0;         // at; 0 leaves the DP boxes empty, to be derived
    double DPFinal = 0;           // at; 0 leaves its box empty
    double cargaTotal = 0;        // t/m2; 0: the loads are computed
    int colocacion = 0;           // 0 trench, 2 embankment
};

class Tecleo {
public:
    Tecleo(ObraPrueba &o, bool enSI) : m_o(o), m_enSI(enSI) {}

    std::string numero(double mks, std::string_view mascara, double factor = 10.0) const
    {
        const double valor = m_enSI ? mks / factor : mks;
        return FormateaMascara(valor, mascara, m_o.estado.ejecucion.SeparadorDecimalLocal);
    }
    std::string longitud(double valor, std::string_view mascara) const
    {
        return FormateaMascara(valor, mascara, m_o.estado.ejecucion.SeparadorDecimalLocal);
    }

    // A new project as the window opens it, with a project MDP of 11 at and a first height of
    // 3 m, its title and client.
    void ObraNueva(const std::string &titulo)
    {
        CapturaDatos &v = m_o.captura;
        m_o.muestraSI(m_enSI);
        m_o.almacen.NuevaObra();
        m_o.estado.ejecucion.Cargando = true;
        LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
        m_o.estado.ejecucion.Cargando = false;
        ponTexto(v.edObra, titulo);
        ponTexto(v.edCliente, "Confederación Hidrográfica");
        ponTexto(v.edAlt1, longitud(3, "#####0.00"));
        m_o.estado.obra.AlturaInicialObra = 3;
        ponTexto(v.edPrsM1, numero(11, "#####0.00"));
        // The water hammer calculated, as a new project starts.
        ponValor(v.rdGolpeAriete, 0, true);
        m_o.estado.obra.GolpeArieteCalculado = Verdadero;
    }

    // The new-run command and the boxes of the run, as their leave handlers leave them.
    void Teclea(const TramoTecleado &t)
    {
        CapturaDatos &v = m_o.captura;
        DatosTramo &d = m_o.estado.tramo;
        if (!v.edTramo.Text().empty()) {
            m_o.mensajes.responde(RespuestaMensaje::Si);
        }
        NuevoTramo(v);
        if (v.edTramo.ListCount() == 0) {
            PonDefectosArmado(v);
        }
        if (t.Tipologia != 1210) {
            // Leaving reinforced concrete asks first when the run has data.
            if (m_o.estado.ejecucion.DatosModificados) {
                m_o.mensajes.responde(RespuestaMensaje::Si);
            }
            ponPestana(v.TabTipologia, 1);
            if (t.Tipologia == 2221) {
                ponValor(v.TipoCamisa, 1, true);
            }
        }
        ponTexto(v.edDescriTramo, t.descripcion);
        ponTexto(v.edDi0, longitud(t.vDi, "#####0.000"));
        ponTexto(v.edEsp0, longitud(t.ESP, "#####0.0"));
        if (t.Tipologia != 2221) {
            ponTexto(v.edReci0, longitud(t.RECI, "#####0.0"));
        }
        ponTexto(v.edRece0, longitud(t.RECE, "#####0.0"));
        if (t.alturaInicial > 0) {
            ponTexto(v.edHr0, longitud(t.alturaInicial, "#####0.00"));
            ponTexto(v.edHr0Final, longitud(t.alturaFinal, "#####0.00"));
            ponTexto(v.edHr0Delta, longitud(t.incrementoAltura, "#####0.00"));
            d.AlturaInicialTramo = t.alturaInicial;
            d.AlturaFinalTramo = t.alturaFinal;
            d.IncrementoAltura = t.incrementoAltura;
        }
        if (t.MDPInicial > 0) {
            const auto tecleaSiHay = [&](ControlTexto &caja, double valor) {
                if (valor > 0) {
                    ponTexto(caja, numero(valor, "#####0.00"));
                }
            };
            tecleaSiHay(v.edPrs1Tram, t.DPInicial);
            tecleaSiHay(v.edPrs2Tram, t.DPFinal);
            ponTexto(v.edPrsM1Tram, numero(t.MDPInicial, "#####0.00"));
            tecleaSiHay(v.edPrsM2Tram, t.MDPFinal);
            tecleaSiHay(v.edPrs3Tram, t.incrementoPresion);
        }
        if (t.colocacion != 0) {
            // An embankment, with the boxes its option shows and hides.
            ponValor(v.rdTipoColocacion, t.colocacion, true);
            d.IndiceColocacion = static_cast<std::int16_t>(t.colocacion);
            for (Control *c :
                 {static_cast<Control *>(&v.edB0), static_cast<Control *>(&v.edTipoRelleno0),
                  static_cast<Control *>(&v.edTipoApoyo0)}) {
                c->Visible = false;
            }
            v.edHr1.Visible = true;
            v.edIAs.Visible = true;
            ponTexto(v.edHr1, longitud(1.5, "#####0.000"));
            ponIndice(v.edIAs, 1);
        }
        if (t.cargaTotal > 0) {
            // A total load hides the live load, as leaving its box does.
            ponTexto(v.edQDato0, numero(t.cargaTotal, "#####0.00", 100.0));
            v.edICar0.Visible = false;
            v.lbEtiquetas(34).Visible = false;
        }
    }

    // The save command answered Yes; a new project's file is the path given.
    void Graba(const std::optional<std::string> &ruta = std::nullopt)
    {
        m_o.mensajes.responde(RespuestaMensaje::Si);
        if (ruta) {
            m_o.dialogos.responde(*ruta);
        }
        ConfirmaGrabaTramo(m_o.captura);
    }

private:
    ObraPrueba &m_o;
    bool m_enSI;
};

} // namespace dravek::pruebas

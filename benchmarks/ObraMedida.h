#pragma once

// What the benchmarks that open a project from its file share: a project file written by the
// storage code's codec from runs prepared as TramosMedida prepares them, and the message boxes,
// dialogs, settings and locale of a program with nobody at the keyboard.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TramosMedida.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/DialogosFichero.h"
#include "core/plataforma/Mensajes.h"
#include "core/shell/FormaPrincipal.h"
#include "core/storage/FicheroRegistros.h"
#include "core/storage/RegistrosObra.h"

namespace dravek::medida {

// Every message box is counted and answered with its first button: none is expected.
class MensajesContados final : public Mensajes {
public:
    RespuestaMensaje Muestra(const std::string &texto, BotonesMensaje, IconoMensaje,
                             const std::string &) override
    {
        ++m_mostrados;
        std::fprintf(stderr, "%s\n", texto.c_str());
        return RespuestaMensaje::Aceptar;
    }
    int mostrados() const { return m_mostrados; }

private:
    int m_mostrados = 0;
};

// The open dialog gives the project file; nothing is saved.
class DialogoObra final : public DialogosFichero {
public:
    explicit DialogoObra(std::string ruta) : m_ruta(std::move(ruta)) {}
    std::optional<std::string> PideFicheroGuardar(const std::string &, const std::string &,
                                                  const std::vector<FiltroFichero> &) override
    {
        return std::nullopt;
    }
    std::optional<std::string> PideFicheroAbrir(const std::string &, const std::string &,
                                                const std::vector<FiltroFichero> &) override
    {
        return m_ruta;
    }

private:
    std::string m_ruta;
};

// No settings are kept.
class SinConfiguracion final : public AlmacenConfiguracion {
public:
    bool ExisteClave(RaizRegistro, const std::string &) override { return false; }
    bool CreaClave(RaizRegistro, const std::string &) override { return false; }
    std::optional<ValorRegistro> LeeValor(RaizRegistro, const std::string &,
                                          const std::string &) override
    {
        return std::nullopt;
    }
    bool EscribeValor(RaizRegistro, const std::string &, const std::string &,
                      const ValorRegistro &) override
    {
        return false;
    }
    std::optional<std::string> LeeAjuste(const std::string &, const std::string &,
                                         const std::string &) override
    {
        return std::nullopt;
    }
    void GrabaAjuste(const std::string &, const std::string &, const std::string &,
                     const std::string &) override
    {
    }
};

class LocalPunto final : public LocalUsuario {
public:
    std::string SeparadorDecimal() override { return "."; }
};

// A run's stored values as the save command takes them from its working values (MKS; the SI
// element of a pair is never read in an MKS project).
BloqueTramo BloqueDe(const DatosTramo &t, const std::string &numero)
{
    const auto par = [](double mks) { return ParValores{mks, mks / 10}; };
    BloqueTramo b;
    b.Numero = numero;
    b.Descripcion = "TRAMO " + numero;
    b.Tipologia = t.Tipologia;
    b.TipoControl = t.TipoControl;
    b.IndicadorCamisa = t.IndicadorCamisa;
    b.ClaseFisuracion = t.ClaseFisuracion;
    b.CAMMAX = t.CAMMAX;
    b.FCK = par(t.FCK);
    b.Fct = par(t.Fct);
    b.Fyk = par(t.Fyk);
    b.Fyd = par(t.Fyd);
    b.GamaB = t.GamaB;
    b.GamaY = t.GamaY;
    b.GamaF = t.GamaF;
    b.Delca = t.Delca;
    b.Es = par(t.Es);
    b.Ep = par(t.Ep);
    b.Fckno = par(t.Fckno);
    b.Fckn = par(t.Fckn);
    b.Fckr = par(t.Fckr);
    b.SFck = par(t.SFck);
    b.Sf = par(t.Sf);
    b.Rel = t.Rel;
    b.Fic = t.Fic;
    b.Fir = t.Fir;
    b.Epsc = t.Epsc;
    b.Epsr = t.Epsr;
    b.vDi = t.vDi;
    b.ESP = t.ESP;
    b.vDE = t.vDE;
    b.RECI = t.RECI;
    b.RECE = t.RECE;
    b.vGAMAB = t.vGAMAB;
    b.vICUNA = t.vICUNA;
    b.CodigoColocacion = t.CodigoColocacion;
    b.AlturaInicialTramo = t.AlturaInicialTramo;
    b.AnchoZanja = t.AnchoZanja;
    b.vGAMAT = t.vGAMAT;
    b.AnguloRozamiento = t.AnguloRozamiento;
    b.TipoRelleno = t.TipoRelleno;
    b.DistanciaTerrenoNatural = t.DistanciaTerrenoNatural;
    b.IndiceAsentamiento = t.IndiceAsentamiento;
    b.CargaVerticalTotal = par(t.CargaVerticalTotal);
    b.CalculoCargas = t.CalculoCargas;
    b.TipoCargaConcentrada = t.TipoCargaConcentrada;
    b.DPInicialTramo = par(t.DPInicialTramo);
    b.DPFinalTramo = par(t.DPFinalTramo);
    b.IncrementoPresionTramo = par(t.IncrementoPresionTramo);
    b.MDPInicialTramo = par(t.MDPInicialTramo);
    b.MDPFinalTramo = par(t.MDPFinalTramo);
    b.AlturaFinalTramo = t.AlturaFinalTramo;
    b.IncrementoAltura = t.IncrementoAltura;
    b.FykPost = par(t.FykPost);
    return SinMaterialesAjenos(std::move(b));
}

// The bytes of a project file of `tramos` runs numbered from 1, run k prepared in an empty
// state by prepara(estado, k): its header and one block per run, written by the storage code's
// own codec.
template <typename Prepara> std::string ProyectoDeMedida(int tramos, const Prepara &prepara)
{
    FicheroRegistros fichero;
    CabeceraObra cabecera;
    cabecera.Idioma = 1;
    cabecera.NombreIdioma = "Español";
    cabecera.SistemaUnidades = "MKS";
    cabecera.GolpeArieteCalculado = false;
    cabecera.Obra = "ABASTECIMIENTO DE AGUA A LA COMARCA DEL CAMPO - CONDUCCIÓN PRINCIPAL";
    cabecera.Cliente = "MANCOMUNIDAD DE AGUAS";
    // The project's MDP and first fill height, those of its runs.
    cabecera.MDPInicialObra = {RelacionMDPDP * PresionInicial,
                               RelacionMDPDP * PresionInicial / 10};
    cabecera.Alt1 = "1.00";
    cabecera.NumeroTramos = static_cast<std::int16_t>(tramos);
    const std::string separador = ".";
    for (int k = 1; k <= tramos; ++k) {
        EstadoObra estado;
        prepara(estado, k);
        // The highest design stress of the steel the run's check accepts without asking.
        estado.tramo.Fyd = std::min(estado.tramo.Fyd, 1400.0);
        const BloqueTramo bloque = BloqueDe(estado.tramo, std::to_string(k));
        if (EscribeRegistros(fichero, BaseBloque(k) + PrimerDesplazamiento,
                             TextosBloque(bloque, static_cast<std::int16_t>(k), separador))) {
            return {};
        }
    }
    // As after the last run's save: the header last, since block 1 starts at its run count.
    if (EscribeRegistros(fichero, 1, TextosCabecera(cabecera, separador))) {
        return {};
    }
    return fichero.Bytes();
}

} // namespace dravek::medida

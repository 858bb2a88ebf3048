#include "core/storage/RegistrosObra.h"

#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"

#include <optional>

namespace dravek {

namespace {

constexpr std::string_view PrefijoIdioma = "IDIOMA : ";
constexpr std::string_view PrefijoUnidades = "SisUnid: ";
constexpr std::string_view PrefijoGolpeAriete = "GAriete: ";
constexpr std::size_t LargoPrefijo = 9;
constexpr std::size_t LargoValorCabecera = 20; // characters 10 to 29
constexpr std::int32_t TextoSi = 178;          // "Si"

// Characters 10 to 10 + largo - 1 of a header record (ASCII), trimmed.
std::string ValorCabecera(std::string_view registro, std::size_t largo)
{
    if (registro.size() <= LargoPrefijo) {
        return {};
    }
    return Recorta(registro.substr(LargoPrefijo, largo));
}

// The writer writes "Si"; a file written by an older version may hold the word of its interface
// language.
bool RespuestaSi(const std::string &respuesta)
{
    if (respuesta == "Si") {
        return true;
    }
    for (int idioma = 1; idioma <= CuentaIdiomas(); ++idioma) {
        if (respuesta == Texto((idioma - 1) * 5000, TextoSi)) {
            return true;
        }
    }
    return false;
}

// Reads the records of one block or header, remembering the first damaged one.
class Lector {
public:
    Lector(const FicheroRegistros &fichero, std::int32_t base, bool enMKS,
           const EstadoEjecucion &ejecucion)
        : m_fichero(fichero), m_base(base), m_enMKS(enMKS), m_ejecucion(ejecucion)
    {
    }

    bool Danado() const { return m_registro != 0; }
    std::int32_t Registro() const { return m_registro; }

    // The record as stored.
    std::string Texto(std::int32_t desplazamiento)
    {
        const std::optional<std::string> s = m_fichero.LeeRegistro(m_base + desplazamiento);
        if (!s) {
            Marca(desplazamiento);
            return {};
        }
        return *s;
    }

    // A numeric record, with the user's decimal separator.
    std::string Numerico(std::int32_t desplazamiento)
    {
        return NormalizaSeparador(Texto(desplazamiento), m_ejecucion);
    }

    // The text as stored and its number; an empty record is an empty box and 0.
    CajaCargada Numero(std::int32_t desplazamiento)
    {
        const std::string s = Numerico(desplazamiento);
        return Caja(desplazamiento, s);
    }

    // A code; an empty record is 0. A value outside minimo..maximo is damage.
    std::int16_t Codigo(std::int32_t desplazamiento, std::int16_t minimo, std::int16_t maximo)
    {
        const std::string s = Numerico(desplazamiento);
        if (EstaVacio(s)) {
            return 0;
        }
        const std::optional<std::int16_t> codigo = LeeEntero(s, m_ejecucion);
        if (!codigo || *codigo < minimo || *codigo > maximo) {
            Marca(desplazamiento);
            return 0;
        }
        return *codigo;
    }

    // A check box: ticked only for 1; clear, and greyed (2), read as not ticked.
    bool Casilla(std::int32_t desplazamiento) { return Codigo(desplazamiento, 0, 2) == 1; }

    // A pair whose zero is shown as an empty box.
    CajaCargada Par(std::int32_t desplazamiento, std::string_view mascaraMKS,
                    std::string_view mascaraSI)
    {
        const std::optional<ElementosPar> par = Elementos(desplazamiento);
        if (!par) {
            return {};
        }
        const std::string &elemento = m_enMKS ? par->mks : par->si;
        const std::string_view mascara = m_enMKS ? mascaraMKS : mascaraSI;
        if (EsCeroDeMascara(elemento, mascara)) {
            return {};
        }
        return Caja(desplazamiento, elemento);
    }

    // A pair whose element is shown as stored, a zero included.
    CajaCargada ParGuardado(std::int32_t desplazamiento)
    {
        const std::optional<ElementosPar> par = Elementos(desplazamiento);
        if (!par) {
            return {};
        }
        return Caja(desplazamiento, m_enMKS ? par->mks : par->si);
    }

private:
    void Marca(std::int32_t desplazamiento)
    {
        if (m_registro == 0) {
            m_registro = m_base + desplazamiento;
        }
    }

    CajaCargada Caja(std::int32_t desplazamiento, const std::string &s)
    {
        if (EstaVacio(s)) {
            return {};
        }
        const std::optional<double> valor = LeeReal(s, m_ejecucion);
        if (!valor) {
            Marca(desplazamiento);
            return {};
        }
        return {s, *valor};
    }

    // Both elements of a pair, each empty or a number.
    std::optional<ElementosPar> Elementos(std::int32_t desplazamiento)
    {
        std::optional<ElementosPar> par = SeparaPar(Numerico(desplazamiento));
        if (!par) {
            Marca(desplazamiento);
            return std::nullopt;
        }
        for (const std::string *e : {&par->mks, &par->si}) {
            if (!EstaVacio(*e) && !LeeReal(*e, m_ejecucion)) {
                Marca(desplazamiento);
                return std::nullopt;
            }
        }
        return par;
    }

    const FicheroRegistros &m_fichero;
    std::int32_t m_base;
    bool m_enMKS;
    const EstadoEjecucion &m_ejecucion;
    std::int32_t m_registro = 0;
};

} // namespace

std::array<std::string, RegistrosCabecera> TextosCabecera(const CabeceraObra &c,
                                                          std::string_view sep)
{
    const auto par = [sep](ParValores v) { return TextoPar(v, Mascara2, Mascara2, sep); };
    return {
        std::string(MarcaVersion),
        std::string(PrefijoIdioma) + TextoReal(c.Idioma, MascaraIdioma, sep) + " " +
            c.NombreIdioma,
        std::string(PrefijoUnidades) + c.SistemaUnidades + std::string(27, ' '),
        std::string(PrefijoGolpeAriete) + (c.GolpeArieteCalculado ? "Si" : "No"),
        c.Obra,
        c.Cliente,
        par(c.DPInicialObra),
        par(c.DPFinalObra),
        TextoReal(c.IncrementoPresionObra.mks, Mascara2, sep),
        par(c.IncrementoPresionObra),
        par(c.MDPInicialObra),
        par(c.MDPFinalObra),
        c.Alt1,
        c.Alt2,
        c.Alt3,
        "0",
        "0",
        "0",
        "0",
        TextoEntero(c.NumeroTramos),
    };
}

BloqueTramo SinMaterialesAjenos(BloqueTramo b)
{
    if (EsTipologiaPostesada(b.Tipologia)) {
        b.FijaArmaduraExterior = false;
        b.ArmaduraExteriorMaxima = 0;
        b.TipoControl = 0;
        b.IndicadorCamisa = 0;
        b.CAMMAX = 0;
        b.FCK = {};
        b.Fct = {};
        b.Fyk = {};
        b.Fyd = {};
        b.GamaB = 0;
        b.GamaY = 0;
        b.GamaF = 0;
    } else {
        b.FijaPresionPrimario = false;
        b.CoefPresionPrimario = 0;
        b.Delca = 0;
        b.Es = {};
        b.Ep = {};
        b.Fckno = {};
        b.Fckn = {};
        b.Fckr = {};
        b.SFck = {};
        b.Sf = {};
        b.Rel = 0;
        b.Fic = 0;
        b.Fir = 0;
        b.Epsc = 0;
        b.Epsr = 0;
        // The cylinder steel of a post-tensioned run, which the clearing of a run never empties:
        // a reinforced run keeps none.
        b.FykPost = {};
    }
    return b;
}

std::array<std::string, RegistrosBloque>
TextosBloque(const BloqueTramo &b, std::int16_t numeroTramos, std::string_view sep)
{
    const auto real = [sep](double v, std::string_view mascara) {
        return TextoReal(v, mascara, sep);
    };
    const auto par = [sep](ParValores v, std::string_view mks, std::string_view si) {
        return TextoPar(v, mks, si, sep);
    };
    const auto casilla = [](bool marcada) { return std::string(marcada ? "1" : "0"); };
    return {
        TextoEntero(numeroTramos),                         // 6
        b.Numero,                                          // 7
        b.Descripcion,                                     // 8
        TextoEntero(b.Tipologia),                          // 9
        casilla(b.FijaArmaduraExterior),                   // 10
        real(b.ArmaduraExteriorMaxima, Mascara3),          // 11
        TextoEntero(b.TipoControl),                        // 12
        TextoEntero(b.IndicadorCamisa),                    // 13
        TextoEntero(b.ClaseFisuracion),                    // 14
        real(b.CAMMAX, Mascara1),                          // 15
        par(b.FCK, MascaraEntera, Mascara1),               // 16
        par(b.Fct, MascaraEntera, Mascara1),               // 17
        par(b.Fyk, MascaraEntera, Mascara1),               // 18
        par(b.Fyd, MascaraEntera, Mascara1),               // 19
        real(b.GamaB, Mascara2),                           // 20
        real(b.GamaY, Mascara2),                           // 21
        real(b.GamaF, Mascara2),                           // 22
        casilla(b.FijaPresionPrimario),                    // 23
        real(b.CoefPresionPrimario, Mascara3),             // 24
        real(b.Delca, Mascara2),                           // 25
        par(b.Es, MascaraModulo, MascaraEntera),           // 26
        par(b.Ep, MascaraModulo, MascaraEntera),           // 27
        par(b.Fckno, MascaraEntera, Mascara1),             // 28
        par(b.Fckn, MascaraEntera, Mascara1),              // 29
        par(b.Fckr, MascaraEntera, Mascara1),              // 30
        par(b.SFck, MascaraEntera, MascaraEntera),         // 31
        par(b.Sf, MascaraEntera, MascaraEntera),           // 32
        real(b.Rel, Mascara2),                             // 33
        real(b.Fic, Mascara3),                             // 34
        real(b.Fir, Mascara3),                             // 35
        real(b.Epsc, Mascara4),                            // 36
        real(b.Epsr, Mascara4),                            // 37
        real(b.vDi, Mascara3),                             // 38
        real(b.ESP, Mascara1),                             // 39
        real(b.vDE, Mascara3),                             // 40
        real(b.RECI, Mascara1),                            // 41
        real(b.RECE, Mascara1),                            // 42
        real(b.vGAMAB, Mascara2),                          // 43
        TextoEntero(b.vICUNA),                             // 44
        TextoEntero(b.CodigoColocacion),                   // 45
        real(b.AlturaInicialTramo, Mascara2),              // 46
        real(b.AnchoZanja, Mascara3),                      // 47
        real(b.vGAMAT, Mascara2),                          // 48
        real(b.AnguloRozamiento, Mascara2),                // 49
        TextoEntero(b.TipoRelleno),                        // 50
        real(b.DistanciaTerrenoNatural, Mascara2),         // 51
        TextoEntero(b.IndiceAsentamiento),                 // 52
        par(b.CargaVerticalTotal, Mascara3, Mascara3),     // 53
        TextoEntero(b.CalculoCargas),                      // 54
        TextoEntero(b.TipoCargaConcentrada),               // 55
        par(b.DPInicialTramo, Mascara2, Mascara2),         // 56
        par(b.DPFinalTramo, Mascara2, Mascara2),           // 57
        real(b.IncrementoPresionTramo.mks, Mascara2),      // 58
        par(b.MDPInicialTramo, Mascara2, Mascara2),        // 59
        par(b.MDPFinalTramo, Mascara2, Mascara2),          // 60
        real(b.AlturaFinalTramo, Mascara2),                // 61
        real(b.IncrementoAltura, Mascara2),                // 62
        par(b.IncrementoPresionTramo, Mascara2, Mascara2), // 63
        par(b.FykPost, MascaraEntera, Mascara1),           // 64
        "0",                                               // 65
        "0",                                               // 66
    };
}

LecturaCabecera LeeCabecera(const FicheroRegistros &fichero, const EstadoEjecucion &ejecucion)
{
    LecturaCabecera lectura;
    CabeceraCargada &c = lectura.cabecera;
    const auto falla = [&](FalloCabecera fallo, std::int32_t registro) {
        lectura.fallo = fallo;
        lectura.registro = registro;
        return lectura;
    };

    const std::optional<std::string> version = fichero.LeeRegistro(1);
    if (!version || *version != MarcaVersion) {
        return falla(FalloCabecera::Version, 1);
    }
    const std::optional<std::string> idioma = fichero.LeeRegistro(2);
    if (!idioma || !idioma->starts_with(PrefijoIdioma)) {
        return falla(FalloCabecera::Idioma, 2);
    }
    c.TextoIdioma = ValorCabecera(*idioma, 2);
    const std::optional<std::string> unidades = fichero.LeeRegistro(3);
    if (!unidades || !unidades->starts_with(PrefijoUnidades)) {
        return falla(FalloCabecera::Unidades, 3);
    }
    c.SistemaUnidades = ValorCabecera(*unidades, LargoValorCabecera) == "MKS" ? "MKS" : "SI";
    const std::optional<std::string> golpe = fichero.LeeRegistro(4);
    if (!golpe || !golpe->starts_with(PrefijoGolpeAriete)) {
        return falla(FalloCabecera::GolpeAriete, 4);
    }
    c.GolpeArieteCalculado = RespuestaSi(ValorCabecera(*golpe, LargoValorCabecera));

    Lector lector(fichero, 0, c.SistemaUnidades == "MKS", ejecucion);
    c.Obra = lector.Texto(5);
    c.Cliente = lector.Texto(6);
    c.Prs1 = lector.Par(7, Mascara2, Mascara2);
    c.Prs2 = lector.Par(8, Mascara2, Mascara2);
    c.Prs3 = lector.Par(10, Mascara2, Mascara2);
    c.PrsM1 = lector.Par(11, Mascara2, Mascara2);
    c.PrsM2 = lector.Par(12, Mascara2, Mascara2);
    c.Alt1 = lector.Numero(13);
    c.Alt2 = lector.Numero(14);
    c.Alt3 = lector.Numero(15);
    c.NumeroTramos = lector.Codigo(RegistroNumeroTramos, 0, MaximoTramos);
    for (std::int16_t k = 1; k <= c.NumeroTramos && !lector.Danado(); ++k) {
        const std::string numero = Recorta(lector.Numerico(RegistroNumeroTramo(k)));
        if (!numero.empty()) {
            c.Tramos.push_back({numero, k});
        }
    }
    if (lector.Danado()) {
        return falla(FalloCabecera::Danada, lector.Registro());
    }
    return lectura;
}

LecturaBloque LeeBloque(const FicheroRegistros &fichero, std::int16_t k, bool enMKS,
                        const EstadoEjecucion &ejecucion)
{
    LecturaBloque lectura;
    if (k < 1 || k > MaximoTramos) {
        lectura.registro = k < 1 ? 0 : MaximoNumeroRegistro;
        return lectura;
    }
    Lector l(fichero, BaseBloque(k), enMKS, ejecucion);
    BloqueCargado &b = lectura.bloque;
    constexpr std::int16_t Cualquiera = -32768;
    constexpr std::int16_t Maximo = 32767;

    b.edTramo = l.Texto(7);
    b.edDescriTramo = l.Texto(8);
    b.Tipologia = l.Codigo(9, Cualquiera, Maximo);
    b.edIcontes0 = l.Casilla(10);
    b.edAdato = l.Numero(11);
    b.TipoControl = l.Codigo(12, 0, 2);
    b.IndicadorCamisa = l.Codigo(13, 0, 2);
    b.edCamMax = l.Numero(15);
    b.edFck = l.ParGuardado(16);
    b.edFct = l.ParGuardado(17);
    b.edFyk = l.ParGuardado(18);
    b.edFyd = l.ParGuardado(19);
    b.edGamaB = l.Numero(20);
    b.edIcontes1 = l.Casilla(23);
    b.edCoepre1 = l.Numero(24);
    b.edDelca = l.Numero(25);
    b.edEs = l.Par(26, MascaraModulo, MascaraEntera);
    b.edEp = l.Par(27, MascaraModulo, MascaraEntera);
    b.edFckno = l.Par(28, MascaraEntera, Mascara1);
    b.edFckn = l.Par(29, MascaraEntera, Mascara1);
    b.edFckr = l.Par(30, MascaraEntera, Mascara1);
    b.edSFck = l.Par(31, MascaraEntera, MascaraEntera);
    b.edSf = l.Par(32, MascaraEntera, MascaraEntera);
    b.edRel = l.Numero(33);
    b.edFic = l.Numero(34);
    b.edFir = l.Numero(35);
    b.edEpsc = l.Numero(36);
    b.edEpsr = l.Numero(37);
    b.edDi0 = l.Numero(38);
    b.edEsp0 = l.Numero(39);
    b.edDe0 = l.Numero(40);
    b.edReci0 = l.Numero(41);
    b.edRece0 = l.Numero(42);
    b.edGc0 = l.Numero(43);
    b.vICUNA = l.Codigo(44, 0, 2);
    b.CodigoColocacion = l.Codigo(45, Cualquiera, Maximo);
    b.edHr0 = l.Numero(46);
    b.edB0 = l.Numero(47);
    b.edGr0 = l.Numero(48);
    b.edFi0 = l.Numero(49);
    b.TipoRelleno = l.Codigo(50, Cualquiera, Maximo);
    b.edHr1 = l.Numero(51);
    b.IndiceAsentamiento = l.Codigo(52, 0, 3);
    b.edQDato0 = l.ParGuardado(53);
    // An empty record: the loads follow the total load, as the validation decides them.
    const std::string calculo = l.Numerico(54);
    b.CalculoCargas = EstaVacio(calculo) ? static_cast<std::int16_t>(b.edQDato0.valor < 0.001)
                                         : l.Codigo(54, Cualquiera, Maximo);
    // An empty record is no choice at all (-1); 0 is the first entry, "none".
    b.TipoCargaConcentrada = EstaVacio(l.Numerico(55)) ? std::int16_t{-1} : l.Codigo(55, -1, 4);
    b.edPrs1Tram = l.Par(56, Mascara2, Mascara2);
    b.edPrs2Tram = l.Par(57, Mascara2, Mascara2);
    b.edPrsM1Tram = l.Par(59, Mascara2, Mascara2);
    b.edPrsM2Tram = l.Par(60, Mascara2, Mascara2);
    b.edHr0Final = l.Numero(61);
    b.edHr0Delta = l.Numero(62);
    b.edPrs3Tram = l.Par(63, Mascara2, Mascara2);
    b.edFYKPost = l.Par(64, MascaraEntera, Mascara1);

    lectura.correcta = !l.Danado();
    lectura.registro = l.Registro();
    return lectura;
}

} // namespace dravek

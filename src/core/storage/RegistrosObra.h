#pragma once

// The project file (".dvk"): a header of 20 records and one block of records per run, in the
// order of the run list. Block k starts from the base B(k) = 14 + 60 (k - 1) and holds the
// records B(k) + 6 to B(k) + 66; the blocks follow each other with a stride of 60 records but
// are 61 long, so a block's first record (the run count when it was written) is the previous
// block's last, and block 1's is header record 20. Every unit-dependent value is stored as the
// pair MKS // SI whatever the screen shows.
//
// This is the pure codec: a header or a run's values to the texts of their records and back,
// with every loading rule and every check of the texts. Reading and writing the window and the
// state is the data-entry window's (entry/).

#include "core/model/EstadoObra.h"
#include "core/storage/FicheroRegistros.h"
#include "core/storage/FormasRegistro.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dravek {

inline constexpr std::string_view MarcaVersion = "Version: 2009-Mar.02";
inline constexpr std::int32_t RegistrosCabecera = 20;
inline constexpr std::int32_t RegistroNumeroTramos = 20;
inline constexpr std::int32_t PrimerDesplazamiento = 6;
inline constexpr std::int32_t UltimoDesplazamiento = 66;
inline constexpr std::int32_t RegistrosBloque = UltimoDesplazamiento - PrimerDesplazamiento + 1;
// The last block whose records lie within the 16-bit record numbers: its offset 66 is record
// 32720.
inline constexpr std::int16_t MaximoTramos = 545;

// Base of the block of the run at position k (from 1) of the file.
constexpr std::int32_t BaseBloque(std::int32_t k)
{
    return 14 + 60 * (k - 1);
}

// The record that holds the run number of block k.
constexpr std::int32_t RegistroNumeroTramo(std::int32_t k)
{
    return BaseBloque(k) + 7;
}

// What the header stores.
struct CabeceraObra {
    std::int16_t Idioma = 1;
    std::string NombreIdioma;           // the language's name as the language list shows it
    std::string SistemaUnidades = "SI"; // "MKS" or "SI"
    bool GolpeArieteCalculado = true;
    std::string Obra;                 // project title
    std::string Cliente;              // client
    ParValores DPInicialObra;         // at // MPa
    ParValores DPFinalObra;           // at // MPa
    ParValores IncrementoPresionObra; // at // MPa
    ParValores MDPInicialObra;        // at // MPa
    ParValores MDPFinalObra;          // at // MPa
    std::string Alt1;                 // texts of the three project height boxes, as typed (m)
    std::string Alt2;
    std::string Alt3;
    std::int16_t NumeroTramos = 0; // run blocks in the file
};

// The texts of header records 1 to 20 (element 0 is record 1).
std::array<std::string, RegistrosCabecera> TextosCabecera(const CabeceraObra &cabecera,
                                                          std::string_view separador);

// What a run block stores: the values the run had when it was saved, pairs with their MKS and
// SI elements.
struct BloqueTramo {
    std::string Numero;      // text of the run-number box
    std::string Descripcion; // text of the description box
    std::int16_t Tipologia = 0;
    bool FijaArmaduraExterior = false; // check box edIcontes0
    double ArmaduraExteriorMaxima = 0; // cm2/m
    std::int16_t TipoControl = 0;
    std::int16_t IndicadorCamisa = 0;
    std::int16_t ClaseFisuracion = 0;
    double CAMMAX = 0; // mm
    ParValores FCK;    // kp/cm2 // MPa
    ParValores Fct;
    ParValores Fyk;
    ParValores Fyd;
    double GamaB = 0;
    double GamaY = 0;
    double GamaF = 0;
    bool FijaPresionPrimario = false; // check box edIcontes1
    double CoefPresionPrimario = 0;
    double Delca = 0; // mm
    ParValores Es;    // kp/cm2 // MPa
    ParValores Ep;
    ParValores Fckno;
    ParValores Fckn;
    ParValores Fckr;
    ParValores SFck;
    ParValores Sf;
    double Rel = 0; // %
    double Fic = 0;
    double Fir = 0;
    double Epsc = 0;
    double Epsr = 0;
    double vDi = 0;    // m
    double ESP = 0;    // cm
    double vDE = 0;    // m
    double RECI = 0;   // cm
    double RECE = 0;   // cm
    double vGAMAB = 0; // t/m3
    std::int16_t vICUNA = 0;
    std::int16_t CodigoColocacion = 0;
    double AlturaInicialTramo = 0; // m
    double AnchoZanja = 0;         // m
    double vGAMAT = 0;             // t/m3
    double AnguloRozamiento = 0;   // degrees
    std::int16_t TipoRelleno = 0;
    double DistanciaTerrenoNatural = 0; // m
    std::int16_t IndiceAsentamiento = 0;
    ParValores CargaVerticalTotal; // t/m2 // MPa
    std::int16_t CalculoCargas = 0;
    std::int16_t TipoCargaConcentrada = 0;
    ParValores DPInicialTramo; // at // MPa
    ParValores DPFinalTramo;
    ParValores IncrementoPresionTramo;
    ParValores MDPInicialTramo;
    ParValores MDPFinalTramo;
    double AlturaFinalTramo = 0; // m
    double IncrementoAltura = 0; // m
    ParValores FykPost;          // kp/cm2 // MPa
};

// Whether the typology is laid out, loaded and saved as a post-tensioned run (2211 and above).
constexpr bool EsTipologiaPostesada(std::int16_t Tipologia)
{
    return Tipologia >= 2211;
}

// The block with the materials of the other typology as the clearing of a run leaves them
// (values 0, check boxes clear, codes 0), so that a run's bytes never depend on what the window
// showed before it.
BloqueTramo SinMaterialesAjenos(BloqueTramo bloque);

// The texts of offsets 6 to 66 of a block (element 0 is offset 6); numeroTramos is the run
// count written at offset 6.
std::array<std::string, RegistrosBloque>
TextosBloque(const BloqueTramo &bloque, std::int16_t numeroTramos, std::string_view separador);

// The first record of a set of texts that would not fit (not encodable, longer than 126 bytes).
struct FalloTextos {
    FalloRegistro fallo = FalloRegistro::Ninguno;
    std::int32_t registro = 0;

    explicit operator bool() const { return fallo != FalloRegistro::Ninguno; }
};

// Writes texts into consecutive records from the first one given, all or none: every text is
// checked before anything is written.
template <std::size_t N>
FalloTextos EscribeRegistros(FicheroRegistros &fichero, std::int32_t primero,
                             const std::array<std::string, N> &textos)
{
    for (std::size_t i = 0; i < N; ++i) {
        const std::int32_t n = primero + static_cast<std::int32_t>(i);
        if (n > MaximoNumeroRegistro) {
            return {FalloRegistro::FueraDeRango, n};
        }
        if (const FalloRegistro f = CompruebaTextoRegistro(textos[i]);
            f != FalloRegistro::Ninguno) {
            return {f, n};
        }
    }
    for (std::size_t i = 0; i < N; ++i) {
        fichero.Escribe(primero + static_cast<std::int32_t>(i), textos[i]);
    }
    return {};
}

// Reading.

// A box as the loader fills it: its text and the number of its variable.
struct CajaCargada {
    std::string texto;
    double valor = 0;

    bool operator==(const CajaCargada &) const = default;
};

// A run of the file: its number as stored (trimmed) and its block position.
struct TramoEnFichero {
    std::string numero;
    std::int16_t bloque = 0;

    bool operator==(const TramoEnFichero &) const = default;
};

struct CabeceraCargada {
    std::string TextoIdioma;     // characters 10 and 11 of record 2, trimmed
    std::string SistemaUnidades; // "MKS", else "SI"
    bool GolpeArieteCalculado = true;
    std::string Obra;
    std::string Cliente;
    // The pressure boxes in the project's unit system; a zero element is an empty box.
    CajaCargada Prs1;
    CajaCargada Prs2;
    CajaCargada Prs3;
    CajaCargada PrsM1;
    CajaCargada PrsM2;
    // The height boxes as stored; a blank record is an empty box and 0.
    CajaCargada Alt1;
    CajaCargada Alt2;
    CajaCargada Alt3;
    std::int16_t NumeroTramos = 0; // run blocks in the file (record 20)
    // The runs in file order; a block whose number record is empty has no entry, and the
    // others keep their own block.
    std::vector<TramoEnFichero> Tramos;
};

enum class FalloCabecera {
    Ninguno,
    Version,     // record 1 is not the format mark
    Idioma,      // record 2 does not start "IDIOMA : "
    Unidades,    // record 3 does not start "SisUnid: "
    GolpeAriete, // record 4 does not start "GAriete: "
    Danada,      // a record that is not what the writer writes
};

struct LecturaCabecera {
    FalloCabecera fallo = FalloCabecera::Ninguno;
    std::int32_t registro = 0; // the damaged record
    CabeceraCargada cabecera;
};

LecturaCabecera LeeCabecera(const FicheroRegistros &fichero, const EstadoEjecucion &ejecucion);

// A run block as the loader puts it into the window: every box gets a text (empty where the
// record is empty or holds the zero of a pressure or modulus pair) and every variable a value;
// codes are the stored numbers, 0 where the record is empty. Pairs are read in the unit system
// given.
struct BloqueCargado {
    std::string edTramo;
    std::string edDescriTramo;
    std::int16_t Tipologia = 0;
    bool edIcontes0 = false; // ticked; the greyed state reads as not ticked
    CajaCargada edAdato;
    std::int16_t TipoControl = 0;
    std::int16_t IndicadorCamisa = 0;
    CajaCargada edCamMax;
    CajaCargada edFck;
    CajaCargada edFct;
    CajaCargada edFyk;
    CajaCargada edFyd;
    CajaCargada edGamaB;
    bool edIcontes1 = false;
    CajaCargada edCoepre1;
    CajaCargada edDelca;
    CajaCargada edEs;
    CajaCargada edEp;
    CajaCargada edFckno;
    CajaCargada edFckn;
    CajaCargada edFckr;
    CajaCargada edSFck;
    CajaCargada edSf;
    CajaCargada edRel;
    CajaCargada edFic;
    CajaCargada edFir;
    CajaCargada edEpsc;
    CajaCargada edEpsr;
    CajaCargada edDi0;
    CajaCargada edEsp0;
    CajaCargada edDe0;
    CajaCargada edReci0;
    CajaCargada edRece0;
    CajaCargada edGc0;
    std::int16_t vICUNA = 0;
    std::int16_t CodigoColocacion = 0;
    CajaCargada edHr0;
    CajaCargada edB0;
    CajaCargada edGr0;
    CajaCargada edFi0;
    std::int16_t TipoRelleno = 0;
    CajaCargada edHr1;
    std::int16_t IndiceAsentamiento = 0;
    CajaCargada edQDato0;
    std::int16_t CalculoCargas = 1;
    std::int16_t TipoCargaConcentrada = 0;
    CajaCargada edPrs1Tram;
    CajaCargada edPrs2Tram;
    CajaCargada edPrsM1Tram;
    CajaCargada edPrsM2Tram;
    CajaCargada edHr0Final;
    CajaCargada edHr0Delta;
    CajaCargada edPrs3Tram;
    CajaCargada edFYKPost;
};

struct LecturaBloque {
    bool correcta = false;
    std::int32_t registro = 0; // the first damaged record when not correcta
    BloqueCargado bloque;
};

// Reads and checks the block at file position k (1 to 545), all of it before anything is used:
// a record that is not what the writer writes (a number that is not one, a pair without
// " // ", a code outside its list, a length above 126) makes the whole block damaged.
LecturaBloque LeeBloque(const FicheroRegistros &fichero, std::int16_t k, bool enMKS,
                        const EstadoEjecucion &ejecucion);

} // namespace dravek

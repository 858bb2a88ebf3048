#pragma once

// The adjustments file (".dpe") beside a project file: the reinforcement the engineer chose
// instead of the design's for one case (run, design pressure, fill height). Record 1 holds the
// last record in use, 8 x (entries) + 1, or 0; entry k fills records 8 (k - 1) + 2 to + 9: DP,
// run number, the three chosen areas, the fill height, and two spare records. Every value is
// written "#####0.00" with the user's decimal separator and read with either.
//
// Every change rewrites the whole file at once (Ficheros.h). A missing file has no entries and
// is never created by a reader or by voiding.

#include "core/model/EstadoObra.h"
#include "core/reinforced/AjustesGuardados.h"
#include "core/storage/FicheroRegistros.h"
#include "core/storage/Ficheros.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dravek {

// Entries are numbered in 16 bits: entry k ends the file's record count at 8 k + 1 <= 32767.
inline constexpr std::int16_t MaximoAjustes = 4095;

struct ResultadoAjustes {
    enum class Estado {
        Hecho,
        Lleno,          // the file holds MaximoAjustes entries and none is free
        Ilegible,       // the file cannot be read, or a record of it is not a number
        FalloEscritura, // the file could not be written; it is as it was
    };
    Estado estado = Estado::Hecho;
    std::string error; // the system's description of a read or write failure

    explicit operator bool() const { return estado == Estado::Hecho; }
};

class FicheroAjustes final : public AjustesGuardados {
public:
    // nombre: the adjustments file's path (DerivaNombreFicheroAjustes of the project file).
    FicheroAjustes(SistemaFicheros &ficheros, std::string nombre,
                   const EstadoEjecucion &ejecucion);

    // The file is read once, on first use, and kept while this object lives (a calculation);
    // the writers below read it afresh.
    std::int16_t BuscaAjusteGuardado(double DP, std::int16_t TramoActual,
                                     double AlturaActual) override;
    std::optional<AjusteGuardado> LeeAjusteGuardado(std::int16_t k) override;
    std::string NombreFicheroAjustes() const override { return m_nombre; }

    // The case's entry from the adjustment window's choice: with a choice, the entry's areas
    // and height are rewritten, or a free entry (the last one) takes the case, or a new entry is
    // appended; without one (the calculated result kept) the case's entry is freed. The run
    // number stored is TramoActual.
    ResultadoAjustes GrabaUnTramoPresion(double DP, std::int16_t TramoActual, double AlturaActual,
                                         const std::optional<AjusteGuardado> &eleccion);

    // Frees every entry of the run. Nothing is written when none has it.
    ResultadoAjustes AnulaAjustesTramo(std::int16_t TramoActual);

    // Empties an existing file (a new project saved over an old one starts with no overrides).
    ResultadoAjustes Vacia();

private:
    struct Entrada {
        double DP = 0;
        std::int16_t Tramo = 0;
        double Altura = 0;
    };
    // Reads the file from the disk into m_fichero. False when it cannot be read.
    bool Carga(ResultadoAjustes &resultado);
    bool Cargado();
    std::optional<std::int32_t> UltimoRegistro() const;
    std::optional<Entrada> LeeEntrada(std::int16_t k) const;
    std::int16_t Busca(double DP, std::int16_t TramoActual, double AlturaActual) const;
    std::string Texto(double valor) const;
    ResultadoAjustes Guarda(const FicheroRegistros &nuevo);

    SistemaFicheros &m_ficheros;
    std::string m_nombre;
    const EstadoEjecucion &m_ejecucion;
    bool m_leido = false;
    bool m_legible = false;
    FicheroRegistros m_fichero;
};

} // namespace dravek

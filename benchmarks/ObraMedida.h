#pragma once

// The project file of the benchmarks that open one: runs prepared as TramosMedida prepares
// them, stored as the save command stores a run and written by the storage code's codec.

#include "TramosMedida.h"
#include "core/engine/UnidadesCalculo.h"
#include "core/entry/AlmacenObra.h"
#include "core/model/EstadoObra.h"
#include "core/storage/FicheroRegistros.h"
#include "core/storage/Ficheros.h"
#include "core/storage/RegistrosObra.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

namespace dravek::medida {

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
        BloqueTramo numerado;
        numerado.Numero = std::to_string(k);
        numerado.Descripcion = "TRAMO " + numerado.Numero;
        BloqueTramo bloque;
        {
            // The SI copies of the run's values, as a calculation keeps them; the working values
            // of an MKS run stay as they are.
            const GuardaUnidadesCalculo unidades(estado);
            bloque = BloqueConValores(std::move(numerado), estado.tramo, estado.valoresSI);
        }
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

// The project file of ProyectoDeMedida written at ruta; false when it was not.
template <typename Prepara>
bool EscribeProyectoDeMedida(const std::string &ruta, int tramos, const Prepara &prepara)
{
    const std::string bytes = ProyectoDeMedida(tramos, prepara);
    SistemaFicherosDisco ficheros;
    return !bytes.empty() && ficheros.EscribeEntero(ruta, bytes).empty();
}

} // namespace dravek::medida

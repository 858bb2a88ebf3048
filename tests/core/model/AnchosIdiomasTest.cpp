// Every text the listings print in a field of fixed width fits that width in every language.
// The widths are not typed here: each listing declares the fields it prints with the width it
// prints them at (CampoTextos and the width constants beside the code), and the label tables
// that join texts are built by the program's own routines. A text longer than its field would
// be cut in the listing; a translation must never be. The Spanish wording is the inherited one,
// which this table does not change: where it is longer than its field the listing has always
// cut it, and those cuts are named below so that no new one passes unseen.

#include "IdiomasPrueba.h"
#include "core/engine/DatosTramoListado.h"
#include "core/engine/ImprimeDatosCaso.h"
#include "core/engine/Ovaliz.h"
#include "core/engine/TablaCargas.h"
#include "core/listing/CamposTexto.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/EstadoObra.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/Utf8.h"
#include "core/posttensioned/ListadoPostesado.h"
#include "core/protection/InformeAgresividad.h"
#include "core/reinforced/DisponeArmadura.h"
#include "core/reinforced/ListadoArmado.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Caracteres;
using pruebas::Idioma;
using pruebas::Idiomas;
using pruebas::SinBlancosFinales;

struct CampoListado {
    const char *donde;
    CampoTextos campo;
};

// Every field the listings declare.
std::vector<CampoListado> Campos()
{
    std::vector<CampoListado> campos;
    const auto anade = [&campos](const char *donde, const auto &lista) {
        for (const CampoTextos &campo : lista) {
            campos.push_back({donde, campo});
        }
    };
    anade("case heading", CamposDatosCaso);
    anade("ring analysis", CamposAnillo);
    anade("run data report", CamposDatosTramo);
    anade("load table", std::vector<CampoTextos>{CampoCargaMovilTabla});
    anade("reinforced-concrete listing", CamposListadoArmado);
    anade("several-layers warning", std::vector<CampoTextos>{CampoNombreCara});
    anade("post-tensioned listing", CamposListadoPostesado);
    return campos;
}

// One text that does not fit its field.
struct Desborde {
    std::string donde;
    std::string texto;
    int ancho;

    bool operator<(const Desborde &otro) const
    {
        return donde != otro.donde ? donde < otro.donde : texto < otro.texto;
    }
};

std::string Describe(const std::set<Desborde> &desbordes)
{
    std::string s;
    for (const Desborde &d : desbordes) {
        s += "  " + d.donde + ": \"" + d.texto + "\" (" +
             std::to_string(Caracteres(SinBlancosFinales(d.texto))) + " characters) in " +
             std::to_string(d.ancho) + "\n";
    }
    return s;
}

// The texts, trailing blanks aside, longer than their field in one language.
std::set<Desborde> Desbordes(const Idioma &idioma)
{
    std::set<Desborde> desbordes;
    const auto mide = [&desbordes](const std::string &donde, const std::string &texto,
                                   std::size_t ancho) {
        if (Caracteres(SinBlancosFinales(texto)) > ancho) {
            desbordes.insert({donde, texto, static_cast<int>(ancho)});
        }
    };
    const std::int32_t d = idioma.desplazamiento;

    for (const CampoListado &c : Campos()) {
        for (std::int32_t k = 0; k < c.campo.cuantos; ++k) {
            const std::int32_t n = c.campo.primero + k;
            mide(std::string(c.donde) + ", text " + std::to_string(n), Texto(d, n),
                 static_cast<std::size_t>(c.campo.ancho));
        }
    }

    // The label tables the run data report builds from the table.
    EstadoObra estado;
    estado.ejecucion.DesplazamientoIdioma = d;
    ConstruyeEtiquetas(estado);
    const EtiquetasTramo &e = estado.etiquetas;
    for (std::size_t i = 1; i < e.NombresColocacion.size(); ++i) {
        for (std::size_t j = 1; j < e.NombresColocacion[i].size(); ++j) {
            const std::string donde = "installation " + std::to_string(10 * i + j);
            mide("Normal report, " + donde, e.NombresColocacion[i][j], AnchoColocacion);
            mide("Tabular run line, " + donde, e.NombresColocacion[i][j], AnchoColocacionTabular);
        }
    }
    for (std::size_t k = 1; k < e.NombresRelleno.size(); ++k) {
        for (std::size_t l = 1; l < e.NombresRelleno[k].size(); ++l) {
            mide("fill soil " + std::to_string(10 * k + l), e.NombresRelleno[k][l],
                 AnchoNombreRelleno);
        }
    }
    for (std::size_t i = 1; i < e.NombresAsentamiento.size(); ++i) {
        mide("settlement ratio " + std::to_string(i), e.NombresAsentamiento[i], AnchoAsentamiento);
    }
    for (const std::int16_t tipologia :
         std::vector<std::int16_t>{1100, 1210, 1220, 2100, 2211, 2212, 2221, 2222}) {
        mide("pipe kind " + std::to_string(tipologia), TextoTipoTubo(d, tipologia), AnchoTipoTubo);
    }

    // The input names of the protection adviser's report, padded so that the values line up.
    const EtiquetasAgresividad agresividad = EtiquetasAgresividadIdioma(d);
    for (const std::string &nombre : agresividad.lbAguas) {
        mide("adviser's factor line", Recorta(nombre), AnchoNombreFactor);
    }
    return desbordes;
}

TEST(AnchosIdiomas, LasTraduccionesCabenEnSusCampos)
{
    for (const Idioma &idioma : pruebas::Traducciones) {
        SCOPED_TRACE(idioma.nombre);
        const std::set<Desborde> desbordes = Desbordes(idioma);
        EXPECT_TRUE(desbordes.empty()) << "texts longer than their field:\n"
                                       << Describe(desbordes);
    }
}

// The Spanish cuts the listings have always made: the live load's full name in the 15
// characters of the Tabular run line, the one installation name of 41 characters without
// blanks in the 38 of that line, and five post-tensioned hypothesis names in the 26 characters
// of the Pantalla force table.
TEST(AnchosIdiomas, ElEspanolSoloPierdeLoQueSiemprePerdio)
{
    const std::string tabular = "run data report, text ";
    const std::string postesado = "post-tensioned listing, text ";
    const int hipotesis = CampoHipotesisPostesado.ancho;
    const std::set<Desborde> heredados = {
        {postesado + "889", Texto(0, 889), hipotesis},
        {postesado + "890", Texto(0, 890), hipotesis},
        {postesado + "891", Texto(0, 891), hipotesis},
        {postesado + "892", Texto(0, 892), hipotesis},
        {postesado + "893", Texto(0, 893), hipotesis},
        {tabular + "122", Texto(0, 122), CampoCargaMovilTabular.ancho},
        {tabular + "123", Texto(0, 123), CampoCargaMovilTabular.ancho},
        {tabular + "124", Texto(0, 124), CampoCargaMovilTabular.ancho},
        {tabular + "125", Texto(0, 125), CampoCargaMovilTabular.ancho},
        {"Tabular run line, installation 21", Texto(0, 331), AnchoColocacionTabular},
    };
    const std::set<Desborde> desbordes = Desbordes(Idiomas[0]);
    EXPECT_EQ(Describe(desbordes), Describe(heredados));
}

// The report shows only the first characters of a cradle's name before its angle: the cut must
// fall at the end of a word in every language ("Granular, 90 grd" shows as "Granular").
TEST(AnchosIdiomas, ElNombreCortoDeLaCunaEsUnaPalabraEntera)
{
    const auto esLetra = [](std::int32_t c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0;
    };
    for (const Idioma &idioma : Idiomas) {
        EstadoObra estado;
        estado.ejecucion.DesplazamientoIdioma = idioma.desplazamiento;
        ConstruyeEtiquetas(estado);
        for (std::size_t i = 1; i < estado.etiquetas.NombresCuna.size(); ++i) {
            const std::string &nombre = estado.etiquetas.NombresCuna[i];
            SCOPED_TRACE(std::string(idioma.nombre) + ", cradle \"" + nombre + "\"");
            // Code points of the name, to look at the two sides of the cut.
            std::vector<std::int32_t> c;
            for (std::size_t b = 0; b < nombre.size(); b += LongitudCaracterUtf8(nombre, b)) {
                c.push_back(CodigoCaracterUtf8(nombre, b));
            }
            const auto corte = static_cast<std::size_t>(CaracteresNombreCuna);
            ASSERT_GE(c.size(), corte) << "the angle would move left";
            if (c.size() > corte) {
                EXPECT_FALSE(esLetra(c[corte - 1]) && esLetra(c[corte]))
                    << "the cut splits a word";
            }
        }
    }
}

} // namespace
} // namespace dravek

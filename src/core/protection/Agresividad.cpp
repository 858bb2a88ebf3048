#include "core/protection/Agresividad.h"

#include <algorithm>

namespace dravek {

namespace {

constexpr double DosificacionMedia = 350; // kg/m3
constexpr double RelacionMedia = 0.50;
constexpr double DosificacionAlta = 400; // kg/m3
constexpr double RelacionAlta = 0.45;

// Upper bounds (inclusive) of the weak and medium bands of a property that grows with the
// attack; below the weak band's lower bound the water is not aggressive for it.
int GradoCreciente(double x, double minimoDebil, double maximoDebil, double maximoMedio)
{
    if (x > maximoMedio) {
        return 3;
    }
    if (x > maximoDebil) {
        return 2;
    }
    if (x >= minimoDebil) {
        return 1;
    }
    return 0;
}

// The content and the ratio always change together.
void PonDosificacion(MedidasAgresividad &m, double dosificacion)
{
    m.DosificacionCemento = dosificacion;
    m.RelacionAguaCemento = dosificacion == DosificacionAlta ? RelacionAlta : RelacionMedia;
}

void MedidasAguas(MedidasAgresividad &m)
{
    switch (m.GradoAguas) {
    case 1:
        PonDosificacion(m, DosificacionMedia);
        break;
    case 2:
        PonDosificacion(m, DosificacionAlta);
        break;
    case 3:
        PonDosificacion(m, DosificacionAlta);
        m.NecesidadesAdicionales = true;
        break;
    default:
        break;
    }
}

// The cement content only ever rises; the sulphate-resisting cement and the grade follow the
// sulphates whatever content the other media already asked for.
void SubeDosificacion(MedidasAgresividad &m, double dosificacion)
{
    if (m.DosificacionCemento < dosificacion) {
        PonDosificacion(m, dosificacion);
    }
}

void SulfatosAguaExterior(MedidasAgresividad &m, double x)
{
    if (x <= 200) {
        return;
    }
    if (x <= 600) {
        SubeDosificacion(m, DosificacionMedia);
        m.GradoAgresividad = 1;
    } else if (x <= 3000) {
        SubeDosificacion(m, DosificacionMedia);
        m.TipoCemento = ClaseCemento::SR;
        m.GradoAgresividad = 2;
    } else if (x <= 6000) {
        SubeDosificacion(m, DosificacionAlta);
        m.TipoCemento = ClaseCemento::SR;
        m.GradoAgresividad = 3;
    } else {
        SubeDosificacion(m, DosificacionAlta);
        m.TipoCemento = ClaseCemento::SR;
        m.NecesidadesAdicionales = true;
        m.GradoAgresividad = 4;
    }
}

// A band of the inner water applies only while the outer water asked for less.
void SulfatosAguaInterior(MedidasAgresividad &m, double x)
{
    if (x <= 200) {
        return;
    }
    if (x <= 600) {
        if (m.GradoAgresividad < 2) {
            SubeDosificacion(m, DosificacionMedia);
            m.TipoCemento = ClaseCemento::SR;
        }
    } else if (x <= 3000) {
        if (m.GradoAgresividad < 3) {
            SubeDosificacion(m, DosificacionMedia);
            m.TipoCemento = ClaseCemento::SR;
        }
    } else if (x <= 6000) {
        if (m.GradoAgresividad < 4) {
            SubeDosificacion(m, DosificacionAlta);
            m.TipoCemento = ClaseCemento::SR;
        }
    } else {
        SubeDosificacion(m, DosificacionAlta);
        m.TipoCemento = ClaseCemento::SR;
        m.NecesidadesAdicionales = true;
    }
}

void SulfatosTerreno(MedidasAgresividad &m, double x, bool ciclosHumedad)
{
    if (x <= 2000) {
        return;
    }
    if (x <= 3000) {
        SubeDosificacion(m, DosificacionMedia);
    } else if (x <= 12000) {
        SubeDosificacion(m, DosificacionMedia);
        m.TipoCemento = ClaseCemento::SR;
    } else {
        SubeDosificacion(m, DosificacionAlta);
        m.TipoCemento = ClaseCemento::SR;
        if (ciclosHumedad) {
            m.NecesidadesAdicionales = true;
        }
    }
}

} // namespace

Magnitud MagnitudAgresividad(int elemento)
{
    switch (elemento) {
    case ElementoPH:
        return Magnitud::PHAgua;
    case ElementoSulfatosTerreno:
        return Magnitud::SulfatosTerreno;
    case ElementoResistividad:
        return Magnitud::ResistividadTerreno;
    case ElementoCorriente:
        return Magnitud::CorrienteVagabunda;
    default:
        return Magnitud::ConcentracionAgua;
    }
}

int GradoPH(double pH)
{
    if (pH <= 0 || pH > 6.5) {
        return 0;
    }
    if (pH >= 4.5) {
        return 1;
    }
    return pH >= 4.0 ? 2 : 3;
}

int GradoCO2(double co2)
{
    return GradoCreciente(co2, 15, 60, 100);
}

int GradoNH4(double nh4)
{
    return GradoCreciente(nh4, 15, 30, 60);
}

int GradoMg(double mg)
{
    return GradoCreciente(mg, 300, 1500, 3000);
}

int GradoAguas(const ValoresAgresion &valores)
{
    return std::max({GradoPH(valores[ElementoPH]), GradoCO2(valores[ElementoCO2]),
                     GradoNH4(valores[ElementoNH4]), GradoMg(valores[ElementoMg])});
}

MedidasAgresividad CalculaMedidas(const ValoresAgresion &valores, bool Check1)
{
    MedidasAgresividad m;
    m.GradoAguas = GradoAguas(valores);
    MedidasAguas(m);
    SulfatosAguaExterior(m, valores[ElementoSulfatosExterior]);
    SulfatosAguaInterior(m, valores[ElementoSulfatosInterior]);
    SulfatosTerreno(m, valores[ElementoSulfatosTerreno], Check1);
    return m;
}

} // namespace dravek

#include "core/adjustment/FilasArmadura.h"

#include <algorithm>
#include <optional>

namespace dravek {

void DisponeFilasTabla(FilasTanteo &filas, std::int16_t FilaValorMedio,
                       const TablasPredeterminadas &tablas)
{
    for (int i = 1; i <= 7; ++i) {
        filas.V[static_cast<std::size_t>(i)] = 0;
        filas.E[static_cast<std::size_t>(i)] = 0;
        filas.Admisible[static_cast<std::size_t>(i)] = false;
        filas.EsTanteo[static_cast<std::size_t>(i)] = false;
    }
    if (FilaValorMedio < 1 || FilaValorMedio > 7) {
        return;
    }
    const auto tanteo = static_cast<std::size_t>(FilaValorMedio);
    filas.V[tanteo] = filas.T;
    filas.Admisible[tanteo] = true;
    filas.EsTanteo[tanteo] = true;

    const int n = std::min<int>(tablas.NumeroArmadurasInternas, TablasPredeterminadas::MaxFilas);
    const auto entrada = [&](int j) {
        return tablas.ArmadurasInternasPredeterminadas[static_cast<std::size_t>(j)];
    };
    int k = 0;
    for (int j = 1; j <= n; ++j) {
        if (entrada(j) > filas.T) {
            k = j;
            break;
        }
    }
    if (k == 0) {
        return; // no entry above the trial value: only the trial row
    }
    const int base = (k > 1 && entrada(k - 1) == filas.T) ? k - 1 : k;
    const auto busca = [&](int i, int desde) {
        const int j = desde + (i - FilaValorMedio);
        const auto fila = static_cast<std::size_t>(i);
        if (j >= 1 && j <= n && !(entrada(j) < filas.X)) {
            filas.Admisible[fila] = true;
            filas.V[fila] = entrada(j);
        }
    };
    for (int i = 1; i < FilaValorMedio; ++i) {
        busca(i, base);
    }
    for (int i = FilaValorMedio + 1; i <= 7; ++i) {
        busca(i, k - 1);
    }
}

FilasTanteo CalculaFilasTanteo(const EstadoObra &estado,
                               const RecubrimientosComprobacion &recubrimientos,
                               std::int16_t FilaValorMedio)
{
    const CantidadesComprobacion c = CalculaCantidades(estado, recubrimientos);
    const ResultadosCaso &res = estado.resultados;

    struct Seccion {
        bool interior = true;
        double d = 0, M = 0, N = 0;
        bool pequena = false;
        bool definida = false;
    };
    // Invert, haunch, crown: the order the trial value is worked in.
    const std::array<SeccionComprobacion, 3> orden{
        SeccionComprobacion::Solera, SeccionComprobacion::Rinones, SeccionComprobacion::Clave};
    std::array<Seccion, 3> secciones{};
    FilasTanteo filas;
    double suma = 0;
    double p = estado.caso.DP;
    for (std::size_t i = 0; i < orden.size(); ++i) {
        const auto elemento = static_cast<std::size_t>(ElementoSeccion(orden[i]));
        Seccion &s = secciones[i];
        const double momento = res.MomentosPesimos[elemento];
        s.interior = TraccionInterior(orden[i], momento);
        s.d = s.interior ? c.t - c.ci : c.t - c.ce;
        s.M = CalculaM(momento);
        p = PresionHipotesis(res.HipotesisPesima, p, estado.caso);
        s.N = CalculaN(res.AxilesPesimos[elemento], p, estado.tramo.vDi);
        double caso = 0;
        const std::optional<double> A = Linea_5050(s.N, s.M, c.z, c.s, s.d, c.Fcad, caso);
        s.pequena = caso == 1.0;
        s.definida = A.has_value();
        if (!A) {
            filas.TanteoIncompleto = true;
            continue;
        }
        suma += *A;
        if (!s.pequena && s.M > 0 && *A > filas.X) {
            filas.X = *A;
        }
    }
    filas.T = filas.TanteoIncompleto ? filas.X : suma / 3.0;
    if (filas.T < filas.X) {
        filas.T = filas.X;
    }
    DisponeFilasTabla(filas, FilaValorMedio, estado.tablas);

    for (std::size_t i = 1; i <= 7; ++i) {
        if (!filas.Admisible[i]) {
            continue;
        }
        const double V = filas.V[i];
        for (const Seccion &s : secciones) {
            if (!s.definida) {
                continue;
            }
            std::optional<double> necesidad;
            double caso = 0;
            if (s.interior) {
                necesidad = s.pequena ? Linea_6030(c.s, c.z, V, s.N, s.M) : std::optional(0.0);
            } else {
                necesidad = s.pequena ? Linea_6000(c.z, c.s, V, s.N, s.M)
                                      : Linea_5240(s.M, s.N, c.z, c.t - c.ce, c.Fcad, c.s, caso);
            }
            // A negative need, or one without a value, leaves the row's need as it is.
            if (necesidad && *necesidad > filas.E[i]) {
                filas.E[i] = *necesidad;
            }
        }
    }
    return filas;
}

} // namespace dravek

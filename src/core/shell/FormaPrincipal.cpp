#include "core/shell/FormaPrincipal.h"

#include "core/model/TextoRecurso.h"
#include "core/shell/DatosPredeterminados.h"
#include "core/shell/Registro.h"

#include <filesystem>

namespace dravek {

FormaPrincipal::FormaPrincipal(EstadoObra &estado, Mensajes &mensajes)
    : m_estado(estado), m_mensajes(mensajes)
{
}

bool FormaPrincipal::Arranca(const std::string &carpetaPrograma, LocalUsuario &local)
{
    EstadoEjecucion &ejecucion = m_estado.ejecucion;
    // Spanish until the language setting comes in with the menus.
    ejecucion.Idioma = 1;
    ejecucion.DesplazamientoIdioma = 0;
    PonSeparadorDecimal(ejecucion, local);

    ejecucion.RutaAplicacion = carpetaPrograma;
    if (ejecucion.RutaAplicacion.empty() || ejecucion.RutaAplicacion.back() != '/')
        ejecucion.RutaAplicacion += '/';

    const std::string logo = Texto(ejecucion.DesplazamientoIdioma, 406);
    std::error_code error;
    if (!std::filesystem::is_regular_file(ejecucion.RutaAplicacion + logo, error)) {
        m_mensajes.Muestra(Texto(ejecucion.DesplazamientoIdioma, 398) + " " + logo,
                           BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
        return false;
    }
    m_picture = ejecucion.RutaAplicacion + logo;
    // The hidden picture window that the printed listing paints from starts with the section
    // of a reinforced-concrete pipe; a missing file only leaves that picture blank on paper.
    m_estado.frFiguras.ptArmado =
        ejecucion.RutaAplicacion + Texto(ejecucion.DesplazamientoIdioma, 420);

    using Lector = ErrorDatosPredeterminados (*)(const std::string &, const EstadoEjecucion &,
                                                TablasPredeterminadas &);
    for (Lector lee : {Lector{LeeGeometriaPredeterminada}, Lector{LeeArmadurasPredeterminadas},
                       Lector{LeeLimiteAnchoZanja}}) {
        const ErrorDatosPredeterminados e = lee(ejecucion.RutaAplicacion, ejecucion,
                                                m_estado.tablas);
        if (e.hayError) {
            m_mensajes.Muestra(e.texto, e.botones, e.icono, e.titulo);
            return false;
        }
    }
    return true;
}

} // namespace dravek

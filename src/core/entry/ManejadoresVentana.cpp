#include "core/entry/CapturaDatos.h"

namespace dravek {

void CapturaDatos::ConectaManejadoresVentana()
{
    rdSistemaUnidades.Click = [this](int Index) { rdSistemaUnidades_Click(Index); };
    rdTipoColocacion.Click = [this](int Index) { rdTipoColocacion_Click(Index); };
    rdGolpeAriete.Click = [this](int Index) { rdGolpeAriete_Click(Index); };
    TabPrincipal.Click = [this](int PreviousTab) { TabPrincipal_Click(PreviousTab); };
    TabDatosColocacion.Click = [this](int PreviousTab) { TabDatosColocacion_Click(PreviousTab); };
    edTipoCuna0.Click = [this] { edTipoCuna0_Click(); };
    edTipoCuna0.GotFocus = [this] { edTipoCuna0_GotFocus(); };
    edTipoCuna0.Validate = [this](bool &Cancel) { edTipoCuna0_Validate(Cancel); };
    edTipoRelleno0.Click = [this] { edTipoRelleno0_Click(); };
    edTipoRelleno0.GotFocus = [this] { edTipoRelleno0_GotFocus(); };
    edTipoRelleno0.Validate = [this](bool &Cancel) { edTipoRelleno0_Validate(Cancel); };
    edFYKPost.GotFocus = [this] { edFYKPost_GotFocus(); };
    edFYKPost.Validate = [this](bool &Cancel) { edFYKPost_Validate(Cancel); };
}

} // namespace dravek

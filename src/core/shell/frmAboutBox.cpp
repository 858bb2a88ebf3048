#include "core/shell/frmAboutBox.h"

#include "core/model/TextoRecurso.h"

namespace dravek {

frmAboutBox::frmAboutBox(const EstadoObra &estado) : m_estado(estado)
{
    lblLabels(0);
    lblLabels(1);
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdOK.KeyPress = [this](std::int32_t &KeyAscii) { cmdOK_KeyPress(KeyAscii); };
}

void frmAboutBox::Form_Load()
{
    const std::int32_t desplazamiento = m_estado.ejecucion.DesplazamientoIdioma;
    Caption = Texto(desplazamiento, 695);
    lblLabels(0).Caption = Texto(desplazamiento, 696);
    lblLabels(1).Caption = Texto(desplazamiento, 697);
    cmdOK.Caption = Texto(desplazamiento, 700);
    SetFocus(cmdOK);
}

void frmAboutBox::cmdOK_Click()
{
    m_descargada = true;
}

void frmAboutBox::cmdOK_KeyPress(std::int32_t & /*KeyAscii*/)
{
    m_descargada = true;
}

void frmAboutBox::Form_KeyPress(std::int32_t & /*KeyAscii*/)
{
    m_descargada = true;
}

} // namespace dravek

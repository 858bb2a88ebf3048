#include "gui/shell/ModeloLineas.h"

#include "core/shell/IndiceLineas.h"

#include <algorithm>
#include <limits>

namespace dravek::gui {

namespace {

QString LineaQt(std::string_view linea)
{
    return QString::fromUtf8(linea.data(), static_cast<qsizetype>(linea.size()));
}

} // namespace

void ModeloLineas::Pon(const std::string &texto, const IndiceLineas &indice)
{
    beginResetModel();
    m_texto = &texto;
    m_indice = &indice;
    m_datos = texto.data();
    m_tamano = texto.size();
    endResetModel();
}

bool ModeloLineas::Muestra(const std::string &texto, const IndiceLineas &indice) const
{
    return m_texto == &texto && m_indice == &indice && m_datos == texto.data() &&
           m_tamano == texto.size() && indice.De(texto);
}

int ModeloLineas::rowCount(const QModelIndex &padre) const
{
    if (padre.isValid() || !m_indice) {
        return 0;
    }
    return static_cast<int>(
        std::min<std::size_t>(m_indice->Lineas(), std::numeric_limits<int>::max()));
}

QVariant ModeloLineas::data(const QModelIndex &indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= rowCount()) {
        return {};
    }
    if (rol == Qt::DisplayRole) {
        return LineaQt(m_indice->Linea(*m_texto, static_cast<std::size_t>(indice.row())));
    }
    return {};
}

Qt::ItemFlags ModeloLineas::flags(const QModelIndex &indice) const
{
    if (!indice.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

QString ModeloLineas::Texto(int primera, int ultima) const
{
    primera = std::max(primera, 0);
    ultima = std::min(ultima, rowCount() - 1);
    if (primera > ultima) {
        return {};
    }
    const std::string_view desde = m_indice->Linea(*m_texto, static_cast<std::size_t>(primera));
    const std::string_view hasta = m_indice->Linea(*m_texto, static_cast<std::size_t>(ultima));
    // The lines lie one after the other in the text, their line ends between them.
    return LineaQt(std::string_view(
        desde.data(), static_cast<std::size_t>(hasta.data() - desde.data()) + hasta.size()));
}

} // namespace dravek::gui

#include "gui/plataforma/TraduccionesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>

namespace dravek::gui {

namespace {

// The catalogues that may serve a language, the first found in use.
QStringList Catalogos(std::int16_t Idioma)
{
    switch (Idioma) {
    case 1:
        return {QStringLiteral("qtbase_es")};
    case 3:
        return {QStringLiteral("qtbase_ca")};
    case 4:
        return {QStringLiteral("qtbase_pt_PT"), QStringLiteral("qtbase_pt"),
                QStringLiteral("qtbase_pt_BR")};
    case 5:
        return {QStringLiteral("qtbase_fr")};
    default:
        return {};
    }
}

} // namespace

TraduccionesQt::TraduccionesQt(QString carpeta)
    : m_carpeta(carpeta.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                  : std::move(carpeta))
{
}

TraduccionesQt::~TraduccionesQt()
{
    if (m_instalado) {
        QCoreApplication::removeTranslator(&m_traductor);
    }
}

void TraduccionesQt::PonIdioma(std::int16_t Idioma)
{
    // Removed and installed again: the widgets are told of the change only on installation.
    if (m_instalado) {
        QCoreApplication::removeTranslator(&m_traductor);
        m_instalado = false;
    }
    for (const QString &catalogo : Catalogos(Idioma)) {
        if (m_traductor.load(catalogo, m_carpeta)) {
            m_instalado = QCoreApplication::installTranslator(&m_traductor);
            return;
        }
    }
}

} // namespace dravek::gui

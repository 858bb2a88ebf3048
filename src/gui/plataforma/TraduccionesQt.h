#pragma once

#include "core/plataforma/TextosPlataforma.h"

#include <QString>
#include <QTranslator>

namespace dravek::gui {

// Qt's own texts through Qt's translation catalogues ("qtbase_<language>.qm", Debian package
// qt6-translations-l10n): installed in the application while the interface language has one,
// removed for English, which Qt speaks by itself. Portuguese has only the Brazilian catalogue,
// which stands in for it.
class TraduccionesQt final : public TextosPlataforma {
public:
    // The folder of the catalogues; Qt's own translations folder unless a test gives one.
    explicit TraduccionesQt(QString carpeta = {});
    ~TraduccionesQt() override;
    TraduccionesQt(const TraduccionesQt &) = delete;
    TraduccionesQt &operator=(const TraduccionesQt &) = delete;

    void PonIdioma(std::int16_t Idioma) override;

    // The file of the catalogue in force; empty when none is.
    QString Catalogo() const { return m_instalado ? m_traductor.filePath() : QString(); }

private:
    QString m_carpeta;
    QTranslator m_traductor;
    bool m_instalado = false;
};

} // namespace dravek::gui

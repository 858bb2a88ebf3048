#include "gui/plataforma/AlmacenConfiguracionQt.h"

#include "core/storage/Registro.h"
#include "gui/comun/TextoQt.h"

#include <QByteArray>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace dravek::gui {

namespace {

// A key exists when its group holds this entry, so that a key without values is kept too.
// Values are stored as "tipo:" and "datos:" followed by their name, which no marker can match.
QString Marca()
{
    return QStringLiteral("existe");
}
QString PrefijoTipo()
{
    return QStringLiteral("tipo:");
}
QString PrefijoDatos()
{
    return QStringLiteral("datos:");
}

// "/" and "\" separate groups in QSettings: inside one name they are escaped, and "%" before
// them so that every name keeps its own entry.
QString Escapa(const std::string &nombre)
{
    QString texto = aQt(nombre);
    texto.replace(QLatin1Char('%'), QStringLiteral("%25"));
    texto.replace(QLatin1Char('/'), QStringLiteral("%2F"));
    texto.replace(QLatin1Char('\\'), QStringLiteral("%5C"));
    return texto;
}

QString NombreRaiz(RaizRegistro raiz)
{
    return raiz == RaizRegistro::MaquinaLocal ? QStringLiteral("HKEY_LOCAL_MACHINE")
                                              : QStringLiteral("HKEY_CURRENT_USER");
}

// The groups of key ruta and of every key above it, the key's own last; ruta must be valid.
QStringList GruposDeClave(RaizRegistro raiz, const std::string &ruta)
{
    QStringList grupos;
    QString grupo = NombreRaiz(raiz);
    std::size_t inicio = 0;
    while (!ruta.empty()) {
        const std::size_t fin = ruta.find('\\', inicio);
        grupo += QLatin1Char('/') + Escapa(ruta.substr(inicio, fin - inicio));
        grupos.append(grupo);
        if (fin == std::string::npos) {
            break;
        }
        inicio = fin + 1;
    }
    return grupos;
}

QString GrupoDeClave(RaizRegistro raiz, const std::string &ruta)
{
    const QStringList grupos = GruposDeClave(raiz, ruta);
    return grupos.isEmpty() ? NombreRaiz(raiz) : grupos.last();
}

bool Graba(QSettings &ajustes)
{
    ajustes.sync();
    return ajustes.status() == QSettings::NoError;
}

} // namespace

AlmacenConfiguracionQt::AlmacenConfiguracionQt()
    : m_carpeta(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                QStringLiteral("/DRAVEK"))
{
}

AlmacenConfiguracionQt::AlmacenConfiguracionQt(const QString &carpeta) : m_carpeta(carpeta) {}

QString AlmacenConfiguracionQt::ficheroRegistro() const
{
    return m_carpeta + QStringLiteral("/registro.ini");
}

QString AlmacenConfiguracionQt::ficheroAjustes(const std::string &aplicacion) const
{
    // The application's name as the file's name; characters a file name may not hold are
    // percent-escaped.
    const QByteArray nombre = QByteArray::fromStdString(aplicacion).toPercentEncoding(" ");
    return m_carpeta + QLatin1Char('/') + QString::fromUtf8(nombre) + QStringLiteral(".ini");
}

bool AlmacenConfiguracionQt::ExisteClave(RaizRegistro raiz, const std::string &ruta)
{
    if (!ValidaClaveRegistro(ruta)) {
        return false;
    }
    if (ruta.empty()) {
        return true; // the root key itself
    }
    QSettings registro(ficheroRegistro(), QSettings::IniFormat);
    return registro.contains(GrupoDeClave(raiz, ruta) + QLatin1Char('/') + Marca());
}

bool AlmacenConfiguracionQt::CreaClave(RaizRegistro raiz, const std::string &ruta)
{
    if (!ValidaClaveRegistro(ruta)) {
        return false;
    }
    if (ruta.empty()) {
        return true;
    }
    QSettings registro(ficheroRegistro(), QSettings::IniFormat);
    for (const QString &grupo : GruposDeClave(raiz, ruta)) {
        registro.setValue(grupo + QLatin1Char('/') + Marca(), 1);
    }
    return Graba(registro);
}

std::optional<ValorRegistro> AlmacenConfiguracionQt::LeeValor(RaizRegistro raiz,
                                                              const std::string &ruta,
                                                              const std::string &nombre)
{
    if (!ExisteClave(raiz, ruta)) {
        return std::nullopt;
    }
    QSettings registro(ficheroRegistro(), QSettings::IniFormat);
    const QString grupo = GrupoDeClave(raiz, ruta) + QLatin1Char('/');
    const QString claveTipo = grupo + PrefijoTipo() + Escapa(nombre);
    if (!registro.contains(claveTipo)) {
        return std::nullopt;
    }
    bool esNumero = false;
    const uint tipo = registro.value(claveTipo).toUInt(&esNumero);
    if (!esNumero) {
        return std::nullopt;
    }
    const QByteArray datos = registro.value(grupo + PrefijoDatos() + Escapa(nombre)).toByteArray();
    return ValorRegistro{static_cast<std::uint32_t>(tipo), datos.toStdString()};
}

bool AlmacenConfiguracionQt::EscribeValor(RaizRegistro raiz, const std::string &ruta,
                                          const std::string &nombre, const ValorRegistro &valor)
{
    if (!ExisteClave(raiz, ruta)) {
        return false;
    }
    QSettings registro(ficheroRegistro(), QSettings::IniFormat);
    const QString grupo = GrupoDeClave(raiz, ruta) + QLatin1Char('/');
    registro.setValue(grupo + PrefijoTipo() + Escapa(nombre), static_cast<uint>(valor.tipo));
    registro.setValue(grupo + PrefijoDatos() + Escapa(nombre),
                      QByteArray::fromStdString(valor.datos));
    return Graba(registro);
}

std::optional<std::string> AlmacenConfiguracionQt::LeeAjuste(const std::string &aplicacion,
                                                             const std::string &seccion,
                                                             const std::string &clave)
{
    QSettings ajustes(ficheroAjustes(aplicacion), QSettings::IniFormat);
    const QString entrada = Escapa(seccion) + QLatin1Char('/') + Escapa(clave);
    if (!ajustes.contains(entrada)) {
        return std::nullopt;
    }
    return deQt(ajustes.value(entrada).toString());
}

void AlmacenConfiguracionQt::GrabaAjuste(const std::string &aplicacion, const std::string &seccion,
                                         const std::string &clave, const std::string &valor)
{
    // A setting that cannot be written is lost silently, as it always was.
    QSettings ajustes(ficheroAjustes(aplicacion), QSettings::IniFormat);
    ajustes.setValue(Escapa(seccion) + QLatin1Char('/') + Escapa(clave), aQt(valor));
    ajustes.sync();
}

} // namespace dravek::gui

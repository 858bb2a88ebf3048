#pragma once

#include <QString>

#include <string>

namespace dravek::gui {

// The one crossing between the core's UTF-8 strings and Qt's.
inline QString aQt(const std::string &texto)
{
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

inline std::string deQt(const QString &texto)
{
    const QByteArray bytes = texto.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace dravek::gui

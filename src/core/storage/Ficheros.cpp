#include "core/storage/Ficheros.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ios>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace dravek {

namespace {

namespace fs = std::filesystem;

// Beside the target, so that the rename stays on one file system and is atomic.
std::string NombreTemporal(const std::string &ruta)
{
    return ruta + ".~tmp";
}

std::string DescribeErrno(int numero)
{
    return std::error_code(numero, std::generic_category()).message();
}

bool VaciaAlDisco(std::FILE *f)
{
    if (std::fflush(f) != 0) {
        return false;
    }
#if defined(_WIN32)
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

// The whole file into bytes: its size asked once and read in one call, then whatever lies
// beyond that size (a file that grew meanwhile, or one whose size the system does not tell) in
// blocks until its end. bad() on the stream tells a read error.
void LeeTodo(std::ifstream &entrada, std::string &bytes)
{
    bytes.clear();
    entrada.seekg(0, std::ios::end);
    const std::streamoff tamano = entrada.tellg();
    entrada.seekg(0, std::ios::beg);
    if (!entrada) {
        // Not seekable: read from where it stands.
        entrada.clear(entrada.rdstate() & std::ios::badbit);
    } else if (tamano > 0) {
        bytes.resize(static_cast<std::size_t>(tamano));
        entrada.read(bytes.data(), static_cast<std::streamsize>(tamano));
        bytes.resize(static_cast<std::size_t>(entrada.gcount()));
    }
    constexpr std::size_t Bloque = 64 * 1024;
    std::size_t leidos = bytes.size();
    while (entrada) {
        bytes.resize(leidos + Bloque);
        entrada.read(bytes.data() + leidos, static_cast<std::streamsize>(Bloque));
        leidos += static_cast<std::size_t>(entrada.gcount());
    }
    bytes.resize(leidos);
}

} // namespace

LecturaFichero SistemaFicherosDisco::Lee(const std::string &ruta)
{
    LecturaFichero lectura;
    std::error_code ec;
    const fs::file_status estado = fs::status(ruta, ec);
    if (estado.type() == fs::file_type::not_found) {
        lectura.estado = LecturaFichero::Estado::NoExiste;
        return lectura;
    }
    if (ec) {
        lectura.estado = LecturaFichero::Estado::Fallo;
        lectura.error = ec.message();
        return lectura;
    }
    if (fs::is_directory(estado)) {
        lectura.estado = LecturaFichero::Estado::Fallo;
        lectura.error = std::make_error_code(std::errc::is_a_directory).message();
        return lectura;
    }
    errno = 0;
    std::ifstream entrada(ruta, std::ios::binary);
    if (!entrada) {
        lectura.estado = LecturaFichero::Estado::Fallo;
        lectura.error = DescribeErrno(errno != 0 ? errno : EACCES);
        return lectura;
    }
    LeeTodo(entrada, lectura.bytes);
    if (entrada.bad()) {
        lectura.estado = LecturaFichero::Estado::Fallo;
        lectura.bytes.clear();
        lectura.error = DescribeErrno(EIO);
        return lectura;
    }
    lectura.estado = LecturaFichero::Estado::Leido;
    return lectura;
}

std::string SistemaFicherosDisco::EscribeEntero(const std::string &ruta, std::string_view bytes)
{
    const std::string temporal = NombreTemporal(ruta);
    errno = 0;
    std::FILE *f = std::fopen(temporal.c_str(), "wb");
    if (f == nullptr) {
        return DescribeErrno(errno != 0 ? errno : EACCES);
    }
    const bool escrito = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int error = escrito ? 0 : (errno != 0 ? errno : EIO);
    if (escrito && !VaciaAlDisco(f)) {
        error = errno != 0 ? errno : EIO;
    }
    if (std::fclose(f) != 0 && error == 0) {
        error = errno != 0 ? errno : EIO;
    }
    std::error_code ec;
    if (error != 0) {
        fs::remove(temporal, ec);
        return DescribeErrno(error);
    }
    fs::rename(temporal, ruta, ec);
    if (ec) {
        std::error_code ignorado;
        fs::remove(temporal, ignorado);
        return ec.message();
    }
    return {};
}

std::string SistemaFicherosDisco::CompruebaNombreNuevo(const std::string &ruta)
{
    std::error_code ec;
    const fs::path camino(ruta);
    if (fs::is_directory(camino, ec)) {
        return std::make_error_code(std::errc::is_a_directory).message();
    }
    const fs::path carpeta = camino.parent_path();
    if (!carpeta.empty() && !fs::is_directory(carpeta, ec)) {
        return std::make_error_code(std::errc::no_such_file_or_directory).message();
    }
    return {};
}

} // namespace dravek

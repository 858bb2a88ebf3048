#include "core/storage/Ficheros.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <ios>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace dravek {

namespace {

namespace fs = std::filesystem;

// Links a name may pass through before it is taken for a loop, as the system counts them.
constexpr int MaximoEnlaces = 40;

std::string DescribeErrno(int numero)
{
    return std::error_code(numero, std::generic_category()).message();
}

int ErrnoO(int defecto)
{
    return errno != 0 ? errno : defecto;
}

// The file a name stands for: a symbolic link is followed to the file it points to (which may
// not exist yet), so that the write replaces that file in its own folder instead of turning the
// link into a plain file.
fs::path Destino(const std::string &ruta, std::string &error)
{
    fs::path camino(ruta);
    for (int i = 0; i < MaximoEnlaces; ++i) {
        std::error_code ec;
        const fs::file_status estado = fs::symlink_status(camino, ec);
        if (estado.type() != fs::file_type::symlink) {
            return camino;
        }
        const fs::path enlazado = fs::read_symlink(camino, ec);
        if (ec) {
            error = ec.message();
            return {};
        }
        camino = enlazado.is_absolute() ? enlazado : camino.parent_path() / enlazado;
    }
    error = DescribeErrno(ELOOP);
    return {};
}

// No write permission for anyone, or none for this user: the permission bits are asked as well
// because the system lets an administrator write any file.
bool SinPermisoEscritura(const std::string &ruta, const struct stat &datos)
{
    return (datos.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           ::access(ruta.c_str(), W_OK) != 0;
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

bool SoloDigitos(std::string_view texto)
{
    return !texto.empty() &&
           std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A process id written in a name: digits only, a number a process can have; 0 otherwise.
long long NumeroProceso(std::string_view texto)
{
    if (!SoloDigitos(texto) || texto.size() > 9) {
        return 0;
    }
    long long n = 0;
    for (const char c : texto) {
        n = n * 10 + (c - '0');
    }
    return n;
}

// The process id in the name of one of this program's temporaries of the file named fichero:
// "<fichero>.~<pid>-<n>-<token>.tmp" of a whole-file write, ".<fichero>.<pid>.tmp" of a PDF.
// 0 when the name is anything else.
long long PidTemporal(std::string_view nombre, const std::string &fichero)
{
    constexpr std::string_view Final = ".tmp";
    if (nombre.size() <= Final.size() || nombre.substr(nombre.size() - Final.size()) != Final) {
        return 0;
    }
    nombre.remove_suffix(Final.size());
    const std::string escritura = fichero + ".~";
    if (nombre.substr(0, escritura.size()) == escritura) {
        const std::string_view resto = nombre.substr(escritura.size());
        const std::size_t primero = resto.find('-');
        const std::size_t segundo =
            primero == std::string_view::npos ? primero : resto.find('-', primero + 1);
        if (segundo == std::string_view::npos ||
            !SoloDigitos(resto.substr(primero + 1, segundo - primero - 1)) ||
            !SoloDigitos(resto.substr(segundo + 1))) {
            return 0;
        }
        return NumeroProceso(resto.substr(0, primero));
    }
    const std::string pdf = "." + fichero + ".";
    if (nombre.substr(0, pdf.size()) == pdf) {
        return NumeroProceso(nombre.substr(pdf.size()));
    }
    return 0;
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
        lectura.error = DescribeErrno(ErrnoO(EACCES));
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

std::string SistemaFicherosDisco::Prepara(const std::string &ruta, std::string_view bytes,
                                          Preparado &p)
{
    std::string error;
    const fs::path destino = Destino(ruta, error);
    if (!error.empty()) {
        return error;
    }
    p.destino = destino.string();
    const std::string &nombre = p.destino;
    struct stat datos {};
    const bool existe = ::stat(nombre.c_str(), &datos) == 0;
    if (existe && S_ISDIR(datos.st_mode)) {
        return DescribeErrno(EISDIR);
    }
    if (existe && SinPermisoEscritura(nombre, datos)) {
        return DescribeErrno(EACCES);
    }

    // A temporary of its own for every write, beside the target so that the rename stays on
    // one file system: two programs saving the same project never write into one temporary.
    std::random_device azar;
    int fd = -1;
    for (int intento = 0; fd < 0; ++intento) {
        p.temporal = nombre + ".~" + std::to_string(::getpid()) + "-" +
                     std::to_string(++m_escrituras) + "-" + std::to_string(azar() % 100000) +
                     ".tmp";
        const int averia = Falla(Paso::Crea, nombre);
        errno = averia;
        const mode_t modo = existe ? (datos.st_mode & 07777) : 0666;
        fd = averia != 0
                 ? -1
                 : ::open(p.temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modo);
        if (fd < 0 && (errno != EEXIST || intento >= 100)) {
            p.temporal.clear();
            return DescribeErrno(ErrnoO(EACCES));
        }
    }
    if (existe) {
        // The replaced file keeps its permissions and, where the system allows it, its owner;
        // neither is worth failing the save for.
        if (::fchmod(fd, datos.st_mode & 07777) != 0) {
            errno = 0;
        }
        if ((datos.st_uid != ::geteuid() || datos.st_gid != ::getegid()) &&
            ::fchown(fd, datos.st_uid, datos.st_gid) != 0) {
            errno = 0;
        }
    }

    int fallo = 0;
    std::size_t escritos = 0;
    while (fallo == 0 && escritos < bytes.size()) {
        std::size_t parte = bytes.size() - escritos;
        const int averia = Falla(Paso::Escribe, nombre);
        if (averia != 0) {
            // A disk that fills takes part of the write first.
            parte /= 2;
        }
        const ssize_t n = parte == 0 ? 0 : ::write(fd, bytes.data() + escritos, parte);
        if (n < 0 && errno != EINTR) {
            fallo = ErrnoO(EIO);
        } else if (n > 0) {
            escritos += static_cast<std::size_t>(n);
        } else if (n == 0 && parte > 0) {
            // A device that takes nothing would never end the loop.
            fallo = EIO;
        }
        if (averia != 0) {
            fallo = averia;
        }
    }
    if (fallo == 0) {
        const int averia = Falla(Paso::Vacia, nombre);
        if (averia != 0 || ::fsync(fd) != 0) {
            fallo = averia != 0 ? averia : ErrnoO(EIO);
        }
    }
    if (::close(fd) != 0 && fallo == 0) {
        fallo = ErrnoO(EIO);
    }
    if (fallo != 0) {
        Descarta(p);
        return DescribeErrno(fallo);
    }
    return {};
}

void SistemaFicherosDisco::Descarta(Preparado &p)
{
    // Left behind only where the folder no longer lets it be removed.
    if (!p.temporal.empty() && Falla(Paso::Borra, p.destino) == 0) {
        ::unlink(p.temporal.c_str());
    }
    p.temporal.clear();
}

std::string SistemaFicherosDisco::Coloca(Preparado &p)
{
    const int averia = Falla(Paso::Renombra, p.destino);
    if (averia != 0 || ::rename(p.temporal.c_str(), p.destino.c_str()) != 0) {
        const int fallo = averia != 0 ? averia : ErrnoO(EIO);
        Descarta(p);
        return DescribeErrno(fallo);
    }
    p.temporal.clear();
    return {};
}

void SistemaFicherosDisco::VaciaCarpeta(const std::string &destino)
{
    // The new name must survive a power cut as well as the new bytes. The file is in place
    // whatever happens here: a folder that cannot be flushed (a file system that does not
    // flush folders) is no failure of the save.
    const fs::path camino(destino);
    const fs::path carpeta = camino.has_parent_path() ? camino.parent_path() : fs::path(".");
    if (Falla(Paso::VaciaCarpeta, destino) == 0) {
        const int dir = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            if (::fsync(dir) != 0) {
                errno = 0;
            }
            ::close(dir);
        }
    }
}

std::string SistemaFicherosDisco::EscribeEntero(const std::string &ruta, std::string_view bytes)
{
    Preparado p;
    if (std::string error = Prepara(ruta, bytes, p); !error.empty()) {
        return error;
    }
    if (std::string error = Coloca(p); !error.empty()) {
        return error;
    }
    VaciaCarpeta(p.destino);
    return {};
}

std::string SistemaFicherosDisco::EscribePar(const std::string &ruta, std::string_view bytes,
                                             const std::string &companero,
                                             std::string_view bytesCompanero)
{
    // What the companion holds now, kept whole beside it until the main file is in its place,
    // so that it can be put back.
    const LecturaFichero viejo = Lee(companero);
    if (viejo.estado == LecturaFichero::Estado::Fallo) {
        return viejo.error;
    }
    const bool existia = viejo.estado == LecturaFichero::Estado::Leido;
    Preparado nuevoCompanero;
    Preparado nuevo;
    Preparado copia;
    std::string error = Prepara(companero, bytesCompanero, nuevoCompanero);
    if (error.empty()) {
        error = Prepara(ruta, bytes, nuevo);
    }
    if (error.empty() && existia) {
        error = Prepara(companero, viejo.bytes, copia);
    }
    if (error.empty()) {
        error = Coloca(nuevoCompanero);
    }
    if (!error.empty()) {
        // Nothing has taken any file's place yet.
        Descarta(nuevoCompanero);
        Descarta(nuevo);
        Descarta(copia);
        return error;
    }
    error = Coloca(nuevo);
    if (!error.empty()) {
        // The companion goes back to what it held; one that did not exist goes again.
        if (existia) {
            if (Coloca(copia).empty()) {
                VaciaCarpeta(nuevoCompanero.destino);
            }
        } else if (Falla(Paso::Borra, nuevoCompanero.destino) == 0) {
            ::unlink(nuevoCompanero.destino.c_str());
        }
        return error;
    }
    Descarta(copia);
    VaciaCarpeta(nuevoCompanero.destino);
    if (fs::path(nuevo.destino).parent_path() != fs::path(nuevoCompanero.destino).parent_path()) {
        VaciaCarpeta(nuevo.destino);
    }
    return {};
}

void SistemaFicherosDisco::LimpiaTemporales(const std::string &ruta)
{
    std::string error;
    const fs::path destino = Destino(ruta, error);
    if (error.empty()) {
        BorraTemporalesHuerfanos(destino.string());
    }
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

bool SistemaFicherosDisco::SoloLectura(const std::string &ruta)
{
    std::string error;
    const std::string nombre = Destino(ruta, error).string();
    struct stat datos {};
    if (!error.empty() || ::stat(nombre.c_str(), &datos) != 0 || S_ISDIR(datos.st_mode)) {
        return false;
    }
    return SinPermisoEscritura(nombre, datos);
}

bool ProcesoVivo(long long pid)
{
    if (pid <= 0) {
        return false;
    }
    // A process that another user runs cannot be signalled, and still runs.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

int BorraTemporalesHuerfanos(const std::string &ruta)
{
    const fs::path destino(ruta);
    const std::string fichero = destino.filename().string();
    const fs::path carpeta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    if (fichero.empty()) {
        return 0;
    }
    std::error_code ec;
    fs::directory_iterator entrada(carpeta, ec);
    int borrados = 0;
    for (; !ec && entrada != fs::directory_iterator(); entrada.increment(ec)) {
        const long long pid = PidTemporal(entrada->path().filename().string(), fichero);
        std::error_code tipo;
        if (pid > 0 && !ProcesoVivo(pid) && entrada->is_regular_file(tipo) &&
            !entrada->is_symlink(tipo) && ::unlink(entrada->path().c_str()) == 0) {
            ++borrados;
        }
    }
    errno = 0;
    return borrados;
}

} // namespace dravek

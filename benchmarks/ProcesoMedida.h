#pragma once

// A benchmark that times something in a fresh process starts its own executable again with an
// option of its own, which makes it the measured process instead of the benchmark, and reads
// what that process writes to its standard output.

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace dravek::medida {

inline std::int64_t AhoraNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// The path of this executable, empty when it cannot be found.
inline std::string EsteEjecutable()
{
    char ruta[4096];
    const ssize_t n = readlink("/proc/self/exe", ruta, sizeof ruta - 1);
    if (n <= 0) {
        return {};
    }
    return std::string(ruta, static_cast<std::size_t>(n));
}

// What a started process wrote, and the monotonic clock just before it was started.
struct SalidaProceso {
    std::int64_t inicio = 0; // ns
    std::string salida;
};

// Starts ejecutable with these arguments after its name and this environment, reads its
// standard output to the end and waits for it; nothing when it could not be started or did not
// end with status 0.
inline std::optional<SalidaProceso>
EjecutaProceso(const std::string &ejecutable, std::vector<std::string> argumentos, char **entorno)
{
    int tubo[2];
    if (pipe(tubo) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&acciones, tubo[0]);
    posix_spawn_file_actions_addclose(&acciones, tubo[1]);
    std::string programa = ejecutable;
    std::vector<char *> punteros{programa.data()};
    for (std::string &a : argumentos) {
        punteros.push_back(a.data());
    }
    punteros.push_back(nullptr);

    SalidaProceso resultado;
    resultado.inicio = AhoraNs();
    pid_t hijo = 0;
    const int error =
        posix_spawn(&hijo, ejecutable.c_str(), &acciones, nullptr, punteros.data(), entorno);
    posix_spawn_file_actions_destroy(&acciones);
    close(tubo[1]);
    if (error != 0) {
        close(tubo[0]);
        return std::nullopt;
    }
    char bloque[256];
    for (;;) {
        const ssize_t n = read(tubo[0], bloque, sizeof bloque);
        if (n > 0) {
            resultado.salida.append(bloque, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    close(tubo[0]);
    int estado = 0;
    while (waitpid(hijo, &estado, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        return std::nullopt;
    }
    return resultado;
}

} // namespace dravek::medida

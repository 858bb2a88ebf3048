// dravek_genera_textos <textos.tsv> <TablaTextos.cpp>: turns the five-language text table into
// the compiled-in constant table, so that the program reads no text file at run time. Any fault
// of the source file stops the build with the file, the line and the reason.

#include "tools/LectorTextos.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

namespace {

constexpr int PrimerTexto = 101;
// 101-1086 are the inherited table, every number present; texts this program adds are
// numbered from 1100 up.
constexpr int UltimoTextoHeredado = 1086;
constexpr int UltimoTexto = 1999;

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "use: dravek_genera_textos <textos.tsv> <TablaTextos.cpp>\n";
        return 2;
    }
    const std::string origen = argv[1];
    const std::filesystem::path destino = argv[2];

    std::ifstream entrada(origen, std::ios::binary);
    if (!entrada) {
        std::cerr << origen << ": error: cannot be opened\n";
        return 1;
    }
    const dravek::herramientas::LecturaTextos lectura = dravek::herramientas::LeeTablaTextos(
        entrada, PrimerTexto, UltimoTextoHeredado, UltimoTexto);
    if (!lectura.error.empty()) {
        std::cerr << origen << ": error: " << lectura.error << '\n';
        return 1;
    }

    // Written beside the target and renamed over it, so that a failed write never leaves a
    // truncated table for the compiler.
    std::filesystem::path temporal = destino;
    temporal += ".tmp";
    {
        std::ofstream salida(temporal, std::ios::binary | std::ios::trunc);
        salida << dravek::herramientas::EscribeTablaCpp(lectura.entradas);
        salida.flush();
        if (!salida) {
            std::cerr << temporal.string() << ": error: cannot be written\n";
            return 1;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporal, destino, ec);
    if (ec) {
        std::cerr << destino.string() << ": error: " << ec.message() << '\n';
        std::filesystem::remove(temporal, ec);
        return 1;
    }
    return 0;
}

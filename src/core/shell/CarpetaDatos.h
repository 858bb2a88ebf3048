#pragma once

#include <string>
#include <vector>

namespace dravek {

// The program's read-only data (default-data files, pictures, notices and notes, help) sits,
// once installed, in this folder relative to the program's own (bin/ beside share/); run from
// the build tree it sits beside the program.
inline constexpr const char *DatosInstaladosDesdePrograma = "../share/dravek";

struct CarpetaDatos {
    std::string carpeta;               // ending in '/'; empty when no folder holds the data
    std::vector<std::string> buscadas; // the folders looked in, in order, each ending in '/'
};

// The data folder of the program whose executable is in carpetaPrograma: the installed folder,
// then the program's own, whichever first holds a file that start-up reads from it (a
// default-data file or the logo of a language). A folder holding only some of them is still
// the data folder: start-up then names the file that is missing.
CarpetaDatos BuscaCarpetaDatos(const std::string &carpetaPrograma);

} // namespace dravek

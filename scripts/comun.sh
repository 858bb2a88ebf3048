# Shared by scripts/run, scripts/test and scripts/formato: installs the Debian packages the build
# needs, configures and builds. Sourced, not run.

# python3-pil draws the pictures of data/ (tools/figuras); a test checks that it reproduces them.
# poppler-utils gives pdftotext, with which a test reads back the text of a printed PDF.
# qt6-translations-l10n holds Qt's own catalogues, which put Qt's buttons and dialogs in the
# interface language.
# clang-format-14 is the formatter the tree is kept in; another version formats differently.
# desktop-file-utils validates the desktop entry, and dpkg-dev gives dpkg-shlibdeps, with which
# cpack finds the Debian package's dependencies (scripts/comprueba-instalacion).
# clang-tidy-14 checks that every if, else and loop body is in braces (scripts/comprueba-llaves).
DRAVEK_PAQUETES=(cmake g++ make qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation2
    python3-pil poppler-utils qt6-translations-l10n clang-format-14 desktop-file-utils dpkg-dev
    clang-tidy-14)

dravek_instala_paquetes() {
    local faltan=()
    local p
    for p in "${DRAVEK_PAQUETES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
    done
    [ ${#faltan[@]} -eq 0 ] && return 0

    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo="sudo"
        else
            echo "Missing Debian packages: ${faltan[*]}" >&2
            echo "Install them as root: apt-get install ${faltan[*]}" >&2
            return 1
        fi
    fi
    echo "Installing: ${faltan[*]}"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltan[@]}" \
        || { echo "Could not install: ${faltan[*]}" >&2; return 1; }
}

# True when running under a CI service (they set CI, most to "true").
dravek_en_ci() {
    case "${CI:-}" in
    "" | false | 0) return 1 ;;
    *) return 0 ;;
    esac
}

# The build folder for a set of CMake options: build/ for none, and for any other a folder of its
# own named after them (-DDRAVEK_BUILD_GUI=OFF: build-dravek-build-gui-off), so that a build
# with other options never changes the cache of build/, the program's. DRAVEK_BUILD_DIR wins.
dravek_carpeta() {
    if [ -n "${DRAVEK_BUILD_DIR:-}" ]; then
        echo "$DRAVEK_BUILD_DIR"
        return
    fi
    local nombre="build"
    local o
    for o in "$@"; do
        o="${o#-D}"
        o="$(printf '%s' "$o" | tr '[:upper:]' '[:lower:]' | tr -c 'a-z0-9' '-')"
        nombre+="-${o}"
    done
    echo "$DRAVEK_RAIZ/$(printf '%s' "$nombre" | tr -s '-')"
}

# dravek_configura carpeta [cmake options...]
dravek_configura() {
    local carpeta="$1"; shift
    cmake -S "$DRAVEK_RAIZ" -B "$carpeta" -DCMAKE_BUILD_TYPE=Release "$@"
}

# dravek_compila carpeta [cmake --build options, e.g. --target dravek]
dravek_compila() {
    local carpeta="$1"; shift
    cmake --build "$carpeta" -j "$(nproc)" "$@"
}

# The C++ files of the tree: those git tracks, or every one under the source folders outside git.
dravek_ficheros_cpp() {
    if git -C "$DRAVEK_RAIZ" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$DRAVEK_RAIZ" ls-files -z -- '*.cpp' '*.h' | sed -z "s|^|$DRAVEK_RAIZ/|"
    else
        find "$DRAVEK_RAIZ"/src "$DRAVEK_RAIZ"/tests "$DRAVEK_RAIZ"/tools "$DRAVEK_RAIZ"/benchmarks \
            -type f \( -name '*.cpp' -o -name '*.h' \) -print0
    fi
}

# Shared by scripts/run and scripts/test: installs the Debian packages the build needs.
# Sourced, not run.

# python3-pil draws the pictures of data/ (tools/figuras); a test checks that it reproduces them.
# poppler-utils gives pdftotext, with which a test reads back the text of a printed PDF.
# qt6-translations-l10n holds Qt's own catalogues, which put Qt's buttons and dialogs in the
# interface language.
DRAVEK_PAQUETES=(cmake g++ make qt6-base-dev libgtest-dev libbenchmark-dev fonts-liberation2
    python3-pil poppler-utils qt6-translations-l10n)

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

dravek_compila() {
    local carpeta="$1"; shift
    cmake -S "$DRAVEK_RAIZ" -B "$carpeta" -DCMAKE_BUILD_TYPE=Release "$@" || return 1
    cmake --build "$carpeta" -j "$(nproc)" || return 1
}

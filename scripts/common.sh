# Shared by ./run and ./test: the Debian packages the project needs and how to get them.
# Sourced, not run.

# Building and running the program.
RUN_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libgl-dev fonts-liberation
    libcups2-dev libxcb1-dev)

# The Windows cross-build: MinGW-w64 (posix threads) for the compiler, Debian's Qt for the host
# tools, dpkg-dev for apt-get source, ImageMagick for the .exe's icon, zip for the teachers'
# archive, wixl and msitools for the MSI (faketime stops the clock that wixl writes into it),
# osslsigncode to sign.
WINDOWS_PACKAGES=("${RUN_PACKAGES[@]}" g++-mingw-w64-x86-64-posix dpkg-dev imagemagick zip
    wixl msitools faketime osslsigncode)

# Testing on top of that: a private X server with a window manager, real mouse and keyboard
# events on switchable keyboard layouts, the clipboard, a PDF print queue, screenshots, a
# system-call tracer and the formatter; the desktop-file and AppStream validators, the Debian
# package tools and checker (lintian) and Qt's SVG reader for the installed files; Xlib with the
# Damage extension for the start-up benchmark; the Windows cross-build, Wine to run its .exe,
# Ghostscript to read what Wine's printer driver spools, icoutils and xmllint to read the
# manifest in its resources, unzip to open its packages and openssl for a throw-away signing
# certificate.
TEST_PACKAGES=("${RUN_PACKAGES[@]}" xvfb xauth x11-utils x11-xkb-utils xdotool openbox xclip
    cups printer-driver-cups-pdf poppler-utils imagemagick strace clang-format
    desktop-file-utils appstream dpkg-dev lintian libqt6svg6 libx11-dev libxdamage-dev
    "${WINDOWS_PACKAGES[@]}" wine wine64 ghostscript icoutils libxml2-utils unzip openssl)

# Installs whichever of the named packages are missing. As root it runs apt-get itself; any
# other user is told the one command to run and the script stops.
ensure_packages() {
    local missing=() package
    for package in "$@"; do
        if [[ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]]; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    if ((EUID != 0)); then
        echo "Missing packages. Please run:" >&2
        echo "sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# The repository root, whatever folder the script was started from.
REPO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

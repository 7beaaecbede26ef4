# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Sourced by the scripts: installs the Debian packages they need when missing.

# apt_update: reads Debian's package lists, once a run (the scripts this one
# starts inherit that they have been read). A mirror part-way through a sync
# can fail one list for a while: the run goes on with the lists that did
# download, and apt-get install says clearly if a package is then missing.
# Only when no list at all could be read does it try again, 20 s apart.
apt_update() {
    [ -n "${VARNEL_APT_LISTS_READ:-}" ] && return 0
    local try
    for try in 1 2 3; do
        apt-get update -q && break
        if compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then
            echo "Going on with the package lists that did download." >&2
            break
        fi
        echo "apt-get update read no package list (try $try of 3)" >&2
        [ "$try" -lt 3 ] && sleep 20
    done
    export VARNEL_APT_LISTS_READ=1
}

# need_packages PACKAGE...: installs whichever of them are not installed yet.
need_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}" >&2
        echo "Install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    apt_update
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# need_i386: enables Debian's 32-bit packages, which 32-bit Wine needs.
need_i386() {
    dpkg --print-foreign-architectures | grep -qx i386 && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "32-bit packages are not enabled. Enable them with:" >&2
        echo "  sudo dpkg --add-architecture i386 && sudo apt-get update" >&2
        exit 1
    fi
    dpkg --add-architecture i386
    unset VARNEL_APT_LISTS_READ # the new architecture's lists
    apt_update
}

# What builds the game and its tests on Linux.
# (make_icon writes the icon's PNGs with libpng; reuse asks git which files
# are build output.)
build_packages=(cmake ninja-build g++ libgtest-dev libpng-dev clang-format qt6-base-dev desktop-file-utils appstream
    xvfb xauth dbus at-spi2-core python3-pyatspi reuse git)

# What compiles the web page to WebAssembly, and what tests it in a browser.
web_build_packages=(emscripten esbuild)
web_test_packages=(chromium chromium-driver python3-selenium python3-pil firefox-esr webkit2gtk-driver)

# What makes the release files and checks them.
release_packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 dpkg-dev lintian zip wixl msitools faketime
    strip-nondeterminism devscripts osslsigncode gnupg openssl x11-utils git)

# What cross-builds the Windows program and runs it under Wine (and wine32
# for 32-bit Wine, where it can run).
windows_packages=(g++-mingw-w64-i686 binutils-mingw-w64-i686 wine xvfb xauth)

# What builds and runs a 64-bit build of it, where 32-bit Wine cannot run or
# cannot be installed.
windows64_packages=(g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wine64)

# need_web_test_node_modules: npm's puppeteer-core for the page's Firefox test,
# as pinned in ui/web/tests/package-lock.json (no browser download: Debian's
# firefox-esr is the browser). Debian's npm only where no npm is on the machine:
# it conflicts with a Node.js that carries its own. Quiet when it works; when it
# does not, npm's own errors and what to do, since a bare exit status says
# nothing of an unreachable registry or an untrusted certificate.
need_web_test_node_modules() {
    command -v npm >/dev/null || need_packages nodejs npm
    local said
    if ! said=$(cd ui/web/tests && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error 2>&1); then
        printf '%s\n' "$said" >&2
        echo "npm ci in ui/web/tests failed: puppeteer-core could not be installed from the npm registry" \
            "($(cd ui/web/tests && npm config get registry 2>/dev/null))." >&2
        echo "Check the network and npm's registry and certificate settings (npm config get registry," \
            "npm config get cafile), then run scripts/test.sh again." >&2
        exit 1
    fi
}

#!/usr/bin/env bash
# Installs the Debian packages that 109 needs to build, test and run.
# Safe to run again: it installs only what is missing, and refreshes the
# package lists only when something is.
set -euo pipefail

packages=(
    cmake make g++ clang libclang-rt-14-dev clang-format libbenchmark-dev
    qt6-base-dev qt6-base-private-dev qt6-translations-l10n
    libsdl2-mixer-dev libsdl2-dev libfluidsynth-dev timgm6mb-soundfont libmpg123-dev
    libzint-dev libzip-dev zbar-tools
    open-jtalk open-jtalk-mecab-naist-jdic hts-voice-nitech-jp-atr503-m001
    fonts-dseg fonts-ipafont-gothic fonts-ipafont-mincho
    xvfb xauth openbox xdotool imagemagick x11-utils desktop-file-utils appstream clang-tidy
)
# The voice lives in the contrib component.
contrib_packages=(hts-voice-nitech-jp-atr503-m001)

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    sudo=(missing-sudo)
fi
apt_get=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300)

installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = "installed" ]
}

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
if [ "${sudo[*]}" = missing-sudo ]; then
    echo "install-deps: these packages are missing and installing them needs root or sudo: ${missing[*]}" >&2
    exit 1
fi

contrib_file=/etc/apt/sources.list.d/109-contrib.sources
contrib_list=/etc/apt/sources.list.d/109-contrib.list

# Writes a contrib twin of every enabled binary stanza of the system's own
# deb822 sources, keeping its URIs, Suites and Signed-By.
contrib_from_deb822() {
    awk '
        function flush() {
            if ((" " types " ") ~ / deb / && enabled !~ /^[Nn][Oo]$/ && uris != "" && suites != "") {
                printf "Types: deb\nURIs: %s\nSuites: %s\nComponents: contrib\n", uris, suites
                if (signed != "") printf "Signed-By: %s\n", signed
                printf "\n"
            }
            types = uris = suites = signed = enabled = ""
        }
        /^[[:space:]]*$/ { flush(); next }
        /^#/ { next }
        /^Types:/ { sub(/^Types:[[:space:]]*/, ""); types = $0 }
        /^URIs:/ { sub(/^URIs:[[:space:]]*/, ""); uris = $0 }
        /^Suites:/ { sub(/^Suites:[[:space:]]*/, ""); suites = $0 }
        /^Signed-By:/ { sub(/^Signed-By:[[:space:]]*/, ""); signed = $0 }
        /^Enabled:/ { sub(/^Enabled:[[:space:]]*/, ""); enabled = $0 }
        END { flush() }
    ' "$1"
}

# The one-line format: "deb [options] URI suite components..."; an
# installation disc's line is left out.
contrib_from_list() {
    awk '/^[[:space:]]*deb[[:space:]]/ && !/[[:space:]]cdrom:/ {
            line = $1; i = 2
            if ($2 ~ /^\[/) { while ($i !~ /\]$/) { line = line " " $i; i++ } line = line " " $i; i++ }
            printf "%s %s %s contrib\n", line, $i, $(i + 1)
        }' "$1"
}

need_contrib=0
for p in "${contrib_packages[@]}"; do
    installed "$p" || need_contrib=1
done
if [ "$need_contrib" -eq 1 ] && [ ! -e "$contrib_file" ] && [ ! -e "$contrib_list" ]; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        contrib_from_deb822 /etc/apt/sources.list.d/debian.sources | "${sudo[@]}" tee "$contrib_file" >/dev/null
    elif [ -f /etc/apt/sources.list ]; then
        contrib_from_list /etc/apt/sources.list | "${sudo[@]}" tee "$contrib_list" >/dev/null
    else
        echo "install-deps: no Debian sources found to enable contrib from" >&2
    fi
fi

echo "install-deps: installing ${missing[*]}"
"${apt_get[@]}" update
"${apt_get[@]}" install -y --no-install-recommends "${missing[@]}"

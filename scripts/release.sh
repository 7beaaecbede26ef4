#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Makes every file a player downloads, into dist/, from the committed sources:
#   varnel_VERSION_amd64.deb      the Linux program, for Debian and Ubuntu
#   varnel-VERSION-win32.zip      varnel.exe with README.txt, LICENSE.txt and
#                                 THIRD-PARTY-NOTICES.txt
#   varnel-VERSION-win32.msi      the Windows installer
#   varnel-VERSION-web.tar.gz     the web page
#   SHA256SUMS
#   SHA256SUMS.asc                when given an OpenPGP key
# Two runs on the same commit give the same bytes.
# Signing, when given keys (without them the release is unsigned):
#   VARNEL_SIGN_P12, VARNEL_SIGN_PASS_FILE  a PKCS#12 file with a code-signing
#       certificate and its key, and a file holding its password: varnel.exe
#       and the installer get Authenticode signatures
#   VARNEL_SIGN_GPG_KEY  a key in the current GnuPG home: SHA256SUMS.asc
#   scripts/release.sh           builds dist/ from this checkout
#   scripts/release.sh --check   builds it twice, from fresh clones in two
#                                folders one after the other, compares them
#                                and keeps the first as dist/
#   scripts/release.sh --windows the zip and the installer alone (the
#                                release tests build a next version so)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh
need_packages "${build_packages[@]}" "${web_build_packages[@]}" "${release_packages[@]}"

if [ "${1:-}" = --check ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    for run in first second; do
        git clone -q --no-local . "$scratch/$run/varnel"
        echo "=== release, $run build in $scratch/$run"
        (cd "$scratch/$run/varnel" && bash scripts/release.sh)
    done
    if ! cmp -s "$scratch/first/varnel/dist/SHA256SUMS" "$scratch/second/varnel/dist/SHA256SUMS"; then
        echo "The two release builds differ:" >&2
        diff "$scratch/first/varnel/dist/SHA256SUMS" "$scratch/second/varnel/dist/SHA256SUMS" >&2
        exit 1
    fi
    rm -rf dist
    cp -r "$scratch/first/varnel/dist" dist
    echo "The two release builds are identical:"
    cat dist/SHA256SUMS
    exit 0
fi

# Everything that could differ between two builds is pinned: dates to the
# last commit, paths in the objects to the source folder's name, and the
# order, owners and times of archive members.
export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export TZ=UTC LC_ALL=C.UTF-8
version=$(sed -n 's/^project(varnel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$PWD/build/release
dist=$PWD/dist
rm -rf "$work" "$dist"
mkdir -p "$work" "$dist"
map="-ffile-prefix-map=$PWD=."
jobs=$(nproc)

windows_only=false
[ "${1:-}" = --windows ] && windows_only=true

if ! $windows_only; then
    echo "=== Linux program and its Debian package"
    # Debian's own hardening flags, as a Debian package of it would be built.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    linux_cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) $map"
    cmake --preset default -B "$work/linux" -DCMAKE_BUILD_TYPE=Release -DVARNEL_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr \
        -DCMAKE_INSTALL_BINDIR=games -DCMAKE_CXX_FLAGS="$linux_cxxflags" \
        -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
    cmake --build "$work/linux" -j "$jobs" --target varnel varnel_icon varnel_debian_docs
    (cd "$work/linux" && cpack -G DEB >/dev/null)
    cp "$work/linux/varnel_${version}_amd64.deb" "$dist/"
fi

echo "=== Windows program, its zip and its installer"
cmake --preset mingw -B "$work/windows" -DVARNEL_TESTS=OFF -DCMAKE_CXX_FLAGS="$map" \
    -DCMAKE_EXE_LINKER_FLAGS="-Wl,--no-insert-timestamp" >/dev/null
cmake --build "$work/windows" -j "$jobs" --target varnel
exe=$work/windows/app/varnel.exe

# What goes into the zip and the installer, with its times pinned: the
# installer's cabinet keeps each file's time.
# Authenticode, dated at the commit's time so that the same key signs the
# same bytes again; IN OUT.
authenticode() {
    if [ -n "${VARNEL_SIGN_P12:-}" ]; then
        osslsigncode sign -pkcs12 "$VARNEL_SIGN_P12" -readpass "$VARNEL_SIGN_PASS_FILE" -h sha256 -n Varnel \
            -time "$SOURCE_DATE_EPOCH" -in "$1" -out "$2" >/dev/null
    else
        cp "$1" "$2"
    fi
}

zip=build/release/zip # wixl takes paths relative to here
mkdir -p "$zip"
authenticode "$exe" "$zip/varnel.exe"
cp ui/icon/varnel.ico "$zip/varnel.ico"
sed "s/@PROJECT_VERSION@/$version/g; s/\$/\r/" app/windows/README.txt.in > "$zip/README.txt"
sed 's/$/\r/' LICENSE > "$zip/LICENSE.txt"
sed 's/$/\r/' THIRD-PARTY-NOTICES.txt > "$zip/THIRD-PARTY-NOTICES.txt"
touch -d "@$SOURCE_DATE_EPOCH" "$zip"/*
(cd "$zip" && zip -q -X -D "$dist/varnel-$version-win32.zip" LICENSE.txt README.txt THIRD-PARTY-NOTICES.txt varnel.exe)
strip-nondeterminism -t zip "$dist/varnel-$version-win32.zip"

# Name-based codes: the product code stays for the version, the package
# code changes with what goes in; the upgrade code in the .wxs never does.
uuid() { /usr/bin/python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.NAMESPACE_URL, sys.argv[1])).upper())' "$1"; }
product=$(uuid "varnel:product:$version")
inputs=$(cat "$zip/varnel.exe" "$zip/varnel.ico" "$zip/LICENSE.txt" "$zip/THIRD-PARTY-NOTICES.txt" app/windows/varnel.wxs |
    sha256sum | cut -d' ' -f1)
package=$(uuid "varnel:package:$version:$inputs")
msi=$dist/varnel-$version-win32.msi
# wixl stamps the current time, so it is run with the clock stopped at the
# commit's.
frozen=$(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S')
faketime -f "$frozen" wixl -a x86 -D Version="$version" -D ProductCode="$product" -D ExePath="$zip/varnel.exe" \
    -D IconPath="$zip/varnel.ico" -D LicensePath="$zip/LICENSE.txt" -D NoticesPath="$zip/THIRD-PARTY-NOTICES.txt" \
    -o "$msi" app/windows/varnel.wxs
faketime -f "$frozen" msibuild "$msi" -s "Varnel $version" "The Varnel developers" "Intel;1033" "{$package}"
authenticode "$msi" "$work/signed.msi"
mv "$work/signed.msi" "$msi"

$windows_only && exit 0

echo "=== Web page"
cmake --preset web -B "$work/web" -DVARNEL_TESTS=OFF -DCMAKE_CXX_FLAGS="$map" >/dev/null
# varnel_offline: the service worker, written once the program is linked.
NODE_PATH=/usr/share/nodejs cmake --build "$work/web" -j "$jobs" --target varnel varnel_offline
cp THIRD-PARTY-NOTICES.txt "$work/web/web/"
tar --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    --transform "s,^web,varnel-$version-web," -C "$work/web" -cf - web | gzip -9 -n > "$dist/varnel-$version-web.tar.gz"

(cd "$dist" && sha256sum -- *.deb *.zip *.msi *.tar.gz > SHA256SUMS)
# The OpenPGP signature is dated when it is made (a key may be younger than
# the commit); it is not among the files that SHA256SUMS lists.
if [ -n "${VARNEL_SIGN_GPG_KEY:-}" ]; then
    gpg --batch --yes --quiet --armor --local-user "$VARNEL_SIGN_GPG_KEY" --detach-sign --output "$dist/SHA256SUMS.asc" "$dist/SHA256SUMS"
fi
echo "=== dist/"
(cd "$dist" && ls -l && cat SHA256SUMS)

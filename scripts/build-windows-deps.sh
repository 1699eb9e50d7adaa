#!/usr/bin/env bash
# Builds the libraries the Windows programs need (Qt, Qt's TIFF and WebP readers, freetype,
# Poppler with its Qt binding, libarchive with liblzma and bzip2, uchardet, libxml2) as MinGW-w64
# DLLs from Debian's own source packages, Debian's patches applied.
#
# They go into a cache folder outside the clone, $KARAVEL_WINDOWS_DEPS (default
# ${XDG_CACHE_HOME:-$HOME/.cache}/karavel-windows-deps), in a sub-folder named after the
# packages' versions, and are reused while that folder is complete. A library is only marked
# built once installed, so an interrupted run goes on where it stopped.
#
# Says what it does on stderr; the last line on stdout is the folder the libraries are in.
set -euo pipefail
cd "$(dirname "$0")/.."
clone=$PWD

say() { echo "build-windows-deps: $*" >&2; }
elapsed() { local s=$((SECONDS - $1)); printf '%dm%02ds' $((s / 60)) $((s % 60)); }

bash scripts/install-deps.sh cmake ninja-build pkg-config dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools \
  g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine64 >&2

# Sources need a deb-src entry beside each deb one (same addresses, suites and components).
if ! apt-get source --print-uris qt6-base >/dev/null 2>&1; then
  say "adding Debian's source packages to apt's lists"
  for list in /etc/apt/sources.list.d/*.sources; do
    [[ $list == *-src.sources ]] && continue
    grep -q '^Types:.*deb-src' "$list" && continue
    sed 's/^Types: deb$/Types: deb-src/' "$list" >"${list%.sources}-src.sources"
  done
  if [[ -f /etc/apt/sources.list ]]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/karavel-deb-src.list
  fi
  apt-get update -qq
fi

packages=(qt6-base qt6-imageformats freetype xz-utils bzip2 libarchive uchardet libxml2 poppler)
declare -A version
for p in "${packages[@]}"; do
  dsc=$(apt-get source --print-uris "$p" 2>/dev/null | grep -o "[^ ]*\.dsc" | tail -1)
  version[$p]=${dsc#*_}
  version[$p]=${version[$p]%.dsc}
done
# The compiler and the host's Qt tools go into the key as well: the DLLs depend on them.
recipe=$({
  echo "recipe 1"
  for p in "${packages[@]}"; do echo "$p ${version[$p]}"; done
  dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix qt6-base-dev-tools
})
cache=${KARAVEL_WINDOWS_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/karavel-windows-deps}
prefix=$cache/$(sha256sum <<<"$recipe" | cut -c1-12)
if [[ -f $prefix/complete ]]; then
  say "reusing $prefix"
  echo "$prefix"
  exit 0
fi
mkdir -p "$prefix/stamps" "$cache/sources" "$cache/work"
echo "$recipe" >"$prefix/versions.txt"
say "building into $prefix"
started=$SECONDS

toolchain=$clone/cmake/mingw-w64.cmake
jobs=2
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
common=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DKARAVEL_WINDOWS_PREFIX="$prefix"
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -Wno-dev)

# build PACKAGE DESCRIPTION: fetches and unpacks PACKAGE's sources, then runs configure_PACKAGE
# in them with the build folder as its argument, builds and installs.
build() {
  local package=$1 stamp=$prefix/stamps/$1
  [[ -f $stamp ]] && return
  local step=$SECONDS src=$cache/work/$package
  say "$package ${version[$package]}: $2"
  local log=$cache/work/$package.log status
  (cd "$cache/sources" && apt-get source --download-only "$package") >"$log" 2>&1
  rm -rf "$src"
  dpkg-source --no-check -x "$cache/sources/${package}_${version[$package]}.dsc" "$src" >>"$log" 2>&1
  set +e
  (
    set -e
    cd "$src"
    "configure_${package//-/_}" "$src/karavel-build"
  ) >>"$log" 2>&1
  status=$?
  set -e
  if ((status)); then
    say "$package failed; the end of $log:"
    tail -30 "$log" >&2
    exit 1
  fi
  # dpkg-source leaves a copy of the upstream tarball beside the unpacked folder.
  rm -rf "$src" "$cache/work/${package}_"*
  touch "$stamp"
  say "$package done in $(elapsed $step)"
}
cmake_build() { cmake --build "$1" -j$jobs && cmake --install "$1"; }

# Debian's tarball lacks wintab, hence no tablet events.
configure_qt6_base() {
  cmake -S . -B "$1" "${common[@]}" -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF \
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF \
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_openssl=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF
  cmake_build "$1"
}
configure_qt6_imageformats() {
  cmake -S . -B "$1" "${common[@]}" \
    -DFEATURE_system_tiff=OFF -DFEATURE_system_webp=OFF -DFEATURE_jasper=OFF -DFEATURE_mng=OFF
  cmake_build "$1"
}
configure_freetype() {
  cmake -S . -B "$1" "${common[@]}" -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON \
    -DFT_DISABLE_BROTLI=ON -DFT_DISABLE_ZLIB=ON
  cmake_build "$1"
}
configure_xz_utils() {
  cmake -S . -B "$1" "${common[@]}"
  cmake_build "$1"
}
configure_bzip2() {
  # No build files for Windows: the library's own sources into a static library for libarchive.
  mkdir -p "$1"
  local objects=() source
  for source in blocksort huffman crctable randtable compress decompress bzlib; do
    x86_64-w64-mingw32-gcc-posix -O2 -c "$source.c" -o "$1/$source.o"
    objects+=("$1/$source.o")
  done
  x86_64-w64-mingw32-ar rcs "$prefix/lib/libbz2.a" "${objects[@]}"
  install -m644 bzlib.h "$prefix/include/"
}
configure_libarchive() {
  # Its zlib check runs a program: Wine runs it, in a Wine prefix of the cache's own.
  WINEPREFIX=$cache/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    cmake -S . -B "$1" "${common[@]}" -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" \
    -DENABLE_LZMA=ON -DENABLE_BZip2=ON -DENABLE_ZLIB=ON -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF \
    -DENABLE_NETTLE=OFF -DENABLE_LIBB2=OFF -DENABLE_LZ4=OFF -DENABLE_LZO=OFF -DENABLE_ZSTD=OFF \
    -DENABLE_LIBXML2=OFF -DENABLE_EXPAT=OFF -DENABLE_PCREPOSIX=OFF -DENABLE_ICONV=OFF -DENABLE_ACL=OFF \
    -DENABLE_XATTR=OFF -DENABLE_TAR=OFF -DENABLE_CPIO=OFF -DENABLE_CAT=OFF -DENABLE_TEST=OFF \
    -DBZIP2_INCLUDE_DIR="$prefix/include" -DBZIP2_LIBRARIES="$prefix/lib/libbz2.a"
  cmake_build "$1"
}
configure_uchardet() {
  cmake -S . -B "$1" "${common[@]}" -DBUILD_BINARY=OFF -DBUILD_STATIC=OFF
  cmake_build "$1"
}
configure_libxml2() {
  cmake -S . -B "$1" "${common[@]}" -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_PYTHON=OFF \
    -DLIBXML2_WITH_LZMA=OFF -DLIBXML2_WITH_ZLIB=OFF -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF \
    -DLIBXML2_WITH_TESTS=OFF -DLIBXML2_WITH_PROGRAMS=OFF
  cmake_build "$1"
}
configure_poppler() {
  cmake -S . -B "$1" "${common[@]}" \
    -DFONT_CONFIGURATION=win32 -DENABLE_QT6=ON -DENABLE_QT5=OFF -DENABLE_GLIB=OFF -DENABLE_CPP=OFF \
    -DENABLE_UTILS=OFF -DENABLE_BOOST=OFF -DENABLE_LIBCURL=OFF -DENABLE_GOBJECT_INTROSPECTION=OFF \
    -DENABLE_LIBOPENJPEG=none -DENABLE_CMS=none -DENABLE_DCTDECODER=unmaintained \
    -DBUILD_GTK_TESTS=OFF -DBUILD_QT5_TESTS=OFF -DBUILD_QT6_TESTS=OFF -DBUILD_CPP_TESTS=OFF \
    -DBUILD_MANUAL_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_NSS3=ON -DCMAKE_DISABLE_FIND_PACKAGE_TIFF=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_PNG=ON -DCMAKE_DISABLE_FIND_PACKAGE_JPEG=ON \
    -DCMAKE_DISABLE_FIND_PACKAGE_Cairo=ON
  cmake_build "$1"
}

mkdir -p "$prefix/lib" "$prefix/include"
build qt6-base "Qt's Core, Gui, Widgets, Network, Test and Concurrent (about 17 minutes on 2 cores)"
build qt6-imageformats "Qt's picture readers for TIFF and WebP"
build freetype "fonts for Poppler"
build xz-utils "liblzma, for 7z archives"
build bzip2 "libbz2, for bzip2-packed archives"
build libarchive "comic archives"
build uchardet "the encoding guess"
build libxml2 "the HTML parser"
build poppler "PDF pages, with its Qt binding (about 2 minutes)"
touch "$prefix/complete"
say "all built in $(elapsed $started)"
echo "$prefix"

#!/usr/bin/env bash
# Builds getalveld for 64-bit Windows on Debian 12: installs the cross compiler, NSIS and the
# rest with apt-get, builds Qt's base module for Windows once into a cache outside the tree
# (reused on the next run), builds the program in release, gathers a folder that runs as it is
# and makes from it a portable zip and the installer build/windows/getalveld-VERSION-setup.exe.
#
#   scripts/windows.sh            everything
#   scripts/windows.sh --qt-only  only Qt for Windows, into the cache
#
# The cache is ${GETALVELD_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/getalveld/windows}.
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$(pwd)
jobs=$(nproc)

# shellcheck source=packages.sh
source scripts/packages.sh
install_packages cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev \
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis dpkg-dev xz-utils zip

mingw=x86_64-w64-mingw32
# The Windows Qt must be the same version as the build machine's tools (moc, rcc, uic).
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools | sed 's/[+~-].*//')
compiler_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
# Qt is built without what the program does not use; wintab is not in Debian's source, so no
# tablet events. Direct2D must stay on (without it the platform plugin does not link in 6.4).
qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no
    -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF -DFEATURE_pkg_config=OFF
    -DFEATURE_testlib=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
)
toolchain_src=packaging/windows/mingw-toolchain.cmake
options_hash=$( (printf '%s\n' "${qt_options[@]}"; cat "$toolchain_src") | sha256sum | cut -c1-10)
cache_root=${GETALVELD_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/getalveld/windows}
qt_key="qt-$qt_version-mingw-w64-gcc-${compiler_version//[^A-Za-z0-9.]/_}-$options_hash"
qt_dir="$cache_root/$qt_key"
qt_prefix="$qt_dir/install"

build_qt() {
    local work="$qt_dir/work"
    rm -rf "$work" "$qt_prefix"
    mkdir -p "$work"
    # The toolchain file stays beside the Qt it built: Qt's own toolchain file loads it later.
    cp "$toolchain_src" "$qt_dir/mingw-toolchain.cmake"

    # Debian's source of qtbase through a private list of type deb-src: the machine's own apt
    # configuration stays as it is.
    local apt_dir="$cache_root/apt"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
        >"$apt_dir/sources.list"
    local apt_options=(-o Dir::Etc::SourceList="$apt_dir/sources.list"
                       -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
                       -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
                       -o APT::Sandbox::User="$(id -un)")
    apt-get "${apt_options[@]}" update -qq
    (cd "$work" && apt-get "${apt_options[@]}" source --download-only -qq qt6-base)
    local dsc
    dsc=$(ls "$work"/qt6-base_"$qt_version"*.dsc 2>/dev/null | head -n 1)
    [ -n "$dsc" ] || { echo "Debian's qt6-base source is not Qt $qt_version:"; ls "$work"; exit 1; }
    dpkg-source --no-check -x "$dsc" "$work/qtbase" >/dev/null

    nice cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt_dir/mingw-toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${qt_options[@]}"
    nice cmake --build "$work/build" -j"$jobs"
    cmake --install "$work/build" >/dev/null
    rm -rf "$work"
    touch "$qt_dir/complete"
}

if [ -f "$qt_dir/complete" ]; then
    echo "Qt $qt_version for Windows from the cache: $qt_dir"
else
    echo "Building Qt $qt_version for Windows once, into $qt_dir (15 minutes on two free cores, more on busy ones)"
    start=$(date +%s)
    build_qt
    echo "Qt for Windows built in $(($(date +%s) - start)) s"
fi
[ "${1:-}" = "--qt-only" ] && exit 0

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# The picture renderer and icon maker run here, with this machine's Qt SVG.
host=build/windows-host
cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGETALVELD_TESTS=OFF -DGETALVELD_BENCH=OFF \
    -DGETALVELD_INSTALL=OFF "${launcher[@]}" >/dev/null
nice cmake --build "$host" --target getalveld_renderpictures

build=build/windows
"$qt_prefix/bin/qt-cmake" -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGETALVELD_WERROR=ON \
    -DGETALVELD_TESTS=OFF -DGETALVELD_BENCH=OFF -DGETALVELD_INSTALL=OFF "${launcher[@]}" \
    -DGETALVELD_PICTURE_RENDERER="$tree/$host/getalveld_renderpictures" >/dev/null
nice cmake --build "$build" -j"$jobs" --target getalveld
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

# A folder that runs as it is: the program, Qt, its Windows plugin and style, MinGW's runtime.
folder="$build/getalveld-$version"
rm -rf "$folder"
mkdir -p "$folder/platforms" "$folder/styles"
cp "$build/getalveld.exe" "$folder/"
for dll in Qt6Core Qt6Gui Qt6Widgets; do cp "$qt_prefix/bin/$dll.dll" "$folder/"; done
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
gcc_dir=$(dirname "$("$mingw-g++-posix" -print-libgcc-file-name)")
cp "$gcc_dir/libgcc_s_seh-1.dll" "$gcc_dir/libstdc++-6.dll" "/usr/$mingw/lib/libwinpthread-1.dll" "$folder/"
find "$folder" -name '*.dll' -o -name '*.exe' | xargs "$mingw-strip" --strip-unneeded
cp LICENSE "$folder/LICENSE.txt"
# Every DLL a file needs is Windows' own or in the folder.
for file in "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll; do
    for needed in $("$mingw-objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
        case "${needed,,}" in
            kernel32.dll | user32.dll | gdi32.dll | shell32.dll | ole32.dll | oleaut32.dll | advapi32.dll | \
            comdlg32.dll | winmm.dll | ws2_32.dll | imm32.dll | uxtheme.dll | dwmapi.dll | version.dll | \
            netapi32.dll | userenv.dll | msvcrt.dll | uuid.dll | shlwapi.dll | setupapi.dll | wtsapi32.dll | \
            d3d9.dll | d3d11.dll | d2d1.dll | dwrite.dll | dxgi.dll | opengl32.dll | authz.dll | mpr.dll | \
            comctl32.dll | winspool.drv | oleacc.dll | shcore.dll | ntdll.dll | rpcrt4.dll | crypt32.dll | \
            secur32.dll | bcrypt.dll | iphlpapi.dll | api-ms-win-*.dll) ;;
            *) [ -e "$folder/$needed" ] || { echo "$(basename "$file") needs $needed, which is not in the folder"; exit 1; } ;;
        esac
    done
done

zip_file="$build/getalveld-$version-windows-x64.zip"
rm -f "$zip_file"
(cd "$build" && zip -qr9 "$(basename "$zip_file")" "getalveld-$version")
setup="$build/getalveld-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DSOURCE="$tree/$folder" -DOUTFILE="$tree/$setup" -DLICENSE="$tree/LICENSE" \
    -DICON="$tree/$build/getalveld.ico" packaging/windows/getalveld.nsi
echo "portable zip: $zip_file ($(du -h "$zip_file" | cut -f1))"
echo "installer:    $setup ($(du -h "$setup" | cut -f1))"

#!/usr/bin/env bash
# Builds the Debian package with cpack and checks it the way a teacher's machine meets it:
# lintian finds no errors, the desktop entry, AppStream metadata, manual page and icons are
# valid; apt-get installs it; the installed program answers --help and --version without a
# display, starts on a headless X display up to its first paint and ends when its main
# window is closed; apt-get removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

# shellcheck source=packages.sh
source scripts/packages.sh
install_packages dpkg-dev fakeroot lintian appstream desktop-file-utils file man-db xvfb openbox xdotool x11-utils wmctrl
# The scratch folder, the processes ended at exit, `check`, the display and the window manager.
# shellcheck source=../tests/desktop/desktop.sh
source tests/desktop/desktop.sh

build=build/package
rm -f "$build"/getalveld_*.deb
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DGETALVELD_TESTS=OFF -DGETALVELD_BENCH=OFF -DGETALVELD_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/getalveld_*.deb)
deb=$(realpath "${debs[0]}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
echo "package: $deb (version $version)"

echo "--- lintian"
lintian --fail-on error --display-info "$deb" >"$work/lintian.txt" 2>&1 && lintian_ok=0 || lintian_ok=1
cat "$work/lintian.txt"
check "lintian finds no errors" [ "$lintian_ok" -eq 0 ]
check "the package's version is the project's" [ "$(dpkg-deb -f "$deb" Version)" == "$version" ]
check "dependencies computed from the program's libraries" eval 'dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6 (>= "'

# The files, as they lie in a scratch root.
root="$work/root"
dpkg-deb -x "$deb" "$root"
check "the program is /usr/bin/getalveld" [ -x "$root/usr/bin/getalveld" ]
check "the desktop entry validates" desktop-file-validate "$root/usr/share/applications/getalveld.desktop"
check "the desktop entry names the program, its icon and Education;Math;" eval \
    'grep -qx "Exec=getalveld" "$root/usr/share/applications/getalveld.desktop" &&
     grep -qx "Icon=getalveld" "$root/usr/share/applications/getalveld.desktop" &&
     grep -qx "Categories=Education;Math;" "$root/usr/share/applications/getalveld.desktop"'
# Without a public home the id is not in reverse-DNS form; everything else must be clean.
check "the AppStream metadata validates" appstreamcli validate --no-net --pedantic \
    --override=cid-desktopapp-is-not-rdns=info "$root/usr/share/metainfo/getalveld.metainfo.xml"
check "the AppStream release is the project's version" \
    grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/getalveld.metainfo.xml"
man_page="$root/usr/share/man/man1/getalveld.1.gz"
check "the manual page renders without warnings" eval \
    'MANWIDTH=80 man --warnings -E UTF-8 -l "$man_page" 2>"$work/man.err" | grep -q "^SYNOPSIS" && [ ! -s "$work/man.err" ]'
cat "$work/man.err"
icons_ok() {
    local size
    for size in 16 22 24 32 48 64 128 256; do
        file "$root/usr/share/icons/hicolor/${size}x$size/apps/getalveld.png" | grep -q "PNG image data, $size x $size," ||
            { echo "     no ${size}x$size icon"; return 1; }
    done
    file "$root/usr/share/icons/hicolor/scalable/apps/getalveld.svg" | grep -q "SVG"
}
check "the icon at every size and as SVG" icons_ok

echo "--- apt-get install"
apt_get install -y -qq "$deb" >"$work/install.txt" 2>&1 || { cat "$work/install.txt"; echo "FAIL apt-get install"; exit 1; }
check "installed as /usr/bin/getalveld" [ "$(command -v getalveld)" == /usr/bin/getalveld ]
# --help and --version must answer before a window exists, so without any display.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C)
check "--version answers without a display" eval \
    '[ "$("${no_display[@]}" getalveld --version | head -n 1)" == "getalveld $version" ]'
check "--help answers without a display" eval '"${no_display[@]}" getalveld --help | grep -q "^Usage: getalveld "'
check "a wrong option is an error" eval '! "${no_display[@]}" getalveld --no-such-option 2>/dev/null'

echo "--- the installed program on a headless display"
# Xvfb keeps its screen in a file (-fbdir, XWD format): the program's pixels can be read there.
display_size=1024x768
xvfb_options=(-fbdir "$work")
start_display
start_openbox
# The main frame's background, 0x008AE2EA, lies in memory as the bytes 8A E2 EA.
painted() { [ "$(LC_ALL=C grep -obUaP '\x8A\xE2\xEA' "$work/Xvfb_screen0" | head -n 5000 | wc -l)" -ge 5000 ]; }
check "the empty display does not show the program's colour" eval '! painted'
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb getalveld >"$work/program.log" 2>&1 &
program=$!
pids+=("$program")
frame=$(timeout 30 xdotool search --sync --name '^ Alle kinderen moeten alle kansen krijgen\.$' | head -n 1) || true
check "the main window appears" [ -n "$frame" ]
first_paint() { for _ in $(seq 300); do painted && return 0; sleep 0.1; done; return 1; }
check "the main window paints its background" first_paint
[ -z "$frame" ] || wmctrl -i -c "$frame"
ended() { for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || return 0; sleep 0.1; done; return 1; }
check "closing the main window ends the program" ended || kill -9 "$program" 2>/dev/null
wait "$program" && status=0 || status=$?
check "the program ends with status 0" [ "$status" -eq 0 ]

echo "--- apt-get remove"
apt_get purge -y -qq getalveld >"$work/remove.txt" 2>&1 || cat "$work/remove.txt"
check "removed again" [ ! -e /usr/bin/getalveld ]

[ "$failures" -eq 0 ] || { echo "--- program output"; cat "$work/program.log"; }
echo "package: $passes passed, $failures failed"
[ "$failures" -eq 0 ]

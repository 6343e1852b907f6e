#!/usr/bin/env bash
# Builds the Debian packages from a build folder, checks the files they
# hold and how they describe themselves, unpacks them with dpkg -x into a
# staging root and runs the installed programs from there; validates the
# desktop entry, the AppStream data and the program file type, and runs
# lintian on the packages when it is installed.
#   CheckPackage.sh BUILD_DIR SOURCE_DIR WORK_DIR VERSION
set -euo pipefail
build="$1" source="$2" work="$3" version="$4"
arch="$(dpkg --print-architecture)"
rm -rf "$work"
mkdir -p "$work"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# Names the next step, and how far into the test it starts.
step() { echo "== $* (after ${SECONDS} s)"; }

# ---- The packages -----------------------------------------------------------
step "cpack"
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"
  fail "cpack could not build the packages"
}
workbench="$work/out/morvane_${version}_${arch}.deb"
runner="$work/out/morvane-run_${version}_${arch}.deb"
[ -f "$workbench" ] || fail "no $(basename "$workbench")"
picture="$work/out/morvane-picture_${version}_${arch}.deb"
[ -f "$runner" ] || fail "no $(basename "$runner")"
[ -f "$picture" ] || fail "no $(basename "$picture")"
[ "$(find "$work/out" -maxdepth 1 -name '*.deb' | wc -l)" -eq 3 ] || fail "packages other than morvane, morvane-run and morvane-picture: $(ls "$work/out")"

# ---- Their files --------------------------------------------------------------
step "file lists"
# Lists a package's files as "OWNER PATH", without the leading "./".
files_of() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ { print $2, substr($6, 3) }'; }
files_of "$workbench" >"$work/morvane.files"
files_of "$runner" >"$work/morvane-run.files"
files_of "$picture" >"$work/morvane-picture.files"

holds() {  # holds PACKAGE PATH...
  local package="$1"; shift
  for path in "$@"; do
    grep -qx "root/root $path" "$work/$package.files" || fail "$package does not hold $path as root's"
  done
}
lacks() {  # lacks PACKAGE PATH...
  local package="$1"; shift
  for path in "$@"; do
    ! grep -q " $path\$" "$work/$package.files" || fail "$package holds $path"
  done
}
holds morvane usr/bin/morvane \
  usr/share/applications/morvane.desktop \
  usr/share/icons/hicolor/scalable/apps/morvane.svg \
  usr/share/mime/packages/morvane.xml \
  usr/share/metainfo/org.morvane.Morvane.metainfo.xml \
  usr/share/man/man1/morvane.1.gz \
  usr/share/morvane/docs/README.md usr/share/morvane/docs/graphics.md usr/share/morvane/docs/house.png \
  usr/share/morvane/docs/pictures/workbench.png \
  usr/share/morvane/examples/hello.bas usr/share/morvane/examples/house.bas \
  usr/share/doc/morvane/copyright usr/share/doc/morvane/changelog.gz
for size in 16 22 24 32 48 64 128 256; do
  holds morvane "usr/share/icons/hicolor/${size}x${size}/apps/morvane.png"
done
holds morvane-run usr/bin/morvane-run usr/share/man/man1/morvane-run.1.gz \
  usr/share/doc/morvane-run/copyright usr/share/doc/morvane-run/changelog.gz
lacks morvane usr/bin/morvane-run usr/share/man/man1/morvane-run.1.gz
lacks morvane-run usr/bin/morvane usr/share/morvane/docs/README.md usr/share/applications/morvane.desktop \
  usr/lib/morvane/morvane-picture.so
holds morvane-picture usr/lib/morvane/morvane-picture.so \
  usr/share/doc/morvane-picture/copyright usr/share/doc/morvane-picture/changelog.gz

# ---- How they describe themselves ---------------------------------------------
step "control fields"
field() { dpkg-deb -f "$1" "$2"; }
for deb in "$workbench" "$runner" "$picture"; do
  [ "$(field "$deb" Version)" = "$version" ] || fail "$deb: version $(field "$deb" Version), not $version"
  [ "$(field "$deb" Architecture)" = "$arch" ] || fail "$deb: architecture"
  depends="$(field "$deb" Depends)"
  for needed in libc6 fonts-liberation; do
    grep -q "\b$needed\b" <<<"$depends" || fail "$deb does not depend on $needed: $depends"
  done
  [ "$(field "$deb" Description | wc -l)" -ge 3 ] || fail "$deb: no long description"
done
grep -q "libqt6widgets6" <<<"$(field "$workbench" Depends)" || fail "morvane does not depend on Qt Widgets"
# BEEP and SOUND load alsa-lib with their first tone: no library names it.
for deb in "$workbench" "$runner"; do
  grep -q "\blibasound2\b" <<<"$(field "$deb" Depends)" || fail "$deb does not depend on libasound2"
done
# A server without a display installs the runner without Qt.
! grep -q "libqt6" <<<"$(field "$runner" Depends)" || fail "morvane-run depends on Qt: $(field "$runner" Depends)"
grep -q "libqt6gui6" <<<"$(field "$picture" Depends)" || fail "morvane-picture does not depend on Qt's GUI library"
[ "$(field "$workbench" Package)" = morvane ] || fail "package name morvane"
[ "$(field "$runner" Package)" = morvane-run ] || fail "package name morvane-run"

# ---- Installed into a staging root ----------------------------------------------
step "unpacked with dpkg -x"
root="$work/root"
dpkg -x "$workbench" "$root"
dpkg -x "$runner" "$root"
dpkg -x "$picture" "$root"
for program in morvane morvane-run; do
  ! readelf -S "$root/usr/bin/$program" | grep -q '\.symtab' || fail "$program is not stripped"
done
# From elsewhere than the build, with the build folder out of reach.
cd "$work"
[ "$("$root/usr/bin/morvane-run" --version)" = "morvane-run $version" ] || fail "morvane-run --version"
[ "$("$root/usr/bin/morvane" --version)" = "morvane $version" ] || fail "morvane --version"
"$root/usr/bin/morvane-run" "$root/usr/share/morvane/examples/hello.bas" >"$work/hello.out" ||
  fail "the installed runner could not run hello.bas"
cmp "$work/hello.out" "$source/tests/programs/examples/hello.out" || fail "hello.bas printed other lines"
"$root/usr/bin/morvane-run" --canvas "$work/house.png" "$root/usr/share/morvane/examples/house.bas" >/dev/null ||
  fail "the installed runner could not draw house.bas"
[ "$(head -c 4 "$work/house.png" | tail -c 3)" = PNG ] || fail "house.png is no PNG picture"

# ---- Desktop entry, AppStream data, program file type ---------------------------
step "desktop-file-validate, appstreamcli, update-mime-database"
desktop-file-validate "$root/usr/share/applications/morvane.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.morvane.Morvane.metainfo.xml"
grep -qx "MimeType=text/x-morvane-basic;" "$root/usr/share/applications/morvane.desktop" ||
  fail "the desktop entry does not open text/x-morvane-basic"
mkdir -p "$work/mime/packages"
cp "$root/usr/share/mime/packages/morvane.xml" "$work/mime/packages/"
update-mime-database "$work/mime"
grep -qx "text/x-morvane-basic:\*\.bas" "$work/mime/globs" || fail "*.bas is not text/x-morvane-basic"

# ---- lintian ----------------------------------------------------------------------
if command -v lintian >/dev/null; then
  step "lintian"
  lintian --fail-on error "$workbench" "$runner" "$picture"
else
  step "lintian is not installed: the packages were not checked by it"
fi
echo "packages checked: $(basename "$workbench") $(basename "$runner") $(basename "$picture") (after ${SECONDS} s)"

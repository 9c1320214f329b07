#!/usr/bin/env bash
# Builds the Debian package in build-package (Release, no tests, no
# benchmarks) and checks it as a player's machine would see it, without
# installing it: unpacked into a temporary root, the programs run from there
# on the vault and a sample template, the desktop files pass their
# validators, the package holds what it should, and lintian finds no error.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-package"
jobs="${JOBS:-$(nproc)}"

# The flags Debian builds its own packages with (hardening included),
# without the debugging information the package strips anyway.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags() { dpkg-buildflags --get "$1" | sed -E 's/(^| )-g( |$)/ /g'; }
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF \
  -DQM_BUILD_BENCH=OFF -DQM_SANITIZE=OFF \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" >/dev/null
cmake --build "$build" -j"$jobs"
(cd "$build" && cpack -G DEB >/dev/null)

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
id="io.github.quillmark.Quillmark"
deb="$build/quillmark_${version}_amd64.deb"
[[ -f "$deb" ]] || { echo "no package $deb" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check DESCRIPTION COMMAND...: runs the command, notes a failure
  local what="$1"
  shift
  if "$@" >"$work/out" 2>&1; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    sed 's/^/     /' "$work/out"
    failures=$((failures + 1))
  fi
}

info="$(dpkg-deb --info "$deb")"
contents="$(dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|')"
field() { dpkg-deb --field "$deb" "$1"; }
check "package name and version" test "$(field Package) $(field Version)" = "quillmark $version"
check "architecture" test "$(field Architecture)" = amd64
check "section" test "$(field Section)" = utils
check "maintainer" grep -q '^ Maintainer: .*<.*@.*>' <<<"$info"
check "description with a synopsis and a body" \
  bash -c '[[ $(dpkg-deb --field "$1" Description | wc -l) -ge 4 ]]' _ "$deb"
check "dependencies found by the library scan" \
  bash -c 'd=$(dpkg-deb --field "$1" Depends); [[ $d == *libc6* && $d == *libqt6widgets6* && $d == *zlib1g* ]]' _ "$deb"
# The MIME, desktop and icon caches are refreshed by dpkg's triggers.
check "no maintainer scripts" bash -c '! dpkg-deb --info "$1" | grep -Eq "^ +[0-9]+ bytes, +[0-9]+ lines +\*? *(pre|post)(inst|rm)"' _ "$deb"
expected=(
  /usr/bin/quillmark
  /usr/bin/quillmark-cli
  /usr/share/quillmark/master.qmv
  "/usr/share/applications/$id.desktop"
  "/usr/share/mime/packages/$id.xml"
  "/usr/share/metainfo/$id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$id.svg"
  /usr/share/icons/hicolor/scalable/mimetypes/application-x-quillmark-template.svg
  /usr/share/icons/hicolor/scalable/mimetypes/application-x-quillmark-old-template.svg
  /usr/share/icons/hicolor/scalable/mimetypes/application-x-quillmark-item.svg
  /usr/share/icons/hicolor/scalable/mimetypes/application-x-quillmark-old-item.svg
  /usr/share/man/man1/quillmark.1.gz
  /usr/share/man/man1/quillmark-cli.1.gz
  /usr/share/bash-completion/completions/quillmark-cli
  /usr/share/doc/quillmark/copyright
  /usr/share/doc/quillmark/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
missing=()
for path in "${expected[@]}"; do grep -qxF "$path" <<<"$contents" || missing+=("$path"); done
check "the package holds every expected file" test "${#missing[@]}" -eq 0
((${#missing[@]} == 0)) || printf '     missing %s\n' "${missing[@]}"
check "nothing outside /usr" bash -c '! grep -v "^/usr" <<<"$1" | grep -q .' _ "$contents"

# The player's machine: the package unpacked into its own root, a home of its
# own, and no display.
dest="$work/root"
dpkg-deb -x "$deb" "$dest"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
bin="$dest/usr/bin"
vault="$dest/usr/share/quillmark/master.qmv"
sample="$build/samples/albion-armsman.qmc"
snapshot() { find "$dest" -printf '%p %s %T@\n' | sort; }
snapshot >"$work/before"

check "quillmark-cli --version" test "$("$bin/quillmark-cli" --version)" = "quillmark-cli $version"
check "quillmark --version" test "$("$bin/quillmark" --version)" = "quillmark $version"
check "quillmark-cli reads the installed vault" \
  bash -c '"$1" vault info "$2" | grep -q "^entries: [1-9]"' _ "$bin/quillmark-cli" "$vault"
check "quillmark-cli searches the installed vault" \
  bash -c '[[ $("$1" vault search "$2" | wc -l) -gt 0 ]]' _ "$bin/quillmark-cli" "$vault"
check "quillmark-cli totals a sample template" \
  bash -c '"$1" totals "$2" --json | grep -q "\"totals\""' _ "$bin/quillmark-cli" "$sample"
# The installed program finds its vault in <prefix>/share/quillmark: with no
# vault beside it, a template loads only when that works.
shot="$work/window.png"
check "quillmark renders a template offscreen" "$bin/quillmark" --screenshot "$shot" "$sample"
check "the picture is a PNG" bash -c 'file -b "$1" | grep -q "^PNG image data, 1280 x 800"' _ "$shot"
snapshot >"$work/after"
check "nothing was written under the prefix" diff "$work/before" "$work/after"

apps="$dest/usr/share/applications"
check "desktop-file-validate" desktop-file-validate "$apps/$id.desktop"
check "appstreamcli validate --no-net" \
  appstreamcli validate --no-net "$dest/usr/share/metainfo/$id.metainfo.xml"
# The MIME package compiles into a database that maps each extension to its type.
cp -r "$dest/usr/share/mime" "$work/mime"
check "update-mime-database reads the MIME package" update-mime-database "$work/mime"
for pair in qmc:template qmy:old-template qmx:item qmi:old-item; do
  check "*.${pair%%:*} is application/x-quillmark-${pair#*:}" \
    grep -q "application/x-quillmark-${pair#*:}:\*\.${pair%%:*}$" "$work/mime/globs2"
done
for pair in znk:zenkcraft mmr:loki; do
  check "*.${pair%%:*} is application/x-${pair#*:}-template" \
    grep -q "application/x-${pair#*:}-template:\*\.${pair%%:*}$" "$work/mime/globs2"
done
check "Kort's templates are told by their root element, not by .xml" \
  grep -q "SCTemplate application/x-kort-template" "$work/mime/XMLnamespaces"
for size in 16 22 24 32 48 64 128 256; do
  check "the ${size}px icon is ${size} x ${size}" bash -c 'file -b "$1" | grep -q "PNG image data, $2 x $2"' \
    _ "$dest/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" "$size"
done
check "the manual pages format without warnings" bash -c \
  'for page in "$@"; do [[ -z $(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) ]] || exit 1; done' \
  _ "$dest"/usr/share/man/man1/*.1.gz
# The completion as bash uses it: the command words, then file names of the kind.
mkdir -p "$work/files" && touch "$work/files/"{a.qmc,b.qmy,c.qmx,d.txt}
complete_words() {
  (cd "$work/files" && bash -c 'source /usr/share/bash-completion/bash_completion
    source "$1"; shift
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _quillmark_cli quillmark-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
    printf "%s\n" "${COMPREPLY[@]}"' _ "$dest/usr/share/bash-completion/completions/quillmark-cli" "$@")
}
check "bash completes the commands" test "$(complete_words quillmark-cli va)" = vault
check "bash completes the vault commands" test "$(complete_words quillmark-cli vault s)" = search
check "bash completes the report contents" \
  test "$(complete_words quillmark-cli report x.qmc --content ma)" = materials
check "bash completes templates for totals" \
  test "$(complete_words quillmark-cli totals "" | sort | tr '\n' ' ')" = "a.qmc b.qmy "

echo "== lintian"
lintian --fail-on error --display-info "$deb" | tee "$work/lintian" || failures=$((failures + 1))
[[ -s "$work/lintian" ]] || echo "(no tags)"

echo "package: $deb, $(stat -c %s "$deb") bytes; unpacked $(du -sk "$dest/usr" | cut -f1) KiB"
if ((failures)); then
  echo "$failures package check(s) failed" >&2
  exit 1
fi
echo "package checks passed"

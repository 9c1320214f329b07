#!/usr/bin/env bash
# Installs the package into a fresh Debian 12 and checks it as a player meets
# it: apt finds every dependency, the menu entry and the icons are in place,
# template files belong to the program, and the program starts on one from
# its desktop entry. Run by hand, as root, on a Debian machine that reaches
# Debian's archive (debootstrap makes the fresh system, about 300 MB):
#   scripts/check-fresh-install.sh PACKAGE.deb SAMPLE.qmc
# FRESH_ROOT=DIR reuses a system made before (it is left in place).
set -euo pipefail
deb="$(realpath "${1:?usage: check-fresh-install.sh PACKAGE.deb SAMPLE.qmc}")"
sample="$(realpath "${2:?usage: check-fresh-install.sh PACKAGE.deb SAMPLE.qmc}")"
id="io.github.quillmark.Quillmark"
template_type="application/x-quillmark-template"

command -v debootstrap >/dev/null || apt-get install -y debootstrap >/dev/null
fresh="${FRESH_ROOT:-}"
if [[ -z "$fresh" ]]; then
  fresh="$(mktemp -d /var/tmp/quillmark-fresh.XXXXXX)"
  trap 'umount "$fresh/proc" 2>/dev/null || true; rm -rf "$fresh"' EXIT
else
  trap 'umount "$fresh/proc" 2>/dev/null || true' EXIT
fi
if [[ ! -x "$fresh/usr/bin/apt-get" ]]; then
  echo "== making a fresh Debian 12 in $fresh"
  debootstrap --variant=minbase bookworm "$fresh" >/dev/null
fi
mountpoint -q "$fresh/proc" || mount -t proc proc "$fresh/proc"
in_fresh() {
  chroot "$fresh" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"
}

echo "== apt install ./$(basename "$deb")"
cp "$deb" "$fresh/tmp/"
# What a desktop brings along and a file manager uses to open a file.
in_fresh apt-get install -y -q xdg-utils >/dev/null
in_fresh apt-get install -y -q "/tmp/$(basename "$deb")" | tail -n 3

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what="$1"
  shift
  if out="$("$@" 2>&1)"; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    echo "$out" | sed 's/^/     /'
    failures=$((failures + 1))
  fi
}
cp "$sample" "$fresh/tmp/sample.qmc"
touch "$fresh/tmp/installed"

check "quillmark --version" in_fresh quillmark --version
check "quillmark-cli reads the installed vault" in_fresh quillmark-cli vault info /usr/share/quillmark/master.qmv
check "menu entry" test -f "$fresh/usr/share/applications/$id.desktop"
check "application icon" test -f "$fresh/usr/share/icons/hicolor/scalable/apps/$id.svg"
check "a .qmc file is a Quillmark template" \
  bash -c "[[ \"\$(chroot '$fresh' xdg-mime query filetype /tmp/sample.qmc)\" == '$template_type' ]]"
check "the program opens templates" \
  bash -c "[[ \"\$(chroot '$fresh' xdg-mime query default '$template_type')\" == '$id.desktop' ]]"
# The entry's own command line, as a file manager runs it on a double click;
# still running after five seconds means the window is up and waiting.
exec_line="$(sed -n 's/^Exec=//p' "$fresh/usr/share/applications/$id.desktop" | head -n 1)"
check "the desktop entry's command starts on the template" bash -c "
  chroot '$fresh' env -i PATH=/usr/bin:/bin HOME=/tmp/player QT_QPA_PLATFORM=offscreen \
    timeout 5 ${exec_line//%f//tmp/sample.qmc}; [[ \$? == 124 ]]"
check "the installed program renders the template" \
  in_fresh env HOME=/tmp/player QT_QPA_PLATFORM=offscreen \
  quillmark --screenshot /tmp/shot.png /tmp/sample.qmc
check "nothing was written under /usr" \
  bash -c "[[ -z \"\$(find '$fresh/usr' -newer '$fresh/tmp/installed' -type f)\" ]]"

if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "the package installs and works on a fresh Debian 12"

#!/usr/bin/env bash
# Prints what a screen reader reads from the main window: the accessibility
# tree of the running program (role, name, description per node), then how
# many controls have a name and how many figure labels a description.
# Needs Debian's at-spi2-core, python3-pyatspi, dbus and xvfb.
#   scripts/a11y-dump.sh [BUILD_DIR] [TEMPLATE]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
template="${2:-$build/samples/albion-armsman.qmc}"
program="$build/app/quillmark"
for need in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$need" >/dev/null || { echo "a11y-dump: $need is missing" >&2; exit 2; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "a11y-dump: python3-pyatspi is missing" >&2; exit 2; }

# A settings file of its own, so no first-run notice waits for a click and the
# player's own settings stay untouched.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/Quillmark"
: >"$config/Quillmark/Quillmark.ini"

tree="$config/tree.py"
cat >"$tree" <<"PY"
import pyatspi, sys

# Roles a player operates; every one of them needs a name.
CONTROLS = {"push button", "combo box", "check box", "text", "entry", "menu item",
            "check menu item", "radio menu item", "menu", "page tab", "spin button",
            "tool bar", "radio button"}
# What a figure label says it shows.
FIGURE_SUFFIXES = (" value", " cap", " difference", " item", " utility")

counts = {"controls": 0, "named": 0, "figures": 0, "combos": 0, "captioned": 0}
unnamed = []

def caption(node):
    """The label a screen reader reads before the control (its buddy)."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return ""

def show(node, depth=0):
    role = node.getRoleName()
    states = node.getState()
    line = "  " * depth + f"{role} {node.name!r} {node.description!r}"
    label = caption(node)
    if label:
        line += f" labelled by {label!r}"
    print(line)
    if role in CONTROLS and states.contains(pyatspi.STATE_VISIBLE):
        counts["controls"] += 1
        if node.name.strip():
            counts["named"] += 1
        else:
            unnamed.append(role)
        if role == "combo box":
            # Qt names a combo box by its current text; the caption comes by
            # the labelled-by relation.
            counts["combos"] += 1
            counts["captioned"] += bool(label)
    if role == "label" and (node.description.endswith(FIGURE_SUFFIXES)
                            or node.description == "Utility total"):
        counts["figures"] += 1
    for i in range(node.childCount):
        show(node.getChildAtIndex(i), depth + 1)

desktop = pyatspi.Registry.getDesktop(0)
for i in range(desktop.childCount):
    app = desktop.getChildAtIndex(i)
    if app.name.lower().startswith("quillmark"):
        show(app)
print()
print(f"controls named: {counts['named']} of {counts['controls']}")
print(f"combo boxes with a caption: {counts['captioned']} of {counts['combos']}")
print(f"figure labels described: {counts['figures']}")
if unnamed:
    print("unnamed:", ", ".join(sorted(set(unnamed))))
    sys.exit(1)
PY

export QM_A11Y_TREE="$tree" QM_A11Y_PROGRAM="$program" QM_A11Y_TEMPLATE="$template" XDG_CONFIG_HOME="$config"
xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$QM_A11Y_PROGRAM" "$QM_A11Y_TEMPLATE" &
  program=$!
  sleep "${QM_A11Y_WAIT:-3}"  # until the vault is loaded and the window shown
  status=0
  /usr/bin/python3 "$QM_A11Y_TREE" || status=$?
  kill "$program" "$bus" 2>/dev/null || true
  exit $status
'

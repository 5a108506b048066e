#!/usr/bin/env bash
# Installs the build into a scratch prefix outside the build folder, checks the desktop files
# are in their freedesktop.org places, and runs the installed tarvel and planner (offscreen)
# with an empty working directory, so that every shipped file must come from the prefix.
set -euo pipefail
build=$1
desktop_id=$2
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tarvel-install-check.XXXXXX")
planner_pid=""
cleanup() {
  if [ -n "$planner_pid" ]; then kill "$planner_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
prefix=$scratch/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/tarvel bin/tarvel-planner \
    share/tarvel-planner/mort.dat share/tarvel-planner/jointtab.dat \
    share/tarvel-planner/help/contents.html share/tarvel-planner/examples/couple-saving.ret \
    "share/applications/$desktop_id.desktop" "share/metainfo/$desktop_id.metainfo.xml" \
    share/mime/packages/tarvel-planner.xml \
    share/icons/hicolor/scalable/apps/tarvel-planner.svg \
    share/icons/hicolor/scalable/mimetypes/application-x-tarvel-scenario.svg; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for size in 16 22 24 32 48 64 128 256 512; do
  for icon in apps/tarvel-planner mimetypes/application-x-tarvel-scenario; do
    png=$prefix/share/icons/hicolor/${size}x${size}/$icon.png
    [ -f "$png" ] || fail "$png is not installed"
    file "$png" | grep -q "$size x $size" || fail "$png is not $size pixels square"
  done
done
head -c 5 "$prefix/share/tarvel-planner/tarvel-planner-manual.pdf" 2>/dev/null | grep -q '%PDF-' ||
  fail "the PDF manual is not installed"

# The command line: a Rule 72T plan reads the life tables, which only the prefix holds.
work=$scratch/work
mkdir -p "$work"
(cd "$scratch" && "$prefix/bin/tarvel" run "$prefix/share/tarvel-planner/examples/early-retiree-72t.ret" \
    --workdir "$work" --no-summary --periods "$scratch/periods.csv" 2>"$scratch/tarvel.err") ||
  fail "installed tarvel failed: $(cat "$scratch/tarvel.err")"
[ ! -s "$scratch/tarvel.err" ] || fail "installed tarvel complained: $(cat "$scratch/tarvel.err")"
[ -s "$scratch/periods.csv" ] || fail "installed tarvel wrote no results"

# The planner: reports its data folder, then opens the scenario named on its command line and
# runs it, which writes the plot file into its working directory.
"$prefix/bin/tarvel-planner" --version | grep -q "$prefix/share/tarvel-planner" ||
  fail "installed planner does not find its data in the prefix"
desk=$scratch/desk
mkdir -p "$desk"
cp "$prefix/share/tarvel-planner/examples/couple-saving.ret" "$scratch/my plan.ret"
QT_QPA_PLATFORM=offscreen "$prefix/bin/tarvel-planner" --workdir "$desk" "$scratch/my plan.ret" \
    >"$scratch/planner.out" 2>&1 &
planner_pid=$!
for _ in $(seq 1 120); do
  [ -f "$desk/plotinf01.tmp" ] && break
  kill -0 "$planner_pid" 2>/dev/null || fail "installed planner stopped: $(cat "$scratch/planner.out")"
  sleep 0.5
done
[ -f "$desk/plotinf01.tmp" ] || fail "installed planner did not open and run the scenario"
echo "installed programs ran from $prefix"

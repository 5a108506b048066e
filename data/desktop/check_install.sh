#!/usr/bin/env bash
# Installs the build into a scratch prefix outside the build folder, checks the desktop files,
# manual pages and package documents are in their places, and runs the installed tarvel
# (run, print, montecarlo) and planner (offscreen) from a folder outside the source tree with
# an empty working directory, so that every shipped file must come from the prefix.
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
    share/tarvel-planner/us-annual-returns.csv share/tarvel-planner/pictures/banner.png \
    share/tarvel-planner/pictures/logo.png share/tarvel-planner/pictures/wmark.png \
    share/man/man1/tarvel.1.gz share/man/man1/tarvel-planner.1.gz \
    share/doc/tarvel-planner/copyright share/doc/tarvel-planner/changelog.Debian.gz \
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

# The manual pages: what the programs print with --man, compressed, and read by groff without
# a warning (as lintian reads them).
for program in tarvel tarvel-planner; do
  page=$prefix/share/man/man1/$program.1.gz
  cmp -s <(gzip -dc "$page") <("$prefix/bin/$program" --man) ||
    fail "$page is not what $program --man prints"
  warnings=$(gzip -dc "$page" | groff -man -Tutf8 -ww -z 2>&1) || fail "groff cannot read $page"
  [ -z "$warnings" ] || fail "groff warns about $page: $warnings"
done

# The command line: a Rule 72T plan reads the life tables, which only the prefix holds.
work=$scratch/work
mkdir -p "$work"
(cd "$scratch" && "$prefix/bin/tarvel" run "$prefix/share/tarvel-planner/examples/early-retiree-72t.ret" \
    --workdir "$work" --no-summary --periods "$scratch/periods.csv" 2>"$scratch/tarvel.err") ||
  fail "installed tarvel failed: $(cat "$scratch/tarvel.err")"
[ ! -s "$scratch/tarvel.err" ] || fail "installed tarvel complained: $(cat "$scratch/tarvel.err")"
[ -s "$scratch/periods.csv" ] || fail "installed tarvel wrote no results"

# A printed schedule with the banner, logo and watermark on draws the installed pictures.
cat >"$scratch/pictures.json" <<'EOF'
{
  "initial": {"start_age": 60, "end_age": 70},
  "accounts": [{"name": "Savings", "type": "Investment", "initial_amount": 100000, "yearly_rate": 4}],
  "window": {"display_options": [0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}
}
EOF
(cd "$scratch" && "$prefix/bin/tarvel" convert pictures.json pictures.ret &&
  "$prefix/bin/tarvel" print pictures.ret --schedule --out printed.pdf 2>"$scratch/print.err") ||
  fail "installed tarvel print failed: $(cat "$scratch/print.err")"
head -c 5 "$scratch/printed.pdf" | grep -q '%PDF-' || fail "installed tarvel print wrote no PDF"
grep -aq '/Subtype */Image' "$scratch/printed.pdf" ||
  fail "installed tarvel print found no pictures"

# Monte Carlo over the installed historical returns.
(cd "$scratch" && "$prefix/bin/tarvel" montecarlo pictures.ret --source historical \
    >"$scratch/montecarlo.out" 2>"$scratch/montecarlo.err") ||
  fail "installed tarvel montecarlo failed: $(cat "$scratch/montecarlo.err")"
grep -q '^success probability: [0-9.]* %$' "$scratch/montecarlo.out" ||
  fail "installed tarvel montecarlo printed no success probability: $(head -3 "$scratch/montecarlo.out")"

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

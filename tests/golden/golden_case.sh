#!/usr/bin/env bash
# One golden case: builds the scenario from its JSON, runs it with the case's options and
# compares the results file (.sch) and the yearly results (.csv) with the expected files, byte
# for byte, printing a unified diff on a mismatch. With TARVEL_GOLDEN_UPDATE=1 it rewrites the
# expected files instead (for a reviewed change of the output).
#
# usage: golden_case.sh TARVEL SCENARIO.json EXPECTED_PREFIX WORK_FOLDER
#   EXPECTED_PREFIX.args  the options after the scenario file, on one line (may be empty)
#   EXPECTED_PREFIX.sch   the expected results file
#   EXPECTED_PREFIX.csv   the expected yearly results
set -euo pipefail

tarvel=$1
json=$2
expected=$3
work=$4
name=$(basename "$expected")
# Today's date is pinned so that birthday ages and dates in the files never change.
today=2024-03-05

if [[ ! -f "$expected.args" ]]; then
  echo "missing $expected.args (the options of the case, one line, may be empty)" >&2
  exit 1
fi
options=()
read -r -a options <"$expected.args" || true

rm -rf "$work"
mkdir -p "$work"
cd "$work"
"$tarvel" convert "$json" "$name.ret"
"$tarvel" run "$name.ret" --workdir run --today "$today" --schedule "$name.sch" \
  --periods "$name.csv" "${options[@]}"

if [[ "${TARVEL_GOLDEN_UPDATE:-}" == 1 ]]; then
  cp "$name.sch" "$expected.sch"
  cp "$name.csv" "$expected.csv"
  echo "rewrote $expected.sch and $expected.csv"
  exit 0
fi

status=0
for kind in sch csv; do
  if [[ ! -f "$expected.$kind" ]]; then
    echo "missing $expected.$kind; write it with make golden-update and review it" >&2
    status=1
  elif ! diff -u "$expected.$kind" "$name.$kind"; then
    status=1
  fi
done
exit $status

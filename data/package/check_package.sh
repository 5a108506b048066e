#!/usr/bin/env bash
# Builds the Debian package of the build into a scratch folder and checks what Debian expects
# of it: the manual pages, the copyright file and changelog, the shipped pictures, and control
# fields lintian accepts (a maintainer with an e-mail address, a known section, Recommends
# limited to what the planner uses).
set -euo pipefail
build=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tarvel-package-check.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1) ||
  fail "cpack failed: $(tail -5 "$scratch/cpack.log")"
deb=$(ls "$scratch"/tarvel-planner_*.deb)

dpkg-deb -c "$deb" | awk '{print $6}' >"$scratch/contents"
for file in usr/share/man/man1/tarvel.1.gz usr/share/man/man1/tarvel-planner.1.gz \
    usr/share/doc/tarvel-planner/copyright usr/share/doc/tarvel-planner/changelog.Debian.gz \
    usr/share/tarvel-planner/pictures/logo.png usr/share/tarvel-planner/us-annual-returns.csv; do
  grep -qx "./$file" "$scratch/contents" || fail "the package does not hold $file"
done

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
  fail "maintainer without an e-mail address: $(field Maintainer)"
case $(field Section) in misc | utils) ;; *) fail "section $(field Section)" ;; esac
[[ $(field Version) == *-* ]] || fail "version $(field Version) has no Debian revision"
[[ $(field Recommends) != *xdg-utils* ]] || fail "Recommends pulls in xdg-utils"
mkdir "$scratch/tree"
dpkg-deb -x "$deb" "$scratch/tree"
docs=$scratch/tree/usr/share/doc/tarvel-planner
[[ $(gzip -dc "$docs/changelog.Debian.gz" | sed -n 1p) == "tarvel-planner ($(field Version)) "* ]] ||
  fail "changelog.Debian.gz does not start with version $(field Version)"
[[ $(sed -n 1p "$docs/copyright") == \
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
  fail "the copyright file is not in the machine-readable format"
echo "package $(basename "$deb") holds what Debian expects"

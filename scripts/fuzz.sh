#!/bin/bash
# make fuzz: builds every fuzz target (build-fuzz/fuzzers.txt lists them) and runs each for SECONDS,
# JOBS targets at a time (default: the number of cores; a target runs as one process, so more at a
# time only share the cores). What they learn stays in build-fuzz/corpus/<target>; a finding lands in
# build-fuzz/achados/<target>/ (reproduce it with build-fuzz/bin/<target> <file>), libFuzzer's log in
# build-fuzz/achados/<target>.log.
# Usage: scripts/fuzz.sh SECONDS [JOBS]
# Exit status 1 when any target found something; the others still run. Longer runs that keep their
# corpus elsewhere: scripts/fuzz-longo.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:?usage: scripts/fuzz.sh SECONDS [JOBS]}
jobs=${2:-$(nproc)}
if ! [[ "$segundos" =~ ^[0-9]+$ && "$jobs" =~ ^[0-9]+$ ]] || ((10#$jobs == 0)); then
  echo "fuzz: SECONDS is a whole number, JOBS a whole number from 1 up" >&2
  exit 2
fi

scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers

# One target. Its two lines of summary go out in one write, so that targets running side by side do
# not mix them; a finding leaves <target>.achado beside its log.
roda_alvo() {
  local alvo=$1 achados=build-fuzz/achados
  mkdir -p "build-fuzz/corpus/$alvo" "$achados/$alvo"
  rm -f "$achados/$alvo.achado"
  "build-fuzz/bin/$alvo" -max_total_time="$FUZZ_SEGUNDOS" -artifact_prefix="$achados/$alvo/" \
    "build-fuzz/corpus/$alvo" "fuzz/corpus/$alvo" >"$achados/$alvo.log" 2>&1 || touch "$achados/$alvo.achado"
  printf 'fuzz: %s, %s s\n%s\n' "$alvo" "$FUZZ_SEGUNDOS" "$(grep -E '^#[0-9]+.*DONE' "$achados/$alvo.log" | tail -n 1)"
}
export -f roda_alvo
export FUZZ_SEGUNDOS=$segundos

alvos=$(cat build-fuzz/fuzzers.txt)
# shellcheck disable=SC2086 # one target a word
printf '%s\n' $alvos | xargs -P "$jobs" -I '{}' bash -c 'roda_alvo "$1"' _ '{}'

falhas=0
for alvo in $alvos; do
  [ -e "build-fuzz/achados/$alvo.achado" ] || continue
  falhas=1
  echo "fuzz: $alvo found a fault:"
  grep -E 'ERROR|SUMMARY|Test unit written' "build-fuzz/achados/$alvo.log" || true
done
exit "$falhas"

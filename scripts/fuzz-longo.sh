#!/bin/sh
# Long fuzzing on a lab machine: every fuzz target for SECONDS with JOBS processes at a time, all in
# one FOLDER that can be kept from run to run:
#   FOLDER/corpus/<target>/    what the target has learnt (started from fuzz/corpus/<target>/)
#   FOLDER/achados/<target>/   findings (crash-*, leak-*, timeout-*); reproduce one with
#                              build-fuzz/bin/<target> <file>
#   FOLDER/logs/<target>/      libFuzzer's log of each job
# Usage: scripts/fuzz-longo.sh SECONDS [JOBS (default: the number of cores)] [FOLDER (default: fuzzing)]
# Optional environment: RUNS=N stops each job after N executions (a target that is fast stops there
# before SECONDS); TARGETS="a_fuzz b_fuzz" runs only those targets, in that order.
# Exit status 1 when a target found something; the others still run.
set -eu
cd "$(dirname "$0")/.."
segundos=${1:?usage: scripts/fuzz-longo.sh SECONDS [JOBS] [FOLDER]}
jobs=${2:-$(nproc)}
mkdir -p "${3:-fuzzing}"
pasta=$(cd "${3:-fuzzing}" && pwd)
raiz=$(pwd)

scripts/install-deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzzers

falhas=""
for alvo in ${TARGETS:-$(cat build-fuzz/fuzzers.txt)}; do
  mkdir -p "$pasta/corpus/$alvo" "$pasta/achados/$alvo" "$pasta/logs/$alvo"
  echo "fuzz-longo: $alvo, $segundos s, $jobs jobs"
  antes=$(ls "$pasta/achados/$alvo" | wc -l)
  # Each job runs for the whole time; the jobs share the corpus folder and merge into it.
  (cd "$pasta/logs/$alvo" && "$raiz/build-fuzz/bin/$alvo" -jobs="$jobs" -workers="$jobs" \
    -max_total_time="$segundos" ${RUNS:+-runs="$RUNS"} -artifact_prefix="$pasta/achados/$alvo/" \
    "$pasta/corpus/$alvo" "$raiz/fuzz/corpus/$alvo" >/dev/null 2>&1) || true
  depois=$(ls "$pasta/achados/$alvo" | wc -l)
  if [ "$depois" -gt "$antes" ]; then
    falhas="$falhas $alvo"
    echo "fuzz-longo: $alvo: $((depois - antes)) new finding(s) in $pasta/achados/$alvo"
  fi
done
[ -z "$falhas" ] || { echo "fuzz-longo: findings in:$falhas"; exit 1; }

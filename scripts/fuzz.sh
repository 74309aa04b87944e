#!/usr/bin/env bash
# Runs each fuzz target for FUZZ_SECONDS seconds (60 by default) from its
# seeds and with its dictionary, as many at a time as there are cores, and
# fails on any finding. Needs the build of scripts/sanitize.sh.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sanitize_build="${FLUVARA_SANITIZE_BUILD_DIR:-$repo/build-sanitize}"
seconds="${FUZZ_SECONDS:-60}"
source "$repo/scripts/sanitizer-env.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# One target: the corpus grows in a scratch folder, the seeds stay as they are;
# a finding leaves its input in findings/ of the sanitizer build.
fuzz_one() {
  local target="$1" name short dict=()
  name="$(basename "$target")"
  short="${name#fuzz_}"
  case "$short" in
    numbercheck) dict=(-dict="$repo/fuzz/numbercheck.dict") ;;
    resultlines | printout | sketch) dict=(-dict="$repo/fuzz/text.dict") ;;
  esac
  [ -f "$repo/fuzz/$short.dict" ] && dict=(-dict="$repo/fuzz/$short.dict")
  mkdir -p "$work/$short" "$sanitize_build/findings"
  if "$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$sanitize_build/findings/$short-" "${dict[@]}" \
      "$work/$short" "$repo/fuzz/corpus/$short" >"$work/$short.log" 2>&1; then
    echo "ok" >"$work/$short.result"
  else
    echo "FINDING" >"$work/$short.result"
  fi
}

targets=()
for target in "$sanitize_build"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] && targets+=("$target")
done
if [ "${#targets[@]}" -eq 0 ]; then
  echo "no fuzz targets in $sanitize_build/fuzz: run scripts/sanitize.sh first" >&2
  exit 1
fi
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  fuzz_one "$target" &
done
wait

failed=0
printf '%-14s %-8s %12s %10s\n' target result executions exec/s
for target in "${targets[@]}"; do
  short="$(basename "$target")"
  short="${short#fuzz_}"
  result="$(cat "$work/$short.result" 2>/dev/null || echo missing)"
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$short.log" | tail -1)"
  speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/$short.log" | tail -1)"
  printf '%-14s %-8s %12s %10s\n' "$short" "$result" "${runs:-?}" "${speed:-?}"
  if [ "$result" != ok ]; then
    failed=1
    echo "---- $short" >&2
    tail -60 "$work/$short.log" >&2
  fi
done
exit "$failed"

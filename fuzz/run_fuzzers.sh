#!/usr/bin/env bash
# Runs each fuzz target for a bounded time on a copy of its seed corpus.
# Fails on any crash, sanitizer report, timeout, memory blow-up or unbounded
# output (the harness aborts on that), and leaves what it found in
# build/fuzz/findings/.
#
#   run_fuzzers.sh SECONDS [TARGET...]    (default: every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(input_fuzzer run_fuzzer)

findings=build/fuzz/findings
mkdir -p "$findings"
failed=0
for target in "${targets[@]}"; do
  corpus_name=${target%_fuzzer}
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$corpus_name/." "$work/"
  echo "== $target: $seconds s"
  if ! "build/fuzz/fuzz/$target" "$work" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
      -print_final_stats=1 -artifact_prefix="$findings/$target-" 2> "$findings/$target.log"; then
    echo "$target FAILED; the end of its log:"
    tail -40 "$findings/$target.log"
    failed=1
  fi
  grep -E 'cov: [0-9]+ ft: ' "$findings/$target.log" | tail -1
  grep -E '^Done|^stat::peak_rss_mb' "$findings/$target.log" 
  rm -rf "$work"
done
exit $failed

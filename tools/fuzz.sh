#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time over a seed corpus made from the bundled
# descriptions and the test data.
#   tools/fuzz.sh TARGET SECONDS     TARGET: ini, device, settings, config or pipeline
# The targets come from a build with -DPRAMLET_FUZZ=ON (clang), by default in build-asan/
# (PRAMLET_FUZZ_BUILD=DIR for another). The corpus grows in DIR/fuzz/corpus/TARGET across
# runs; a crash leaves its input in DIR/fuzz/artifacts/ and ends the script with status 1.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: tools/fuzz.sh TARGET SECONDS}
seconds=${2:?usage: tools/fuzz.sh TARGET SECONDS}
build=${PRAMLET_FUZZ_BUILD:-build-asan}
binary=$build/fuzz/fuzz_$target
[ -x "$binary" ] || { echo "fuzz.sh: no $binary (configure with -DPRAMLET_FUZZ=ON)" >&2; exit 2; }

seeds=$build/fuzz/seeds/$target
corpus=$build/fuzz/corpus/$target
artifacts=$build/fuzz/artifacts
rm -rf "$seeds"
mkdir -p "$seeds" "$corpus" "$artifacts"

descriptions() { ls tests/data/*/*.dsc devices/*.dsc; }
case $target in
ini | device)
    n=0
    for f in $(descriptions) tests/data/*/*.PPRO; do
        [ -f "$f" ] && cp "$f" "$seeds/$((n++))"
    done
    ;;
settings)
    cp tests/generator/golden/*.args "$seeds/"
    ;;
config)
    # Each golden program's arguments as a settings file.
    n=0
    for args in tests/generator/golden/*.args; do
        { echo "# pramlet settings 1"
          grep -v '^#' "$args" | awk '
              prev == "--device" { print "device = " $0 }
              prev == "--app" { print "app = " $0; app = 1 }
              prev == "--set" { i = index($0, "="); print substr($0, 1, i - 1) " = " substr($0, i + 1) }
              { prev = $0 }
              END { if (!app) print "app = Demo" }'
        } > "$seeds/$((n++))"
    done
    ;;
pipeline)
    # Each golden program's controller with its settings, and every test controller alone.
    n=0
    for f in tests/data/generator/*.dsc tests/data/portfuse/*.dsc; do
        { cat "$f"; printf '\n%%%%\n'; } > "$seeds/$((n++))"
    done
    for args in tests/generator/golden/*.args; do
        device=$(grep -v '^#' "$args" | grep -A1 -x -- --device | tail -1)
        dsc=$(grep -l -i -x "device=$device" tests/data/generator/*.dsc | head -1 || true)
        [ -n "$dsc" ] || continue
        { cat "$dsc"; printf '\n%%%%\n'; grep -v '^#' "$args" | grep -A1 -x -- --set |
              grep -v -x -e --set -e -- || true; } > "$seeds/$((n++))"
    done
    ;;
*) echo "fuzz.sh: unknown target $target" >&2; exit 2 ;;
esac

echo "fuzz.sh: $target for ${seconds}s, $(ls "$seeds" | wc -l) seeds, corpus $(ls "$corpus" | wc -l)"
log=$build/fuzz/$target.log
status=0
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$target-" "$corpus" "$seeds" > "$log" 2>&1 || status=$?
grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" || true
echo "fuzz.sh: $target corpus now $(ls "$corpus" | wc -l) inputs, status $status"
if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    exit 1
fi

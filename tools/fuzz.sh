#!/bin/sh
# Runs every libFuzzer target of a fuzz build for a number of inputs each, one after the other
# in a single process each (the machine is shared). A finding (crash, sanitizer report, leak,
# timeout, running out of memory) fails the run; its input is kept under <build>/findings.
#
#   tools/fuzz.sh <fuzz build dir> <inputs per target> [target...]
#
# FUZZ_MAX_TIME=<seconds> in the environment also stops each target after that long.
set -u
cd "$(dirname "$0")/.."
dir=$1
runs=$2
shift 2
targets=${*:-fuzz_read_number fuzz_setting_text fuzz_jpeg_decode fuzz_picture_loader}

mkdir -p "$dir/findings" "$dir/logs"
failed=""
for target in $targets; do
    # The seeds are read, never written: what the fuzzer learns goes to the build directory.
    corpus="$dir/corpus/$target"
    mkdir -p "$corpus"
    options="-max_len=256"
    case $target in
        fuzz_read_number) seeds=fuzz/seeds/read_number ;;
        fuzz_setting_text) seeds=fuzz/seeds/setting_text ;;
        fuzz_jpeg_decode) seeds=assets/images options="-max_len=32768" ;;
        # The loaders name every damaged picture on stderr: silence the target's own output.
        fuzz_picture_loader) seeds=assets/images options="-max_len=32768 -close_fd_mask=2" ;;
        *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
    esac
    if [ -n "${FUZZ_MAX_TIME:-}" ]; then
        options="$options -max_total_time=$FUZZ_MAX_TIME"
    fi
    log="$dir/logs/$target.log"
    echo "== $target: $runs inputs (log: $log)"
    start=$(date +%s)
    # shellcheck disable=SC2086
    QT_QPA_PLATFORM=offscreen "$dir/fuzz/$target" -runs="$runs" -timeout=25 -rss_limit_mb=2048 \
        $options -print_final_stats=1 -artifact_prefix="$dir/findings/$target-" \
        "$corpus" "$seeds" >"$log" 2>&1
    status=$?
    end=$(date +%s)
    grep -E '^Done [0-9]+ runs' "$log" || true
    grep -E '^stat::number_of_executed_units' "$log" || true
    echo "   $((end - start)) s, exit status $status"
    if [ "$status" -ne 0 ]; then
        failed="$failed $target"
        grep -E 'ERROR|SUMMARY|runtime error|Test unit written|^  ' "$log" | head -20 >&2
    fi
done
if [ -n "$failed" ]; then
    echo "Fuzzing found faults in:$failed (inputs in $dir/findings)" >&2
    exit 1
fi
echo "Fuzzing: no findings."

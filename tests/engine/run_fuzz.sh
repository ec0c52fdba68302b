#!/bin/sh
# run_fuzz.sh <seconds> - builds the libFuzzer target of the Jet SQL front end
# (tests/engine/fuzz/jet_sql_fuzz.cpp) with clang and runs it for a bounded
# time.  Exit status 0 when the fuzzer found nothing; otherwise the fuzzer's
# status, with the input that failed left under the build folder.
#
# Environment: FUZZ_BUILD_DIR (default <repo>/build-fuzz), FUZZ_SOURCE_DIR
# (the CMake project to configure; default the repository), CC/CXX (default
# clang-14/clang++-14), FUZZ_JOBS (parallel fuzzing jobs, default 1).
set -eu

seconds=${1:-60}
case $seconds in
  ''|*[!0-9]*) echo "usage: $0 <seconds>" >&2; exit 2 ;;
esac

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source_dir=${FUZZ_SOURCE_DIR:-$root}
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
cc=${CC:-clang-14}
cxx=${CXX:-clang++-14}
jobs=${FUZZ_JOBS:-1}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$source_dir" -B "$build" -G Ninja -DAAP_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER="$cc" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
fi
cmake --build "$build" --target jet_sql_fuzz

fuzzer=$(find "$build" -name jet_sql_fuzz -type f -perm -u+x | head -n 1)
if [ -z "$fuzzer" ]; then
  echo "run_fuzz.sh: jet_sql_fuzz was not built" >&2
  exit 1
fi

corpus="$build/jet_sql_fuzz_corpus"
artifacts="$build/jet_sql_fuzz_artifacts"
mkdir -p "$corpus" "$artifacts"

parallel=""
if [ "$jobs" -gt 1 ]; then
  # Several fuzzing processes; each writes its log (fuzz-N.log) here.
  parallel="-jobs=$jobs -workers=$jobs"
fi

status=0
cd "$build"
# shellcheck disable=SC2086  # $parallel is empty or two options
"$fuzzer" "$corpus" "$here/fuzz/corpus" \
  -dict="$here/fuzz/jet_sql.dict" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=2048 \
  -artifact_prefix="$artifacts/" -print_final_stats=1 $parallel || status=$?

if [ "$status" -ne 0 ]; then
  echo "run_fuzz.sh: the fuzzer failed (status $status); inputs in $artifacts:" >&2
  ls -l "$artifacts" >&2 || true
fi
exit "$status"

#!/usr/bin/env bash
# Builds the libFuzzer target for the registry text reader (clang, address and undefined
# sanitizers) and runs it for a while from the committed seeds. Exits non-zero on a finding.
#   FUZZ_SECONDS   how long to run (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}

# libFuzzer's runtime comes with clang's runtime libraries.
need=()
command -v clang++ >/dev/null || need+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'install ok installed' ||
  need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "fuzz: installing ${need[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

build=build/fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "$(nproc)"

# The run adds what it finds to a working corpus; the committed seeds stay as they are.
work="$build/corpus"
mkdir -p "$work" "$build/findings"
"$build/fuzz_regfile" "$work" fuzz/corpus -dict=fuzz/regfile.dict -max_total_time="$seconds" \
  -timeout=10 -rss_limit_mb=2048 -max_len=65536 -artifact_prefix="$build/findings/" \
  -print_final_stats=1 2>"$build/fuzz.log" || {
  tail -n 60 "$build/fuzz.log" >&2
  echo "fuzz: the registry text reader failed; the input is in $build/findings" >&2
  exit 1
}
grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$build/fuzz.log" || true
echo "fuzz: no finding in ${seconds} s"

# Setup's remembered folder and record of installed files, from their own seeds, for a short while.
setup_seconds=${FUZZ_SETUP_SECONDS:-30}
mkdir -p "$build/corpus-setup-files"
"$build/fuzz_setup_files" "$build/corpus-setup-files" fuzz/corpus-setup-files \
  -dict=fuzz/setupfiles.dict -max_total_time="$setup_seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=4096 -artifact_prefix="$build/findings/" -print_final_stats=1 \
  2>"$build/fuzz-setup-files.log" || {
  tail -n 60 "$build/fuzz-setup-files.log" >&2
  echo "fuzz: Setup's file readers failed; the input is in $build/findings" >&2
  exit 1
}
echo "fuzz: Setup's file readers: no finding in ${setup_seconds} s"

#!/usr/bin/env bash
# Builds the libFuzzer targets for the readers of outside input (clang, address and undefined
# sanitizers) and runs each for a while from its committed seeds, the time split evenly between
# them. Exits non-zero on a finding.
#   FUZZ_SECONDS   how long to run all of them (default 180)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-180}

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

# One line per target: its name (fuzz_NAME), its seeds, and its own libFuzzer options.
targets=()
target() { targets+=("$*"); }
target regfile fuzz/corpus -dict=fuzz/regfile.dict -max_len=65536
target textlist fuzz/seeds/textlist -max_len=4096
target wordlist fuzz/seeds/wordlist -max_len=4096
target sender fuzz/seeds/sender -max_len=4096
target arguments fuzz/seeds/arguments -max_len=1024
target setup_files fuzz/seeds/setup_files -dict=fuzz/setupfiles.dict -max_len=4096

# A small quarantine: freed memory is soon used again, so the runs do not spend their time on
# fresh pages (a use after free is still caught among the last 4 MB freed).
export ASAN_OPTIONS=quarantine_size_mb=4
each=$((seconds / ${#targets[@]}))
[ "$each" -ge 1 ] || each=1
mkdir -p "$build/findings"
for line in "${targets[@]}"; do
  read -r name seeds options <<<"$line"
  # The run adds what it finds to a working corpus; the committed seeds stay as they are.
  work="$build/corpus/$name"
  mkdir -p "$work"
  # shellcheck disable=SC2086  # the options are words
  "$build/fuzz_$name" "$work" "$seeds" $options -max_total_time="$each" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$build/findings/$name-" -print_final_stats=1 \
    2>"$build/fuzz-$name.log" || {
    tail -n 60 "$build/fuzz-$name.log" >&2
    echo "fuzz: fuzz_$name failed; the input is in $build/findings" >&2
    exit 1
  }
  echo "fuzz_$name: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$build/fuzz-$name.log" || true)"
done
echo "fuzz: no finding in ${seconds} s (${each} s per target)"

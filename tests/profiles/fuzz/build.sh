#!/usr/bin/env bash
# Builds the list file reader's libFuzzer target: build.sh [output folder]
# (default build-fuzz/ at the top of the repository).
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
out=${1:-$root/build-fuzz}
mkdir -p "$out"
profiles=(ProfileList ProfilePaths ProfileFileRead ProfileFileWrite ProfileFileOps ProfileMaintenance)
sources=("$root"/platform/cf/src/*.cpp "$root"/platform/printing/src/*.cpp "$root/plugin/DebugMessage.cpp" "$(dirname "$0")/ProfileReadFuzz.cpp")
for f in "${profiles[@]}"; do sources+=("$root/profiles/$f.cpp"); done
# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Wno-deprecated-declarations -I"$root/platform/cf/include" -I"$root/platform/cf/src" \
  -I"$root/platform/printing/include" -I"$root/platform/printing/src" -I"$root/profiles" -I"$root/plugin" \
  $(pkg-config --cflags libplist-2.0 expat) "${sources[@]}" $(pkg-config --libs libplist-2.0 expat) -lcups -ldl \
  -o "$out/profile_read_fuzz"
echo "$out/profile_read_fuzz"

#!/usr/bin/env bash
# One lint check over the product's sources: format (clang-format leaves them unchanged),
# tidy (clang-tidy with the checked-in .clang-tidy) or cppcheck.
set -euo pipefail
check=$1 source=$2 build=${3:-}
cd "$source"
mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.hpp' 'tests/*.cpp' 'tests/*.hpp' 'bench/*.cpp')
case "$check" in
  format)
    clang-format --dry-run --Werror "${sources[@]}"
    ;;
  tidy)
    git ls-files 'src/*.cpp' | xargs -P "$(nproc)" -n 2 clang-tidy -p "$build" --quiet
    ;;
  cppcheck)
    cppcheck --enable=warning,style,performance,portability --std=c++17 --inline-suppr \
      --error-exitcode=1 --quiet -I src src
    ;;
  *) echo "unknown check $check" >&2; exit 2 ;;
esac

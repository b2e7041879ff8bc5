#!/usr/bin/env bash
# Fails when clang-format would change one of the project's C++ files (the
# style is .clang-format, at the root). Skipped (77) without clang-format, and
# with a version other than 14 (Debian 12) and 19 (Debian 13): those two lay
# the tree out alike, others may not. CLANG_FORMAT names another program.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
if ! command -v "$format" >/dev/null; then
  echo "skipped: $format is not installed (Debian: clang-format)"
  exit 77
fi
version=$("$format" --version | sed -n 's/.*clang-format version \([0-9]*\)\..*/\1/p')
case "$version" in
  14 | 19) ;;
  *) echo "skipped: clang-format ${version:-of unknown version}; the tree is checked with 14 and 19"; exit 77 ;;
esac
# The files git tracks; without a git checkout, the C++ files of the source folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 "$format" --dry-run --Werror
else
  find app bench calc fuzz packaging report tests web \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 "$format" --dry-run --Werror
fi

#!/usr/bin/env bash
# Checks that the sources are formatted as .clang-format says, with the
# clang-format they are kept with: another version formats some lines
# otherwise. Without it the check is skipped (exit 77), not failed.
#   clang-format.sh SOURCE...
set -euo pipefail
want=14
tool=$(command -v clang-format-$want || command -v clang-format || true)
[ -n "$tool" ] || { echo "SKIP: clang-format is not installed"; exit 77; }
have=$("$tool" --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p')
[ "$have" = "$want" ] ||
    { echo "SKIP: the sources are kept with clang-format $want, not $have"; exit 77; }
exec "$tool" --dry-run --Werror "$@"

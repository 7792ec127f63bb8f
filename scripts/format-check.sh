#!/usr/bin/env bash
# Fails when a C++ file is not laid out as the repository's .clang-format says; lists the files.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' files < <(find src tests tools bench fuzz -name '*.cpp' -print0 -o -name '*.h' -print0)
fi
# One run over all files; each complaint starts with "<file>:<line>:<column>: error:".
if ! report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
    echo "format-check: not formatted (run clang-format -i on them):" >&2
    printf '%s\n' "$report" | grep -oE '^[^:]+:[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u \
        | sed 's/^/    /' >&2
    exit 1
fi
echo "format-check: ${#files[@]} files formatted"

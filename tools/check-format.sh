#!/usr/bin/env bash
# Fails when a tracked C++ file is not clang-format clean.
set -euo pipefail
cd "$(dirname "$0")/.."
bad=()
while IFS= read -r file; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || bad+=("$file")
done < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find app analysis install platform resources tests -name '*.cpp' -o -name '*.h')
if [ ${#bad[@]} -gt 0 ]; then
    echo "Not clang-format clean (run 'make format'):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "clang-format: clean"

#!/usr/bin/env bash
# Fails on an #include that runs against the layering: core includes only
# core; i18n includes core and i18n; widgets includes only widgets; ui may
# include ui, i18n, core and widgets. Tests, fuzz targets and benchmarks
# follow the folder they sit in, and may include the tests' own headers.
#   .ci/check_layering.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

allowed_for() {
  case $1 in
    core/*) echo "core" ;;
    i18n/*) echo "i18n core" ;;
    widgets/*) echo "widgets" ;;
    ui/*) echo "ui i18n core widgets" ;;
    fuzz/*) echo "fuzz core" ;;
    bench/*) echo "bench ui i18n core widgets" ;;
    *) echo "" ;;
  esac
}

status=0
while IFS= read -r file; do
  allowed=$(allowed_for "$file")
  [ -n "$allowed" ] || continue
  while IFS=: read -r line include; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$include")
    [ "$target" != "$include" ] || continue  # a header beside the file, or a system one
    if ! grep -qw -- "$target" <<<"$allowed"; then
      echo "$file:$line: includes $target/, which ${file%%/*}/ may not use: $include"
      status=1
    fi
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
done < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find core i18n widgets ui fuzz bench -name '*.cpp' -o -name '*.h')
[ $status -eq 0 ] && echo "include layering: every include runs ui -> i18n -> core and ui -> widgets"
exit $status

#!/usr/bin/env bash
# Fails on an #include that runs against the layering: core includes only
# core; i18n includes core and i18n; widgets includes only widgets; ui may
# include ui, i18n, core and widgets. Tests, fuzz targets and benchmarks
# follow the folder they sit in, and may include the tests' own headers.
# One grep over every file and one awk judging its lines, so it takes well
# under a second.
#   .ci/check_layering.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

sources() {
  git ls-files -z -- '*.cpp' '*.h' 2>/dev/null ||
    find core i18n widgets ui fuzz bench \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null
}

# Only includes of the form "folder/...": a header beside the file, or a
# system one, names no folder. A batch without such an include is no failure.
{ sources | xargs -0 -r grep -H -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' || true; } |
  awk -F: '
    BEGIN {
      allowed["core"] = "core"
      allowed["i18n"] = "i18n core"
      allowed["widgets"] = "widgets"
      allowed["ui"] = "ui i18n core widgets"
      allowed["fuzz"] = "fuzz core"
      allowed["bench"] = "bench ui i18n core widgets"
      status = 0
    }
    {
      file = $1
      line = $2
      include = substr($0, length(file) + length(line) + 3)
      folder = file
      if (sub(/\/.*/, "", folder) == 0 || !(folder in allowed))
        next
      match(include, /"[^\/"]+\//)
      target = substr(include, RSTART + 1, RLENGTH - 2)
      split(allowed[folder], names, " ")
      ok = 0
      for (k in names)
        if (names[k] == target)
          ok = 1
      if (!ok) {
        printf "%s:%s: includes %s/, which %s/ may not use: %s\n", file, line, target, folder, include
        status = 1
      }
    }
    END {
      if (status == 0)
        print "include layering: every include runs ui -> i18n -> core and ui -> widgets"
      exit status
    }'

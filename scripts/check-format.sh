#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a tracked C++ file differs from what the project's .clang-format
# makes of it, and names the files. Version 14 is pinned because other
# versions lay out some constructs differently.
set -eu
cd "$(dirname "$0")/.."
bad=$(git ls-files '*.cpp' '*.h' | while read -r f; do
  if ! clang-format-14 --dry-run --Werror "$f" >/dev/null 2>&1; then
    echo "$f"
  fi
done)
if [ -n "$bad" ]; then
  echo "These files are not formatted (run clang-format-14 -i on them):" >&2
  echo "$bad" >&2
  exit 1
fi

#!/usr/bin/env bash
# Runs clang-tidy with the project's .clang-tidy over the program's own
# sources (not the tests, benches or fuzz targets), on the Debug build's
# compile commands. Exits non-zero at the first finding.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
[ -f build/compile_commands.json ] || cmake --preset debug >/dev/null
# The sources include files moc writes at build time.
cmake --build --preset debug --parallel "$(nproc)" --target ui app hy3conv >/dev/null
run-clang-tidy -p build -quiet -j "$(nproc)" \
    "^$PWD/(core|platform|elements|ui|board|panel|sound|options|app|tools)/" 2>/dev/null |
    grep -E '(warning|error):' && { echo "tidy: findings above" >&2; exit 1; }
echo "tidy: clean"

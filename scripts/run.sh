#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds ZEVA (Release) and starts the editor.
# Arguments are passed to the program (for example a .KDO file to open).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)" --target zeva
exec build/release/zeva "$@"

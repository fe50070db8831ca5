#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on its built-in defaults.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target tarnbeck
exec build/app/tarnbeck "$@"

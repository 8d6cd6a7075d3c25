#!/bin/sh
# Remakes the campaign under Data/Puzzles: the campaign file, the puzzle sets
# and their recipe books, cooked by the game's own chef and solver. The same
# tables give the same bytes on every run. BUILD names a configured build
# folder (build/test by default).
set -e
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build/test}
cmake --build "$BUILD" -j6 --target campaignmaker
"$BUILD"/tools/campaignmaker/campaignmaker Data/Puzzles

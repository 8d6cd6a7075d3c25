#!/usr/bin/env bash
# Fails when a file includes a header of a floor above its own: libraries
# depend downward only, so a lower floor builds and tests without the ones
# above it. The floors, bottom up; a file may include its own floor and any
# floor below. Tests stand above everything and are not checked.
set -euo pipefail
cd "$(dirname "$0")/.."

floors="
platform
engine/core
engine/modules
engine/ui
game/common
game/puzzle
game/steam
game/options
game/campaign
game/player
game/presentation
game/tutorial
game/shell
tools bench
"

git ls-files -- '*.h' '*.cpp' | awk -v floors="$floors" '
function floor_of(path,    prefix) {
    for (prefix in level) {
        if (index(path, prefix "/") == 1) {
            return level[prefix]
        }
    }
    return -1
}
BEGIN {
    count = split(floors, lines, "\n")
    for (i = 1; i <= count; ++i) {
        words = split(lines[i], names, " ")
        if (words > 0) {
            ++rank
            for (w = 1; w <= words; ++w) {
                level[names[w]] = rank
            }
        }
    }
}
{
    own = floor_of($0)
    if (own < 0) {
        next
    }
    file = $0
    line = 0
    while ((getline text < file) > 0) {
        ++line
        if (text ~ /^[ \t]*#[ \t]*include[ \t]*"/) {
            target = text
            sub(/^[^"]*"/, "", target)
            sub(/".*$/, "", target)
            if (floor_of(target) > own) {
                printf "%s:%d: includes %s, a floor above its own\n", file, line, target
                ++bad
            }
        }
    }
    close(file)
}
END {
    if (bad > 0) {
        printf "%d upward include(s)\n", bad
        exit 1
    }
}'

# The linker walks each library once: no library may need one above it.
if git grep -n -e LINK_INTERFACE_MULTIPLICITY -e 'TARGET_NAME_IF_EXISTS' -- '*CMakeLists.txt' '*.cmake'; then
    echo "a library leans on one above it"
    exit 1
fi
echo "floors: every include runs downward"

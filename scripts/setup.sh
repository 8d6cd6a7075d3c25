#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the content tools need.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-mixer-dev
  libpng-dev zlib1g-dev
  libfreetype-dev fonts-dejavu-core
  libcairo2-dev libpango1.0-dev libsndfile1-dev libvorbis-dev
  clang libclang-rt-dev
  libx11-dev libxtst-dev
  xvfb xauth x11-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

# Another install may hold the package manager's lock: the system's own
# updates in a fresh machine's first minutes, or a second build started
# alongside. apt waits for the dpkg lock itself, but not for the package
# lists' lock, so a lock failure is tried again until apt's own wait is
# over; any other failure stops at once with apt's message.
LOCK_WAIT_SECONDS=300
apt_get() {
  local deadline=$((SECONDS + LOCK_WAIT_SECONDS)) log status
  log=$(mktemp)
  while :; do
    status=0
    $sudo apt-get -o DPkg::Lock::Timeout="$LOCK_WAIT_SECONDS" "$@" 2>&1 | tee "$log" || status=$?
    if [ "$status" -eq 0 ] || ! grep -q "Could not get lock" "$log" || [ "$SECONDS" -ge "$deadline" ]; then
      rm -f "$log"
      return "$status"
    fi
    echo "setup: another install holds the package manager's lock; waiting for it" >&2
    sleep 5
  done
}

apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}"

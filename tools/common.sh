# Sourced first by each command: where the tree and its builds are, what the
# commands need installed, and the build and Wine helpers.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${PICORON_BUILD:-$ROOT/build}
"$ROOT/tools/install-deps.sh"
. "$ROOT/tools/build.sh"
. "$ROOT/tools/wine-session.sh"

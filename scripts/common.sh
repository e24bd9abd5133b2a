# Shared by the scripts: source tree, ccache across build folders.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export CCACHE_BASEDIR="$ROOT"
export CCACHE_NOHASHDIR=1
export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/vonuorder-ccache}"
JOBS="${JOBS:-2}"

# configure_build <dir> [cmake options...]
configure_build() {
  local dir="$1"; shift
  if [ ! -f "$ROOT/$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$ROOT/$dir" -G Ninja "$@"
  fi
}

# Sourced: configures and builds one tree of the project.
#   build_tree NAME [cmake options...]   ->  $BUILD/NAME
build_tree() {
  local name=$1
  shift
  cmake -S "$ROOT" -B "$BUILD/$name" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  local log=$BUILD/$name/build.log
  if ! cmake --build "$BUILD/$name" -j "$(nproc)" >"$log" 2>&1; then
    grep -v '^\[ *[0-9]*%\]' "$log" >&2
    echo "build of $name failed (whole log: $log)" >&2
    return 1
  fi
}

windows_tree() {
  local name=$1 triplet=$2
  shift 2
  build_tree "$name" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$triplet.cmake" "$@"
}

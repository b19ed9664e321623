# shellcheck shell=bash
# Sourced by the end-to-end scripts, after they have set $exe and
# $probe_exe: Huevane driven as a person drives it (scripts/drive-picker), on
# the display and in the Wine prefix that tests/isolated.sh gives them; one
# line per check, and the count. What a script starts is ended when it ends.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=../../scripts/wine-env
. "$root/scripts/wine-env"
# shellcheck source=../../scripts/drive-picker
. "$root/scripts/drive-picker"

scene_pid=""
cleanup() {
  close_all
  [ -n "$scene_pid" ] && kill "$scene_pid" 2>/dev/null
}
trap cleanup EXIT

passed=0
failed=0

# check NAME EXPECTED ACTUAL
check() {
  local name=$1 expected=$2 actual=$3
  if [ "$expected" = "$actual" ]; then
    passed=$((passed + 1))
    echo "ok: $name"
  else
    failed=$((failed + 1))
    echo "FAILED: $name: expected [$expected], got [$actual]"
  fi
}

# expect NAME EXPECTED COMMAND...: what the program shows once it has caught
# up, asked again until it is as expected or the patience of drive-picker's
# `eventually` runs out.
expect() {
  local name=$1 expected=$2
  shift 2
  check "$name" "$expected" "$(eventually "$expected" "$@")"
}

# The closing line, and the exit status of the script.
report() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}

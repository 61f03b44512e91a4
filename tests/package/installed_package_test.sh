#!/usr/bin/env bash
# The Debian package as a user gets it: made from the build folder, unpacked into a root made
# read-only and run from there with a fresh home. Nothing outside a temporary folder changes.
# Arguments: the build folder and the in-process run test (installed_run_tests).
set -euo pipefail
build=$(cd "$1" && pwd)
run_test=$2
work=$(mktemp -d)
pid=
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  chmod -R u+w "$work"
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/sorvik_*_amd64.deb)
[ -f "${debs[0]}" ] || fail "no sorvik_<version>_amd64.deb in $(ls "$work/out")"
root=$work/root
dpkg-deb -x "${debs[0]}" "$root"
chmod -R a-w "$root"
snapshot() { (cd "$root" && find . -printf '%y %m %s %T@ %p\n' | sort && find . -type f -exec sha256sum {} + | sort); }
snapshot >"$work/root.before"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" ||
  { cat "$work/appstream.log"; fail "appstreamcli validate"; }
shipped=$root/usr/share/sorvik
[ -f "$shipped/INREKI.DAT" ] && [ -f "$shipped/SEISETUF.DAT" ] && [ -f "$shipped/TQLX4.help/1.html" ] ||
  fail "the package lacks shipped data"

export HOME=$work/home TMPDIR=$work/tmp XDG_RUNTIME_DIR=$work/runtime
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_DIRS XDG_CONFIG_DIRS
mkdir -p "$HOME" "$TMPDIR" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
user=$HOME/.local/share/sorvik

# Up when the command given holds (its data folder is filled) and it still runs a moment later;
# the run is then ended from outside, as offscreen nobody can close its window.
run_desktop() {
  "$root/usr/bin/sorvik" >>"$work/sorvik.log" 2>&1 &
  pid=$!
  for _ in $(seq 300); do
    "$@" >/dev/null 2>&1 && break
    kill -0 "$pid" 2>/dev/null || { cat "$work/sorvik.log"; fail "sorvik ended at start-up"; }
    sleep 0.1
  done
  sleep 2
  kill -0 "$pid" 2>/dev/null || { cat "$work/sorvik.log"; fail "sorvik ended after start-up"; }
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

# The first start fills the user's data folder with every shipped file, byte for byte.
run_desktop diff -rq "$shipped" "$user"
diff -r "$shipped" "$user" || fail "the first start did not fill $user"

birth=(chart --name 山田 --sex 男 --date 1990/05/15 --time 08:30 --target "2025/01/01 12:00")
"$root/usr/bin/sorvik-cli" "${birth[@]}" >"$work/installed.json"
"$build/bin/sorvik-cli" "${birth[@]}" >"$work/built.json"
cmp "$work/installed.json" "$work/built.json" || fail "the installed chart differs from the built one"

# An edit of a star text made in the program lands in the user's folder and survives restarts,
# its own and the installed program's, which fills in only what is missing.
SORVIK_INSTALLED_ROOT=$root "$run_test" || fail "the run over the installed data"
edited=$(sha256sum <"$user/SEISETUF.DAT")
cmp -s "$shipped/SEISETUF.DAT" "$user/SEISETUF.DAT" && fail "the star text edit is not in $user"
rm "$user/HOSISUU.DAT"
run_desktop test -f "$user/HOSISUU.DAT"
[ "$(sha256sum <"$user/SEISETUF.DAT")" = "$edited" ] || fail "a restart replaced the edited texts"
cmp "$shipped/HOSISUU.DAT" "$user/HOSISUU.DAT" || fail "a restart did not bring back HOSISUU.DAT"

snapshot >"$work/root.after"
diff "$work/root.before" "$work/root.after" || fail "something was written into the unpacked root"
echo "installed package: OK"

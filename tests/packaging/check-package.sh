#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Parvento-Entwickler
# SPDX-License-Identifier: MIT
# Installs the program the two ways a user would — `cmake --install` into a
# prefix and the .deb into this machine — then starts the installed program in
# a virtual X display, waits for its window, closes it with Ctrl+Q and expects
# a clean exit. The .deb must pass lintian without an error first. Needs root
# for the .deb (CI runs as root).
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
xvfb_pid=
installed=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    # A check that failed half way leaves nothing installed behind either.
    [ -n "$installed" ] && DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq parvento >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

echo "== cmake --install into a prefix"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
for file in bin/parvento share/applications/de.parvento.Parvento.desktop \
    share/metainfo/de.parvento.Parvento.metainfo.xml share/icons/hicolor/scalable/apps/de.parvento.Parvento.svg \
    share/man/man1/parvento.1.gz share/doc/parvento/copyright share/doc/parvento/changelog.gz; do
    [ -f "$work/prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
desktop-file-validate "$work/prefix/share/applications/de.parvento.Parvento.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/de.parvento.Parvento.metainfo.xml" >/dev/null

echo "== .deb"
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/parvento_*.deb)
dpkg-deb --field "$deb" Depends
echo "== lintian"
# Fails on an error; a warning would be printed and pass.
lintian --fail-on error "$deb"
# apt keeps an installed package of the same version as it is, so the check
# would start an older build: this one replaces it whatever is there.
installed=1
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb" >/dev/null
[ -x /usr/bin/parvento ] || { echo "the package did not install /usr/bin/parvento"; exit 1; }

echo "== the installed program opens its window and quits when it is closed"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
export DISPLAY=$display
# What every desktop session provides; without it Qt warns on start.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
# Against a scheduler that is not there: the window must still open and close.
CUPS_SERVER="$work/no-scheduler.sock" QT_QPA_PLATFORM=xcb /usr/bin/parvento >"$work/app.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --name '^Parvento$' | head -n 1) || { echo "no window appeared"; cat "$work/app.log"; exit 1; }
sleep 1
xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+q
for _ in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    echo "parvento did not quit after its window was closed"
    kill -9 "$app_pid"
    exit 1
fi
wait "$app_pid" && status=0 || status=$?
[ "$status" -eq 0 ] || { echo "parvento exited with status $status"; cat "$work/app.log"; exit 1; }
if [ -s "$work/app.log" ]; then
    echo "parvento printed something on a normal run:"; cat "$work/app.log"; exit 1
fi

echo "== uninstall"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq parvento >/dev/null
[ ! -e /usr/bin/parvento ] || { echo "uninstall left /usr/bin/parvento"; exit 1; }
echo "package check passed"

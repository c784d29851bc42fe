#!/usr/bin/env bash
# Installs the built program into a temporary folder and uses it as a
# desktop would: validates its entry and metainfo, then starts the command
# of its desktop entry and checks that the child's choices are kept in the
# user's own folder. Usage: install_check.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail

cmake=$1 build=$2 app_id=$3
tmp=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A prefix the build was not configured for: the program must find its
# data from where it lies.
prefix=/opt/malkobold-check
DESTDIR=$tmp/root "$cmake" --install "$build" --prefix "$prefix" >/dev/null
root=$tmp/root$prefix
share=$root/share
desktop=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml

for f in "$root/bin/malkobold" "$share/malkobold/BTN/EndeButton_N.jpg" "$share/malkobold/BTN/Hand1.ico" \
         "$share/malkobold/DTA/sDrop1.wav" "$share/malkobold/DTA/sGitarre" "$share/malkobold/pages/de.html" \
         "$root/share/man/man1/malkobold.1" "$desktop" "$metainfo"; do
    [ -f "$f" ] || fail "not installed: ${f#"$root"/}"
done
[ ! -e "$share/malkobold/DTA/1x1.ini" ] || fail "a settings file was installed"

# PNG: the width and height stand at bytes 16-23 of the header.
for size in 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [ -f "$icon" ] || fail "no icon of $size px"
    read -r w h < <(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4, $7*256+$8}')
    [ "$w $h" = "$size $size" ] || fail "icon of $size px is $w x $h"
done

desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$metainfo" >"$tmp/appstream.log" 2>&1 \
    || { cat "$tmp/appstream.log" >&2; fail "appstreamcli validate"; }
grep -q "^Icon=$app_id\$" "$desktop" || fail "the desktop entry names another icon"

# The command the desktop runs, found on PATH like the menu would.
command_line=$(sed -n '/^\[Desktop Entry\]/,/^\[/s/^Exec=//p' "$desktop")
[ "$command_line" = "malkobold --user-data" ] || fail "unexpected command: $command_line"
links_line=$(sed -n '/^\[Desktop Action links\]/,/^\[/s/^Exec=//p' "$desktop")
[ "$links_line" = "malkobold --user-data --links" ] || fail "unexpected links command: $links_line"
export PATH=$root/bin:$PATH QT_QPA_PLATFORM=offscreen

start() { # XDG_DATA_HOME [command line]
    : >"$tmp/err"
    XDG_DATA_HOME=$1 ${2:-$command_line} 2>"$tmp/err" &
    pid=$!
}
stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
}
# Waits up to a minute for the condition while the program keeps running.
wait_for() {
    for _ in $(seq 600); do
        if eval "$1"; then return 0; fi
        kill -0 "$pid" 2>/dev/null || { cat "$tmp/err" >&2; fail "the program ended while waiting for: $1"; }
        sleep 0.1
    done
    fail "timed out waiting for: $1"
}
messages() { grep -c '^malkobold: ' "$tmp/err" || true; }

# First start: a folder of the user's own, with the settings file of a first start.
user=$tmp/xdg/malkobold
start "$tmp/xdg"
wait_for '[ -f "$user/DTA/1x1.ini" ]'
stop
[ "$(messages)" = 0 ] || { cat "$tmp/err" >&2; fail "complaints on a good first start"; }
[ "$(readlink -f "$user/BTN")" = "$(readlink -f "$share/malkobold/BTN")" ] || fail "BTN is not the installed one"
[ "$(readlink -f "$user/pages")" = "$(readlink -f "$share/malkobold/pages")" ] || fail "no link to the pages"
[ "$(readlink -f "$user/DTA/sSlam.wav")" = "$(readlink -f "$share/malkobold/DTA/sSlam.wav")" ] || fail "no sSlam.wav link"
expected=$'"[MalSymbol$]"\r\n"x"\r\n"[Sprache]"\r\n"D"\r\n"[Mal_Reihe]"\r\n1\r\n"[Audio]"\r\n0\r\n"[Farbe]"\r\n0\r'
[ "$(tail -n +2 "$user/DTA/1x1.ini")" = "$expected" ] || fail "unexpected first settings file"

# Second start: the start-up reads the choices and writes them back unchanged
# (defaults would come back as x, D, 1).
header=$(head -n 1 "$user/DTA/1x1.ini")
printf '%s\n"[MalSymbol$]"\r\n"*"\r\n"[Sprache]"\r\n"NL"\r\n"[Mal_Reihe]"\r\n7\r\n"[Audio]"\r\n1\r\n"[Farbe]"\r\n2\r\n' \
    "$header" >"$user/DTA/1x1.ini"
cp "$user/DTA/1x1.ini" "$tmp/chosen.ini"
touch -d '2000-01-01' "$user/DTA/1x1.ini"
start "$tmp/xdg"
wait_for '[ "$(stat -c %Y "$user/DTA/1x1.ini")" -gt 946771200 ]'
stop
cmp -s "$tmp/chosen.ini" "$user/DTA/1x1.ini" || fail "the second start did not keep the choices"

# An update of the installed data shows up by itself; a dropped sound goes.
cp "$share/malkobold/DTA/sBang.wav" "$share/malkobold/DTA/sNeu.wav"
rm "$share/malkobold/DTA/sHallo1.wav"
start "$tmp/xdg"
wait_for '[ -L "$user/DTA/sNeu.wav" ]'
stop
[ ! -L "$user/DTA/sHallo1.wav" ] || fail "the link to a dropped sound stayed"
cmp -s "$tmp/chosen.ini" "$user/DTA/1x1.ini" || fail "an update touched the choices"

# The links action: the page alone (its opening sound, not the start
# screen's) reads the choices and writes nothing.
links_user=$tmp/links/malkobold
mkdir -p "$links_user/DTA"
sed 's/^1\r$/0\r/' "$tmp/chosen.ini" >"$links_user/DTA/1x1.ini" # sound on
cp "$links_user/DTA/1x1.ini" "$tmp/links.ini"
touch -d '2000-01-01' "$links_user/DTA/1x1.ini"
start "$tmp/links" "$links_line"
wait_for 'grep -q "DTA/sGitarre\$" "$tmp/err"'
sleep 1
stop
grep -q 'sDrop1.wav' "$tmp/err" && fail "the links action opened the start screen"
cmp -s "$tmp/links.ini" "$links_user/DTA/1x1.ini" || fail "the links page changed the choices"
[ "$(stat -c %Y "$links_user/DTA/1x1.ini")" -lt 946771200 ] || fail "the links page wrote the settings file"

# Bad folders: the program still starts and says why, once.
bad_start() { # XDG_DATA_HOME, expected words
    start "$1"
    wait_for '[ "$(messages)" -ge 1 ]'
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the program ended with $1"
    stop
    [ "$(messages)" = 1 ] || { cat "$tmp/err" >&2; fail "not one message with $1"; }
    grep '^malkobold: ' "$tmp/err" | grep -qF "$2" || { cat "$tmp/err" >&2; fail "no '$2' with $1"; }
}
mkdir -p "$tmp/folder/malkobold/DTA/1x1.ini"
bad_start "$tmp/folder" "1x1.ini is a folder, not a file"
mkdir -p "$tmp/dangling/malkobold/DTA"
ln -s "$tmp/nowhere/1x1.ini" "$tmp/dangling/malkobold/DTA/1x1.ini"
bad_start "$tmp/dangling" "which does not exist"
touch "$tmp/plainfile"
bad_start "$tmp/plainfile" "cannot create the folder $tmp/plainfile/malkobold"

echo "install check passed"

#!/usr/bin/env bash
# Installs the Debian package made by scripts/package.sh on this machine, checks the installed
# program (batch commands, per-user folders, desktop entry, project file type) and removes the
# package again. Runs apt-get as root (through sudo when not run as root).
set -euo pipefail
cd "$(dirname "$0")/.."

deb=$(ls build/package/quenra_*.deb | head -n 1)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -qq "./$deb"
trap '$SUDO apt-get remove -y -qq quenra' EXIT

fail() { echo "check-package: $*" >&2; exit 1; }

[ "$(command -v quenra)" = /usr/bin/quenra ] || fail "quenra is not on PATH"
[ "$(quenra --version)" = "Quenra Version 3.001" ] || fail "quenra --version"

# The installed program writes nothing into its own folder: recovery copies, page images and
# the converter's log go to the user's data folder (each PDF run works in a folder of its own
# under "PDF" there and removes it with its log when done).
home=$(mktemp -d)
out=$(mktemp -d)
HOME=$home env -u XDG_DATA_HOME quenra --pdf examples/Plant.qrx "$out/Plant.pdf" ||
    fail "quenra --pdf from the installed program"
head -c 5 "$out/Plant.pdf" | grep -q '%PDF-' || fail "no PDF written"
[ -d "$home/.local/share/Quenra/PDF" ] || fail "the PDF scratch folder is not in the user's folder"
[ -z "$(ls -A "$home/.local/share/Quenra/PDF")" ] ||
    fail "the PDF run left files behind: $(ls -A "$home/.local/share/Quenra/PDF")"
[ "$(ls -A /usr/lib/quenra | tr '\n' ' ')" = "Img2PDF quenra quenra.installed " ] ||
    fail "files written into the program folder: $(ls -A /usr/lib/quenra)"

desktop-file-validate /usr/share/applications/quenra.desktop
grep -q '^Exec=quenra %f$' /usr/share/applications/quenra.desktop || fail "Exec line"
[ -f /usr/share/icons/hicolor/48x48/apps/quenra.png ] || fail "icon"
[ -f /usr/share/man/man1/quenra.1 ] || [ -f /usr/share/man/man1/quenra.1.gz ] || fail "man page"

# The project file type, as a desktop finds it: a private data folder with the installed MIME
# package, the MIME database rebuilt there, and the file type asked of xdg-mime.
mime_home=$(mktemp -d)
mkdir -p "$mime_home/mime/packages"
cp /usr/share/mime/packages/quenra.xml "$mime_home/mime/packages/"
update-mime-database "$mime_home/mime"
cp examples/Plant.qrx "$out/Plant.qrx"
type=$(XDG_DATA_HOME=$mime_home XDG_DATA_DIRS=/usr/share xdg-mime query filetype "$out/Plant.qrx")
[ "$type" = application/x-quenra-project ] || fail "Plant.qrx has the type '$type'"

# A double-clicked project: the installed entry is the default program of the project type,
# and xdg-open starts the installed program on the file (offscreen: no display here).
[ "$(xdg-mime query default application/x-quenra-project)" = quenra.desktop ] ||
    fail "quenra.desktop does not open projects"
# xdg-open asks for a display before it opens anything; the program itself runs offscreen.
window_home=$(mktemp -d)
(HOME=$window_home DISPLAY=:0 QT_QPA_PLATFORM=offscreen setsid xdg-open "$out/Plant.qrx" >/dev/null 2>&1 &)
started=""
for _ in $(seq 1 40); do
    started=$(pgrep -f "quenra $out/Plant.qrx\$" || true)
    [ -n "$started" ] && break
    sleep 0.25
done
[ -n "$started" ] || fail "xdg-open did not start quenra on the project"
# The window, too, made its "PDF" scratch folder in the user's folder, not its own.
for _ in $(seq 1 20); do
    [ -d "$window_home/.local/share/Quenra/PDF" ] && break
    sleep 0.25
done
kill $started
[ -d "$window_home/.local/share/Quenra/PDF" ] || fail "the window made no PDF folder in the user's folder"
[ "$(ls -A /usr/lib/quenra | tr '\n' ' ')" = "Img2PDF quenra quenra.installed " ] ||
    fail "the window wrote into the program folder: $(ls -A /usr/lib/quenra)"
rm -rf "$home" "$window_home" "$out" "$mime_home"

trap - EXIT
$SUDO apt-get remove -y -qq quenra
[ ! -e /usr/bin/quenra ] && [ ! -e /usr/lib/quenra ] || fail "the package left files behind"
echo "check-package: the package installs, works and removes cleanly"

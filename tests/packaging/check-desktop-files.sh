#!/usr/bin/env bash
# The desktop entry and the project file types as a desktop reads them: the entry validates,
# names the types the MIME package defines, and a private data folder with the MIME package
# makes xdg-mime give the project type to .qrx files (any case) and the legacy type to .ned,
# both opened by the entry.
#   check-desktop-files.sh SOURCE-FOLDER
set -euo pipefail
source_folder=$1
desktop=$source_folder/data/quenra.desktop
mime=$source_folder/data/quenra-mime.xml

fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$desktop"
grep -qx 'Name=Quenra' "$desktop" || fail "Name"
grep -qx 'Exec=quenra %f' "$desktop" || fail "Exec"
grep -Eq '^Categories=(.*;)?Engineering;' "$desktop" || fail "Categories"
for type in $(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime"); do
    grep -Eq "^MimeType=(.*;)?$type;" "$desktop" || fail "the entry does not open $type"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/mime/packages" "$work/files"
cp "$mime" "$work/data/mime/packages/quenra.xml"
XDG_DATA_HOME=$work/data update-mime-database "$work/data/mime"
cp "$source_folder/examples/Plant.qrx" "$work/files/Plant.qrx"
cp "$source_folder/examples/Plant.qrx" "$work/files/SITE.QRX"
printf 'old project\r\n' > "$work/files/Old.ned"

type_of() {
    XDG_DATA_HOME=$work/data XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP= \
        xdg-mime query filetype "$1"
}
for file in Plant.qrx SITE.QRX; do
    [ "$(type_of "$work/files/$file")" = application/x-quenra-project ] ||
        fail "$file is $(type_of "$work/files/$file")"
done
[ "$(type_of "$work/files/Old.ned")" = application/x-quenra-legacy-project ] ||
    fail "Old.ned is $(type_of "$work/files/Old.ned")"

# The entry is the program that opens a double-clicked project.
mkdir -p "$work/data/applications"
cp "$desktop" "$work/data/applications/quenra.desktop"
update-desktop-database "$work/data/applications"
for type in application/x-quenra-project application/x-quenra-legacy-project; do
    default=$(XDG_DATA_HOME=$work/data XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP= \
        xdg-mime query default "$type")
    [ "$default" = quenra.desktop ] || fail "$type opens with '$default'"
done
echo "desktop entry and file types: ok"

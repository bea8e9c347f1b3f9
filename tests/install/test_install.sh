#!/usr/bin/env bash
# shellcheck disable=SC2016  # the checks hand their values to `bash -c '...'` as arguments
# Installs the build into a temporary prefix and checks what a desktop gets from it: the program,
# a valid desktop entry, the results file type and the icons, and that a results file is opened
# by the program. Usage: test_install.sh CMAKE BUILD_DIR SAMPLE_RESULTS_FILE
set -uo pipefail
export LC_ALL=C.UTF-8

CMAKE=$1
BUILD=$2
SAMPLE=$3
TYPE=application/x-ormitan-results
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX=$WORK/prefix
SHARE=$PREFIX/share

source "$(dirname "$0")/../check_lib.sh"

key() {  # key NAME: the value of NAME in the installed desktop entry, if it is there once
    local lines
    lines=$(grep -E "^$1=" "$SHARE/applications/ormitan.desktop")
    [ "$(printf '%s\n' "$lines" | grep -c .)" -eq 1 ] && printf '%s\n' "${lines#*=}"
}

png_size() {  # png_size FILE: "WIDTHxHEIGHT" from the PNG header
    local w h
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$1")
    echo "${w}x${h}"
}

if ! "$CMAKE" --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1; then
    cat "$WORK/install.log"
    echo "FAIL: cmake --install succeeds"
    echo "0 passed, 1 failed"
    exit 1
fi
check "cmake --install succeeds" true

# --- Exactly these files, so no test program or library is installed ---
expected=$(printf '%s\n' \
    bin/ormitan \
    share/applications/ormitan.desktop \
    share/icons/hicolor/16x16/apps/ormitan.png \
    share/icons/hicolor/256x256/apps/ormitan.png \
    share/icons/hicolor/32x32/apps/ormitan.png \
    share/icons/hicolor/48x48/apps/ormitan.png \
    share/icons/hicolor/scalable/apps/ormitan.svg \
    share/mime/packages/ormitan.xml | sort)
installed=$(cd "$PREFIX" 2>/dev/null && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
check "the installed files are the program, the entry, the type and the icons" \
    test "$installed" = "$expected"
[ "$installed" = "$expected" ] || diff <(echo "$expected") <(echo "$installed")

# --- The program ---
check "the program is installed as an executable" test -x "$PREFIX/bin/ormitan"
check "the installed program finds all its libraries" \
    bash -c '! ldd "$1" | grep -q "not found"' _ "$PREFIX/bin/ormitan"
check "the installed program does not load libraries from the build tree" \
    bash -c '! readelf -d "$1" | grep -E "R(UN)?PATH" | grep -qF "$2"' _ "$PREFIX/bin/ormitan" "$BUILD"

# --- The desktop entry ---
entry=$SHARE/applications/ormitan.desktop
check "desktop-file-validate accepts the entry without a warning" \
    bash -c 'out=$(desktop-file-validate "$1" 2>&1) && ! grep -qiE "(error|warning):" <<<"$out" ||
        { echo "$out"; false; }' _ "$entry"
check "the entry is a graphical application" \
    test "$(key Type) $(key Terminal)" = "Application false"
check "the entry's name is Тест Ормитан, also in Russian" \
    test "$(key Name)|$(key 'Name\[ru\]')" = "Тест Ормитан|Тест Ормитан"
exec_line=$(key Exec)
check "Exec passes the one opened file with %f" \
    bash -c '[[ " $1 " == *" %f "* ]] && [ "$(grep -o "%[a-zA-Z]" <<<"$1")" = "%f" ]' _ "$exec_line"
check "Exec starts the installed program" \
    bash -c '[ -f "$1" ] && [ -x "$1" ]' _ "$PREFIX/bin/${exec_line%% *}"
check "the icon named by the entry is in every hicolor size" \
    test "$(find "$SHARE/icons/hicolor" -name "$(key Icon).*" | wc -l)" = 5

# --- The icons ---
for size in 16 32 48 256; do
    png=$SHARE/icons/hicolor/${size}x$size/apps/ormitan.png
    check "the ${size}x$size icon is a ${size} x ${size} PNG" test "$(png_size "$png" 2>/dev/null)" = "${size}x$size"
done
check "the scalable icon is well-formed SVG" \
    bash -c 'xmllint --noout "$1" && grep -q "<svg" "$1"' _ "$SHARE/icons/hicolor/scalable/apps/ormitan.svg"

# --- The results file type ---
package=$SHARE/mime/packages/ormitan.xml
check "the MIME package is well-formed XML" xmllint --noout "$package"
declared=$(xmllint --xpath '//*[local-name()="mime-type"]/@type' "$package" 2>/dev/null |
    sed -E 's/^ *type="([^"]*)"/\1/')
check "the MIME package declares $TYPE and nothing else" test "$declared" = "$TYPE"
check "the entry opens exactly the type the package declares" test "$(key MimeType)" = "$declared;"

# A desktop's own copies, so the installed tree stays as installed.
mkdir -p "$WORK/desktop"
cp -r "$SHARE/mime" "$SHARE/applications" "$WORK/desktop/" 2>/dev/null
check "update-mime-database reads the package without a complaint" \
    bash -c 'out=$(XDG_DATA_DIRS="$1" update-mime-database "$1/mime" 2>&1) && [ -z "$out" ] ||
        { echo "$out"; false; }' _ "$WORK/desktop"
check "the database maps *.tst to $TYPE" grep -qxF "$TYPE:*.tst" "$WORK/desktop/mime/globs"
check "the type's comment reads Результаты теста Ормитан in Russian" \
    grep -qF '<comment xml:lang="ru">Результаты теста Ормитан</comment>' "$WORK/desktop/mime/${TYPE}.xml"
check "update-desktop-database takes the entry" update-desktop-database "$WORK/desktop/applications"
check "the desktop cache opens $TYPE with the program's entry" \
    grep -qxF "$TYPE=ormitan.desktop;" "$WORK/desktop/applications/mimeinfo.cache"

# As a file manager sees them, with the installed data beside the system's and no user's own:
# a saved results file, and the application for its type.
cp "$SAMPLE" "$WORK/ivanov.tst"
desktop_env() {
    env XDG_DATA_HOME="$WORK/nohome" XDG_DATA_DIRS="$WORK/desktop:/usr/share" \
        XDG_CONFIG_HOME="$WORK/nohome" XDG_CONFIG_DIRS="$WORK/nohome" PATH="$PREFIX/bin:$PATH" "$@"
}
file_type=$(desktop_env gio info -a standard::content-type "$WORK/ivanov.tst" |
    sed -n 's/^ *standard::content-type: //p')
check "a saved results file is of type $TYPE" test "$file_type" = "$TYPE"
check "opening it starts the program's entry" \
    bash -c 'grep -qx "Default application for .*: ormitan\.desktop" <<<"$1"' _ \
    "$(desktop_env gio mime "$TYPE" 2>&1)"

finish

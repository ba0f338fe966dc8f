#!/bin/bash
# `cmake --install` into a scratch prefix, then what a school's machine relies on: the commands
# reach the programs, the launcher finds Arxius_orvalis/Tarvon beside itself, the menu entries
# and metadata are valid and name what is installed, and running writes nothing under the prefix.
#   installed_layout_test.sh BUILD_DIR APP_ID
build="$1"
id="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/usr"
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
lib="$prefix/lib/orvalis"

# The launcher starts Arxius_orvalis/Tarvon relative to its own folder.
[ -x "$lib/Orvalis3" ] || fail "no launcher in lib/orvalis"
[ -x "$lib/Arxius_orvalis/Tarvon" ] || fail "no Arxius_orvalis/Tarvon beside the launcher"
# Every file of the built data folder, those in the languages' subfolders too.
while IFS= read -r name; do
    [ -e "$lib/Arxius_orvalis/$name" ] || fail "data folder lacks $name"
done < <(cd "$build/dist/Arxius_orvalis" && find . -type f | sed 's:^\./::')
for language in es en; do
    [ -f "$lib/Arxius_orvalis/$language/G_Tarvon.pdf" ] || fail "no $language/ documents"
done

# Each command is a relative link to its program, so the program still finds its own folder.
check_command() {
    local link="$prefix/bin/$1" target="$lib/$2"
    [ -L "$link" ] || fail "bin/$1 is not a link"
    case "$(readlink "$link")" in /*) fail "bin/$1 points to an absolute path" ;; esac
    [ "$(readlink -f "$link")" = "$(readlink -f "$target")" ] || fail "bin/$1 does not reach $2"
}
check_command orvalis Orvalis3
check_command tarvon Arxius_orvalis/Tarvon
check_command tarvon-sim tarvon-sim

# Width and height from a PNG's header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }

apps="$prefix/share/applications"
for entry in "$apps/$id.desktop" "$apps/$id.Tarvon.desktop"; do
    [ -f "$entry" ] || { fail "no $(basename "$entry")"; continue; }
    desktop-file-validate --no-hints "$entry" || fail "$(basename "$entry") does not validate"
    exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "$prefix/bin/$exec_cmd" ] || fail "$(basename "$entry") runs $exec_cmd, not in bin/"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ "$icon" = "$id" ] || fail "$(basename "$entry") shows icon $icon"
    grep -q '^Categories=Education;Science;Chemistry;$' "$entry" ||
        fail "$(basename "$entry") is not under Education, Science, Chemistry"
    for lang in ca es; do
        grep -q "^Name\[$lang\]=\|^GenericName\[$lang\]=" "$entry" &&
            grep -q "^Comment\[$lang\]=" "$entry" || fail "$(basename "$entry") lacks $lang"
    done
done

icons="$prefix/share/icons/hicolor"
[ -s "$icons/scalable/apps/$id.svg" ] || fail "no scalable icon"
sizes=0
for png in "$icons"/*x*/apps/"$id.png"; do
    [ -f "$png" ] || continue
    sizes=$((sizes + 1))
    folder=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(png_size "$png")" = "$folder" ] || fail "icon in $folder is $(png_size "$png")"
done
[ -f "$icons/16x16/apps/$id.png" ] && [ -f "$icons/256x256/apps/$id.png" ] ||
    fail "icon sizes do not run from 16 to 256"

meta="$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$meta" >"$tmp/validate" || fail "metainfo: $(cat "$tmp/validate")"
for binary in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$meta"); do
    [ -x "$prefix/bin/$binary" ] || fail "metainfo provides $binary, not in bin/"
done
for launchable in $(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$meta"); do
    [ -f "$apps/$launchable" ] || fail "metainfo launches $launchable, not installed"
done
for page in orvalis tarvon tarvon-sim; do
    gzip -t "$prefix/share/man/man1/$page.1.gz" 2>/dev/null || fail "no manual page for $page"
done

# Run from elsewhere as a user would, then nothing under the prefix may have changed.
home="$tmp/home"
mkdir -m700 "$home" "$tmp/run"
touch "$tmp/stamp"
sleep 1
export HOME="$home" XDG_RUNTIME_DIR="$tmp/run" XDG_CACHE_HOME="$home/.cache"
(cd / && PATH="$prefix/bin:$PATH" tarvon-sim --reaction HI --duration 2 --seed 1 >"$tmp/table") ||
    fail "tarvon-sim from the PATH failed"
[ "$(wc -l <"$tmp/table")" -ge 4 ] || fail "tarvon-sim printed no table"
(cd / && QT_QPA_PLATFORM=offscreen timeout 3 "$prefix/bin/tarvon" >/dev/null 2>"$tmp/err")
rc=$?
[ $rc -eq 124 ] || fail "tarvon ended with $rc within 3 s: $(cat "$tmp/err")"
changed=$(find "$prefix" -newer "$tmp/stamp")
[ -z "$changed" ] || fail "written under the prefix: $changed"

[ $fails -eq 0 ] && echo "installed layout: ok"
exit $((fails > 0))

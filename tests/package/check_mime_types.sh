#!/usr/bin/env bash
# Builds a MIME database from the freedesktop.org types and ours in a
# temporary folder, as shared-mime-info does on installation, and checks that
# data files, templates and exchange files are recognised by their names and,
# renamed, by their first bytes; and that the desktop entry and the metainfo
# announce exactly the types the MIME file defines, with the icon shipped.
#
# usage: check_mime_types.sh PACKAGING_DIR EXAMPLES_DIR SELVARO_CLI APP_ID
set -euo pipefail
packaging=$1 examples=$2 cli=$3 id=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/share/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$work/share/mime/packages/"
cp "$packaging/$id.mime.xml" "$work/share/mime/packages/$id.xml"
# It reports a malformed definition on its output but still exits with 0.
if XDG_DATA_DIRS="$work/share" update-mime-database "$work/share/mime" 2>&1 | grep .; then
  echo "update-mime-database complains about $id.mime.xml"
  exit 1
fi

XDG_CONFIG_HOME=/nonexistent "$cli" convert "$examples/float_glass.lvd" "$work/glass.lvt" >/dev/null
cp "$examples/float_glass.lvd" "$work/data_renamed"
cp "$work/glass.lvt" "$work/template_renamed"
cp "$examples/anodised_aluminium.lvx" "$work/exchange_renamed"

failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

content_type() {
  XDG_DATA_HOME="$work/share" XDG_DATA_DIRS="$work/share" gio info -a standard::content-type "$1" |
    sed -n 's/^ *standard::content-type: //p'
}
expect_type() {
  local got
  got=$(content_type "$1")
  [ "$got" = "$2" ] || fail "$(basename "$1") is recognised as '$got', expected $2"
}
expect_type "$examples/float_glass.lvd" application/x-selvaro-data
expect_type "$work/glass.lvt" application/x-selvaro-template
expect_type "$examples/anodised_aluminium.lvx" application/x-selvaro-exchange
expect_type "$work/data_renamed" application/x-selvaro-data
expect_type "$work/template_renamed" application/x-selvaro-template
expect_type "$work/exchange_renamed" application/x-selvaro-exchange

defined=$(grep -o '<mime-type type="[^"]*"' "$packaging/$id.mime.xml" | cut -d'"' -f2 | sort)
in_desktop=$(sed -n 's/^MimeType=//p' "$packaging/$id.desktop" | tr ';' '\n' | sed '/^$/d' | sort)
in_metainfo=$(grep -o '<mediatype>[^<]*' "$packaging/$id.metainfo.xml" | cut -d'>' -f2 | sort)
[ "$in_desktop" = "$defined" ] || fail "the desktop entry opens '$in_desktop', the MIME file defines '$defined'"
[ "$in_metainfo" = "$defined" ] || fail "the metainfo provides '$in_metainfo', the MIME file defines '$defined'"

icons=$( (sed -n 's/^Icon=//p' "$packaging/$id.desktop"; grep -o '<icon name="[^"]*"' "$packaging/$id.mime.xml" | cut -d'"' -f2) | sort -u)
for icon in $icons; do
  [ -f "$packaging/$icon.svg" ] || fail "icon $icon is named but not shipped"
done
grep -q "^Exec=selvaro %f$" "$packaging/$id.desktop" || fail "the desktop entry does not open files with selvaro %f"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$packaging/$id.metainfo.xml" ||
  fail "the metainfo does not launch $id.desktop"

exit $((failures > 0))

#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder,
# checks what it installs where and what it depends on, unpacks it and runs
# selvaro-cli through its link on the search path from another folder: the
# program must find the element library and the examples in its own program
# folder, as it does after dpkg -i.
#
# usage: check_deb_package.sh BUILD_DIR APP_ID PROGRAM...
set -euo pipefail
build=$1 id=$2
shift 2
programs=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
deb=$(echo "$work"/selvaro_*.deb)

failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 ($7 == "->" ? " -> " $8 : "") }')
expect_entry() { grep -qxF -- "$1" <<<"$contents" || fail "the package lacks $1"; }
for program in "${programs[@]}"; do
  expect_entry "./usr/lib/selvaro/$program"
  expect_entry "./usr/bin/$program -> ../lib/selvaro/$program"
done
for file in SLV.lib help/index.html help/style.css help/topics.tsv \
            examples/float_glass.lvd examples/sio2_on_si.lvd examples/anodised_aluminium.lvx; do
  expect_entry "./usr/lib/selvaro/$file"
done
expect_entry "./usr/share/applications/$id.desktop"
expect_entry "./usr/share/mime/packages/$id.xml"
expect_entry "./usr/share/metainfo/$id.metainfo.xml"
expect_entry "./usr/share/icons/hicolor/scalable/apps/$id.svg"
outside=$(grep -v '^\./usr/' <<<"$contents" | grep -vx '\./' || true)
[ -z "$outside" ] || fail "the package installs outside /usr: $outside"
grep -q '^\./usr/lib/selvaro/examples/tools' <<<"$contents" && fail "the package ships the example generator"

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libcminpack1 libstdc++6; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done

dpkg-deb -x "$deb" "$work/root"
output=$(cd / && XDG_CONFIG_HOME=/nonexistent "$work/root/usr/bin/selvaro-cli" quantify \
           "$work/root/usr/lib/selvaro/examples/float_glass.lvd" --type "Oxide molar %" --format csv 2>&1) ||
  fail "the unpacked selvaro-cli failed: $output"
grep -q "SiO2" <<<"$output" || fail "the unpacked selvaro-cli did not quantify the example: $output"

exit $((failures > 0))

#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and checks what it lays
# out: the program and its command-line twin, the menu entry, the AppStream
# metadata, the icons, the version and the dependencies; the metadata must
# pass the validators.
#   package_test.sh BUILD_DIR APP_ID VERSION
set -uo pipefail
build=$1
app=$2
version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$scratch"/out/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no .deb written"; exit 1; }
ok "built $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] && ok "package version $version" || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6gui6 libqt6core6 fonts-arphic-uming qt6-translations-l10n xdg-utils; do
    grep -q "$dep" <<<"$depends" && ok "depends on $dep" || fail "no dependency on $dep"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
for f in usr/bin/ntc-beta usr/bin/ntc-beta-cli \
         "usr/share/applications/$app.desktop" "usr/share/applications/$app.Workbench.desktop" \
         usr/share/ntc-beta/ntc-beta.html usr/share/ntc-beta/workbench.html \
         "usr/share/metainfo/$app.metainfo.xml"; do
    [ -s "$root/$f" ] && ok "$f" || fail "missing $f"
done
for size in 16 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png"
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    dims=$(od -An -tu4 --endian=big -j16 -N8 "$png" 2>/dev/null | tr -s ' ')
    [ "$dims" = " $size $size" ] && ok "icon ${size}x${size}" || fail "icon ${size}x${size}: '$dims'"
done

desktop-file-validate "$root/usr/share/applications/$app.desktop" && ok "desktop-file-validate" ||
    fail "desktop-file-validate"
grep -q '^Name\[zh_CN\]=NTC电阻B值计算$' "$root/usr/share/applications/$app.desktop" && ok "Chinese menu name" ||
    fail "Chinese menu name"

# The workbench's menu entry opens the installed page's workbench in the
# default browser.
workbench="$root/usr/share/applications/$app.Workbench.desktop"
desktop-file-validate "$workbench" && ok "desktop-file-validate (workbench)" || fail "desktop-file-validate (workbench)"
grep -q '^Name\[zh_CN\]=NTC 工具台$' "$workbench" && ok "menu entry NTC 工具台" || fail "menu entry NTC 工具台"
opened=$(sed -n 's/^Exec=xdg-open //p' "$workbench")
[ -s "$root$opened" ] && grep -q 'url=ntc-beta.html#fit' "$root$opened" &&
    ok "the entry opens $opened, which opens ntc-beta.html#fit" || fail "the workbench entry opens '$opened'"
size=$(stat -c %s "$root/usr/share/ntc-beta/ntc-beta.html")
[ "$size" -lt 524288 ] && grep -q 'id="ntc-bench"' "$root/usr/share/ntc-beta/ntc-beta.html" &&
    ok "the page with its workbench, $size bytes" || fail "the page: $size bytes, or no workbench"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" && ok "appstreamcli validate" ||
    fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$app.metainfo.xml" && ok "metainfo release" ||
    fail "metainfo release"
# The project has no web address yet, so the metadata names none.
grep -q 'https\?://' "$root/usr/share/metainfo/$app.metainfo.xml" && fail "metainfo names a web address" ||
    ok "metainfo names no web address"

# The program carries the same version, and the installed copy starts.
strings -el "$root/usr/bin/ntc-beta" | grep -qx "$version" && ok "program version $version" || fail "program version"
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/ntc-beta" >/dev/null 2>&1
[ $? -eq 124 ] && ok "installed program runs" || fail "installed program did not keep running"

# The command-line twin is installed beside it and answers.
[ "$("$root/usr/bin/ntc-beta-cli" --version 2>&1)" = "ntc-beta-cli $version" ] && ok "ntc-beta-cli --version" ||
    fail "ntc-beta-cli --version"
[ "$("$root/usr/bin/ntc-beta-cli" beta 10k 25 1k 100 2>&1)" = "B25/100 = 3415.64467232579 K" ] &&
    ok "installed ntc-beta-cli computes" || fail "installed ntc-beta-cli beta"

exit $((failures > 0))

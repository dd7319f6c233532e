#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what desktops, software
# centres and the .deb rely on: every installed file, the validators of the
# desktop entry and the metainfo, that their names point at one another, that
# the manual pages format cleanly, and that the installed duvane-calc runs.
#   tools/check-install.sh BUILD_DIR
set -euo pipefail

fail() {
    echo "check-install: $*" >&2
    exit 1
}

if (($# != 1)); then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
build=$1
[[ -f $build/CMakeCache.txt ]] || fail "$build is not a configured build folder"
for tool in desktop-file-validate:desktop-file-utils appstreamcli:appstream groff:groff-base; do
    command -v "${tool%%:*}" >/dev/null || fail "${tool%%:*} not found (Debian package ${tool#*:})"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
log=$work/install.log
cmake --install "$build" --prefix "$prefix" >"$log" 2>&1 || {
    cat "$log" >&2
    fail "cmake --install $build failed"
}

id=example.duvane.duvane
desktop=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
icon=share/icons/hicolor/scalable/apps/$id.svg
manuals=(share/man/man1/duvane.1 share/man/man1/duvane-calc.1)
copyright=share/doc/duvane/copyright
[[ -f $prefix/bin/duvane ]] || fail "bin/duvane was not installed (was the build configured with DUVANE_BUILD_UI=OFF?)"
for file in bin/duvane-calc "$desktop" "$metainfo" "$icon" "${manuals[@]}" "$copyright"; do
    [[ -f $prefix/$file ]] || fail "$file was not installed"
done
for program in bin/duvane bin/duvane-calc; do
    [[ -x $prefix/$program ]] || fail "$program is installed without execute permission"
done

# desktop-file-validate exits 0 on warnings and hints; only silence is clean.
report=$(desktop-file-validate "$prefix/$desktop" 2>&1) || true
[[ -z $report ]] || fail "desktop-file-validate $desktop:"$'\n'"$report"

# Infos (the reserved .example domain is not a known top-level domain) are
# fine; warnings and errors are not, whatever the exit status says.
appstream_check() {
    local report
    if ! report=$(appstreamcli "$@" 2>&1) || grep -q '^ *[EW]: ' <<<"$report"; then
        fail "appstreamcli $1 finds problems:"$'\n'"$report"
    fi
}
appstream_check validate --no-net "$prefix/$metainfo"
# The tree: the metainfo's launchable must be an installed desktop entry.
appstream_check validate-tree --no-net "$prefix"

desktop_key() { sed -n "s/^$1=//p" "$prefix/$desktop"; }
exec=$(desktop_key Exec)
[[ -x $prefix/bin/${exec%% *} ]] || fail "$desktop starts \"$exec\", which is not installed in bin"
[[ $(desktop_key Icon) == "$id" ]] || fail "$desktop names the icon \"$(desktop_key Icon)\", but $icon is installed"

for manual in "${manuals[@]}"; do
    report=$(groff -k -man -ww -z -Tutf8 "$prefix/$manual" 2>&1) || true
    [[ -z $report ]] || fail "groff finds problems in $manual:"$'\n'"$report"
done

output=$("$prefix/bin/duvane-calc" impedance 0.5 10) || fail "the installed duvane-calc failed"
first=${output%%$'\n'*}
[[ $first == "Ze    = 133.229 ohm" ]] || fail "the installed duvane-calc printed \"$first\" for impedance 0.5 10"

# The software centre shows the metainfo's releases; a new version needs one.
version=$("$prefix/bin/duvane-calc" --version)
version=${version##* }
grep -q "<release version=\"$version\"" "$prefix/$metainfo" || fail "$metainfo has no release $version"

echo "check-install: the installed files of $build are complete and valid"

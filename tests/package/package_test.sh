#!/usr/bin/env bash
# The Debian package as users get it: built by cpack from this build folder, then checked for its files,
# its metadata and what lintian says, and started from an unpacked copy in a fresh home.
#   package_test.sh <check> <source dir> <build dir> <version>
# <check> is one of: build contents desktop metainfo lintian firststart.
set -euo pipefail

check=$1
source_dir=$2
build_dir=$3
version=$4
out=$build_dir/package-test
program_folder=usr/share/Norvanta/Pelinor

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need() {
    command -v "$1" >/dev/null || fail "$1 is missing: install $2 (scripts/dev.sh test installs it)"
}

the_package() {
    local debs=("$out"/pelinor_"$version"_*.deb)
    [ -f "${debs[0]}" ] || fail "no pelinor_${version}_<arch>.deb in $out: the package.build test makes it"
    echo "${debs[0]}"
}

# Unpacks the package into a new folder and prints the folder.
unpacked() {
    local root
    root=$(mktemp -d "$out/unpacked.XXXXXX")
    dpkg-deb -x "$(the_package)" "$root"
    echo "$root"
}

case "$check" in
build)
    need dpkg-shlibdeps dpkg-dev
    need file file
    rm -rf "$out"
    cpack --config "$build_dir/CPackConfig.cmake" -B "$out"
    the_package >/dev/null
    ;;

contents)
    deb=$(the_package)
    files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./||; s|/$||')
    expected=(
        usr/bin/pelinor
        usr/share/applications/pelinor.desktop
        usr/share/metainfo/pelinor.metainfo.xml
        usr/share/icons/hicolor/scalable/apps/pelinor.svg
        usr/share/icons/hicolor/48x48/apps/pelinor.png
        usr/share/icons/hicolor/256x256/apps/pelinor.png
        usr/share/man/man1/pelinor.1.gz
        usr/share/doc/pelinor/copyright
        usr/share/doc/pelinor/changelog.gz
    )
    # Every shipped table, system file and sample, named as in the source tree.
    while IFS= read -r -d '' f; do
        expected+=("$program_folder/${f#"$source_dir"/data/}")
    done < <(find "$source_dir/data" -type f ! -name CMakeLists.txt ! -path '*/data/desktop/*' \
        ! -path '*/data/debian/*' -print0)
    # Every folder of the program folder, empty ones (Help) included, as the build tree has it.
    while IFS= read -r -d '' d; do
        expected+=("$program_folder/${d#"$build_dir"/share/Norvanta/Pelinor/}")
    done < <(find "$build_dir/share/Norvanta/Pelinor" -mindepth 1 -type d -print0)
    missing=0
    for path in "${expected[@]}"; do
        grep -qxF -- "$path" <<<"$files" || {
            echo "missing from the package: $path" >&2
            missing=1
        }
    done
    [ "$missing" -eq 0 ] || fail "the package lacks files (it holds:)$(printf '\n  %s' $files)"
    grep -q "^$program_folder/Tbl/DBRuss.csv$" <<<"$files" || fail "the program folder is not under /usr/share"

    control=$(dpkg-deb -f "$deb" Package Version Depends Recommends)
    echo "$control"
    grep -qx "Version: $version" <<<"$control" || fail "the version is not the project's ($version)"
    # dpkg-shlibdeps ran: the Qt libraries the binary links come in as dependencies.
    grep -q "^Depends:.*libqt6widgets6" <<<"$control" || fail "the dependencies do not come from the binary"
    grep -q "^Depends:.*qt6-qpa-plugins" <<<"$control" || fail "Qt's window system plugins are not a dependency"
    for font in fonts-noto-cjk fonts-sil-charis fonts-liberation; do
        grep -q "^Recommends:.*$font" <<<"$control" || fail "$font is not recommended"
    done
    ;;

desktop)
    need desktop-file-validate desktop-file-utils
    root=$(unpacked)
    desktop-file-validate "$root/usr/share/applications/pelinor.desktop"
    grep -q '^Exec=pelinor$' "$root/usr/share/applications/pelinor.desktop" || fail "Exec is not the program on the path"
    rm -rf "$root"
    ;;

metainfo)
    need appstreamcli appstream
    root=$(unpacked)
    appstreamcli validate --no-net "$root/usr/share/metainfo/pelinor.metainfo.xml"
    rm -rf "$root"
    ;;

lintian)
    need lintian lintian
    # Everything lintian says is shown; only errors fail.
    lintian --fail-on error --display-info "$(the_package)"
    ;;

firststart)
    # The unpacked program finds its program folder beside its own folder, as /usr/bin/pelinor does in
    # /usr/share, and fills a new user's folders on its first start.
    root=$(unpacked)
    home=$root/home
    mkdir -p "$home" "$root/run"
    chmod 700 "$root/run"
    env -u APPDATA -u PROGRAMFILES -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u DISPLAY -u WAYLAND_DISPLAY \
        HOME="$home" XDG_RUNTIME_DIR="$root/run" QT_QPA_PLATFORM=offscreen \
        "$root/usr/bin/pelinor" >"$root/pelinor.log" 2>&1 &
    pid=$!
    user_data=$home/.local/share/Norvanta/Pelinor
    # Up to a minute: a loaded machine starts it slowly.
    for _ in $(seq 300); do
        compgen -G "$user_data/Sys/Leaf*.txt" >/dev/null && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    compgen -G "$user_data/Sys/Leaf*.txt" >/dev/null ||
        fail "the program did not finish its first start (its output:)$(printf '\n%s' "$(cat "$root/pelinor.log")")"
    copies=(
        "Sys:$user_data/Sys"
        "Tbl:$user_data/Tbl"
        "bookA:$home/Documents/Norvanta/Pelinor/bookA"
        "bookG:$home/Documents/Norvanta/Pelinor/bookG"
        "GreekA:$home/Documents/Norvanta/Pelinor/GreekA"
        "GreekG:$home/Documents/Norvanta/Pelinor/GreekG"
        "UkraineA:$home/Documents/Norvanta/Pelinor/UkraineA"
        "UkraineG:$home/Documents/Norvanta/Pelinor/UkraineG"
    )
    for pair in "${copies[@]}"; do
        shipped=$root/$program_folder/${pair%%:*}
        for f in "$shipped"/*; do
            [ -f "$f" ] || continue
            [ -f "${pair#*:}/$(basename "$f")" ] || fail "not copied on the first start: ${pair%%:*}/$(basename "$f")"
        done
    done
    [ -d "$home/Documents/Norvanta/Pelinor/usr" ] || fail "the user text folder was not created"
    rm -rf "$root"
    ;;

*)
    fail "unknown check: $check"
    ;;
esac
echo "package $check: ok"

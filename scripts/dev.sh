#!/usr/bin/env bash
# Set-up, build and run for a Debian machine.
#   scripts/dev.sh run    installs what is missing, builds and starts Pelinor
#   scripts/dev.sh test   installs what is missing, builds and runs the whole test suite
#   scripts/dev.sh sanitize
#                         builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
#                         build-sanitize and runs the whole test suite there
#   scripts/dev.sh fuzz [seconds]
#                         builds the libFuzzer targets with clang in build-fuzz and runs each of them for
#                         the given time (default 60 s) on its seed corpus
#   scripts/dev.sh lint [format|changed]
#                         lists the files that .clang-format would change and runs the checks of
#                         .clang-tidy over the program, its tests and benchmarks ("format": the first only;
#                         "changed": clang-tidy only over the files changed since the commit named in
#                         .ci/lint-base, the last one the whole run passed on, and the files that include them)
#   scripts/dev.sh package
#                         builds the Debian package pelinor_<version>_<arch>.deb in build-package with
#                         Debian's hardening flags and copies it here (apt-get install ./pelinor_*.deb)
# test, sanitize and fuzz build with warnings as errors, as CI does; run does not.
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=${PELINOR_BUILD_DIR:-build}

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libicu-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libxcb1-dev libxcb-xtest0-dev libfontconfig-dev
    xvfb xauth openbox x11-utils xterm
    fonts-noto-cjk fonts-liberation fonts-sil-charis fonts-dejavu-core
    pandoc unrtf libxml2-utils
    # The Debian package and its checks: dpkg-shlibdeps and file for its dependencies, lintian,
    # desktop-file-validate, appstreamcli.
    dpkg-dev file lintian desktop-file-utils appstream
)
# The fuzz targets need clang's libFuzzer.
fuzz_packages=(clang libclang-rt-14-dev)
lint_packages=(clang-format clang-tidy)

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure() {
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${PELINOR_BUILD_TYPE:-RelWithDebInfo}" "$@"
}

build() {
    configure "$@"
    cmake --build "$build_dir" -j "$(nproc)"
}

# ccache speeds up repeated builds when it is there; nothing requires it.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# Sanitizer reports stop the program; the suppressions name only libraries outside this project.
sanitizer_environment() {
    local supp=$PWD/scripts/sanitizers
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_init_order=1:detect_stack_use_after_return=0
    export LSAN_OPTIONS=suppressions=$supp/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=$supp/ubsan.supp
}

sanitize() {
    local dir=${PELINOR_SANITIZE_BUILD_DIR:-build-sanitize}
    sanitizer_environment
    # -O1 keeps the instrumented tests quick to build and run; line tables are enough for the reports.
    cmake -S . -B "$dir" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
        -DPELINOR_SANITIZE=ON -DPELINOR_BUILD_TESTS=ON -DPELINOR_BUILD_BENCH=OFF -DPELINOR_WERROR=ON
    cmake --build "$dir" -j "$(nproc)"
    ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" --timeout 600
}

fuzz() {
    local seconds=${1:-60}
    local dir=${PELINOR_FUZZ_BUILD_DIR:-build-fuzz}
    sanitizer_environment
    cmake -S . -B "$dir" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DPELINOR_FUZZ=ON -DPELINOR_WERROR=ON
    cmake --build "$dir" -j "$(nproc)"
    bash fuzz/run.sh "$dir/fuzz" "$seconds"
}

# The C++ files under version control (all of them outside a git checkout), build folders left out.
source_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -- '*.cpp' '*.h'
    else
        find src tests bench fuzz -name '*.cpp' -o -name '*.h'
    fi
}

# The .cpp files of the program, tests and benchmarks that changed since the commit in .ci/lint-base, and
# those that include a header that changed; fails when that commit is not in this history.
tidy_changed_files() {
    local base
    base=$(tr -d '[:space:]' <.ci/lint-base 2>/dev/null) || return 1
    [ -n "$base" ] && git cat-file -e "$base^{commit}" 2>/dev/null || return 1
    local changed
    changed=$(git diff --name-only "$base" -- 'src/*' 'tests/*' 'bench/*'
        git ls-files --others --exclude-standard -- 'src/*' 'tests/*' 'bench/*')
    {
        echo "$changed" | grep -E '\.cpp$' || true
        local header
        for header in $(echo "$changed" | grep -E '\.h$'); do
            # Headers are included by their path below src/ or tests/, or beside the file as a plain name.
            local name=${header#src/}
            name=${name#tests/}
            grep -rlE --include='*.cpp' "#include \"(${name}|$(basename "$header"))\"" src tests bench || true
        done
    } | sort -u | while read -r f; do if [ -f "$f" ]; then echo "$f"; fi; done
}

lint() {
    local what=${1:-all}
    local failed=0

    echo "--- clang-format"
    local unformatted
    unformatted=$(source_files | xargs -P "$(nproc)" -n 8 sh -c \
        'for f; do clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || echo "$f"; done' sh | sort)
    if [ -n "$unformatted" ]; then
        echo "These files differ from .clang-format (clang-format -i <file> rewrites them):"
        echo "$unformatted" | sed 's/^/  /'
        failed=1
    else
        echo "all files formatted"
    fi

    [ "$what" = format ] && return "$failed"

    echo "--- clang-tidy"
    local only=""
    if [ "$what" = changed ]; then
        if ! only=$(tidy_changed_files); then
            only=""
            echo "(.ci/lint-base names no commit of this history: every file)"
        elif [ -z "$only" ]; then
            echo "no C++ file changed since the commit the whole run passed on"
            return "$failed"
        else
            echo "$(echo "$only" | wc -l) files changed since the commit the whole run passed on, or include one that did"
        fi
    fi
    # clang-tidy needs the compile commands and the moc output of a configured build folder of its own
    # (tests and benchmarks included). Without origin dependencies the moc steps run alone: nothing is
    # compiled.
    local dir=${PELINOR_LINT_BUILD_DIR:-build-lint}
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELINOR_BUILD_TESTS=ON \
        -DPELINOR_BUILD_BENCH=ON -DCMAKE_AUTOGEN_ORIGIN_DEPENDS=OFF >/dev/null
    local autogen
    autogen=$(ninja -C "$dir" -t targets all | sed -n 's/^\([A-Za-z0-9_]*_autogen\): phony$/\1/p')
    # shellcheck disable=SC2086
    cmake --build "$dir" -j "$(nproc)" --target $autogen >/dev/null
    local files="^$PWD/(src|tests|bench)/"
    if [ -n "$only" ]; then
        files="^$PWD/($(echo "$only" | sed 's/[.+]/\\&/g' | paste -sd '|'))\$"
    fi
    if run-clang-tidy -p "$dir" -j "$(nproc)" -quiet "$files" >"$dir/clang-tidy.log" 2>&1; then
        echo "no findings"
    else
        sed 's/\x1b\[[0-9;]*m//g' "$dir/clang-tidy.log" | grep -E '(warning|error): ' | sort -u
        echo "clang-tidy found the above (whole output in $dir/clang-tidy.log)"
        failed=1
    fi
    return "$failed"
}

# A release build without tests, with the compiler and linker flags of Debian's own packages, put into a
# package by CPack; the package lands in the top folder.
package() {
    local dir=${PELINOR_PACKAGE_BUILD_DIR:-build-package}
    CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
        LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
        cmake -S . -B "$dir" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release \
        -DPELINOR_BUILD_TESTS=OFF -DPELINOR_BUILD_BENCH=OFF
    cmake --build "$dir" -j "$(nproc)"
    rm -f "$dir"/pelinor_*.deb ./pelinor_*.deb
    (cd "$dir" && cpack)
    cp "$dir"/pelinor_*.deb .
    echo "Built $(ls pelinor_*.deb); install it with: sudo apt-get install ./pelinor_*.deb"
}

case "${1:-}" in
run)
    install_missing
    build
    exec "$build_dir/bin/pelinor"
    ;;
test)
    install_missing
    build -DPELINOR_WERROR=ON
    ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)" --timeout 300
    ;;
sanitize)
    install_missing
    sanitize
    ;;
fuzz)
    install_missing "${fuzz_packages[@]}"
    fuzz "${2:-60}"
    ;;
lint)
    install_missing "${lint_packages[@]}"
    lint "${2:-all}"
    ;;
package)
    install_missing
    package
    ;;
*)
    echo "usage: $0 run|test|sanitize|fuzz [seconds]|lint [format]|package" >&2
    exit 2
    ;;
esac

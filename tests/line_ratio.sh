#!/bin/sh
# How large the tests are against the code they test: non-blank, non-comment
# lines of the C++ sources, scripts and CMake files under tests/ and in the
# rest of the tree.
set -eu
cd "$(dirname "$0")/.."

count() {
    git ls-files -- "$@" | grep -E '\.(cpp|h|sh|cmake)$|CMakeLists\.txt$' |
        while read -r file; do
            case $file in
            *.cpp | *.h) grep -v -E '^\s*(//|$)' "$file" || true ;;
            *) grep -v -E '^\s*(#|$)' "$file" || true ;;
            esac
        done | wc -l
}

tests=$(count tests)
code=$(count . ':!tests')
echo "tests $tests, code $code: $((100 * tests / code))%"

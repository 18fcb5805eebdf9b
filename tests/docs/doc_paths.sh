#!/bin/sh
# Every repository path that README.md or docs/*.md names must exist: words
# in backticks that start with a source folder or are a top-level file, and
# the targets of relative links. A glob passes when it matches something; a
# path without its extension ("ui/editing/CubeEdit") when a file of that
# name with some extension exists.
set -u

cd "$1" || exit 2
failures=0

exists() {
    for match in $1 "$1".*; do
        [ -e "$match" ] && return 0
    done
    return 1
}

report() {
    echo "$1: names '$2', which is not in the tree"
    failures=$((failures + 1))
}

# "LINE WORD" for each word of each `code span`, also one that goes on to
# the next line; fenced blocks are left out.
code_words() {
    awk '/^```/ { fenced = !fenced; next }
         fenced { next }
         {
             rest = $0
             while ((at = index(rest, "`")) > 0) {
                 if (open) { span = span " " substr(rest, 1, at - 1); n = split(span, w, " ");
                             for (i = 1; i <= n; ++i) print start, w[i]; open = 0 }
                 else { open = 1; start = NR; span = "" }
                 rest = substr(rest, at + 1)
             }
             if (open) span = span " " rest
         }' "$1"
}

# "LINE TARGET" for each link.
link_targets() {
    grep -n -o '\]([^)#]*' "$1" | sed 's/^\([0-9]*\):\](/\1 /'
}

for doc in README.md docs/*.md; do
    [ -f "$doc" ] || continue
    folder=$(dirname "$doc")
    code_words "$doc" >"${TMPDIR:-/tmp}/doc_paths.$$"
    while read -r line path; do
        path=${path%[.,;:]}
        case $path in
        model/* | solver/* | vision/* | ui/* | cli/* | tests/* | bench/* | cmake/* | docs/* | .ci/*) ;;
        Makefile | CMakeLists.txt | *.md | .clang-format | .clang-tidy | .gitignore)
            # A document's own neighbour, or a top-level file.
            [ -e "$folder/$path" ] && continue
            ;;
        *) continue ;;
        esac
        exists "$path" || report "$doc:$line" "$path"
    done <"${TMPDIR:-/tmp}/doc_paths.$$"
    link_targets "$doc" >"${TMPDIR:-/tmp}/doc_paths.$$"
    while read -r line target; do
        case $target in
        '' | http:* | https:* | mailto:*) continue ;;
        esac
        [ -e "$folder/$target" ] || report "$doc:$line" "$target"
    done <"${TMPDIR:-/tmp}/doc_paths.$$"
done
rm -f "${TMPDIR:-/tmp}/doc_paths.$$"
exit $((failures > 0))

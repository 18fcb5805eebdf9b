#!/bin/sh
# Every text marked for translation has a finished translation in every
# language: lupdate, run over copies of the .ts files, finds nothing new.
# Arguments: the lupdate project description CMake writes, the script that
# turns it into lupdate's project file, lupdate, the .ts folder.
set -eu
project=$1 generate=$2 lupdate=$3 translations=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$translations"/*.ts "$work"/
cmake -DIN_FILE="$project" -DOUT_FILE="$work/project.json" -P "$generate"
sed -i "s#$translations/#$work/#g" "$work/project.json"
"$lupdate" -silent -project "$work/project.json" -no-obsolete -locations none
if grep -l 'type="unfinished"' "$work"/*.ts; then
    grep -h -B2 'type="unfinished"' "$work"/*.ts | grep '<source>' | sort -u >&2
    echo "texts without a finished translation: run 'make translations' and translate them" >&2
    exit 1
fi

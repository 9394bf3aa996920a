#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vellumo developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the core library links Qt Gui or Qt Widgets (or the UI library), or when one of its
# sources includes a header of either module or of the UI.
# Usage: check-core.sh <source dir> <link libraries> <interface link libraries> <sources>
#        <include dirs of Qt6::Widgets>   (lists separated by ";", as CMake writes them)
set -u
source_dir=$1
status=0

for library in $(printf '%s;%s' "$2" "$3" | tr ';' ' '); do
    case $library in
    *Gui* | *Widgets* | *OpenGL* | vellumo_lib)
        echo "the core links $library"
        status=1
        ;;
    esac
done

# Every header name the two modules install (QImage, QWidget, qpainter.h, ...), as one pattern.
headers=$(mktemp) || exit 1
trap 'rm -f "$headers"' EXIT INT TERM
for dir in $(printf '%s' "$5" | tr ';' ' '); do
    case $dir in
    */QtGui | */QtWidgets)
        module=$(basename "$dir")
        echo "$module" >>"$headers"
        ls "$dir" >>"$headers"
        ;;
    esac
done
if [ ! -s "$headers" ]; then
    echo "no Qt Gui or Qt Widgets headers found in: $5"
    exit 1
fi

IFS=';'
for source in $4; do
    case $source in
    /*) path=$source ;;
    *) path=$source_dir/$source ;;
    esac
    [ -f "$path" ] || continue
    # The bare header name of each #include, without a module folder in front of it.
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]\([^>"]*\)[>"].*/\1/p' "$path" \
        | while read -r included; do
            case $included in
            QtGui/* | QtWidgets/* | ui/*)
                echo "$source includes <$included>"
                echo x >>"$headers.found"
                ;;
            */*) ;;
            *)
                if grep -qxF "$included" "$headers"; then
                    echo "$source includes <$included>"
                    echo x >>"$headers.found"
                fi
                ;;
            esac
        done
done
if [ -e "$headers.found" ]; then
    rm -f "$headers.found"
    status=1
fi
[ "$status" -eq 0 ] && echo "the core links and includes neither Qt Gui nor Qt Widgets"
exit $status

#!/bin/sh
# Fails when two tracked paths differ only in letter case: on the file
# systems of Windows and macOS they are one file and the checkout breaks.
# Skipped (exit 77) outside a git checkout, e.g. in a source tarball.
root="$1"
git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1 || exit 77
clashes=$(git -C "$root" ls-files | sort -f | uniq -di)
[ -z "$clashes" ] && exit 0
echo "paths that differ only in case:"
for p in $clashes; do git -C "$root" ls-files | grep -ix "$p"; done
exit 1

#!/usr/bin/env bash
# jaggo tests: builds the Windows ZIP, checks what it holds and what its programs import, runs them unpacked.
# Catches a ZIP without a program, with a DLL it must not carry, or whose README links to files it lacks.
# Usage: test_zip.sh BUILD_DIR EMULATOR. Exits 77 (skipped) without unzip or the cross objdump.
set -euo pipefail

build=$1
emulator=$2
objdump=x86_64-w64-mingw32-objdump
# shellcheck source=tests/package/common.sh
source "$(dirname "$0")/common.sh"
require_tools cpack unzip "$objdump"
build_package ZIP
zips=("$work"/out/jaggo-*-win64.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || fail "expected one jaggo-VERSION-win64.zip, found: ${zips[*]}"
echo "package: ${zips[0]}"

# The programs with GLFW's DLL beside them, the licences and the README, and documents in docs/.
top=$(basename "${zips[0]}" .zip)
listed=$(unzip -Z1 "${zips[0]}" | grep -v '/$' | grep -v "^$top/docs/[a-z_]*\.\(md\|png\)\$" | sort | tr '\n' ' ')
expected="$top/LICENSE.txt $top/License-GLFW.txt $top/License-mingw-w64-runtime.txt $top/README.md $top/glfw3.dll $top/jaggo-verdict.exe $top/jaggo.exe "
[ "$listed" = "$expected" ] || fail "the ZIP holds: $listed"
unzip -q "${zips[0]}" -d "$work/root"
dir=$work/root/$top

# Every link of the README and of the documents beside it leads to a file the ZIP holds.
for page in "$dir/README.md" "$dir"/docs/*.md; do
    for target in $(grep -o '](\([^)#:]\+\)[)#]' "$page" | sed 's/^](//; s/.$//' | sort -u); do
        [ -f "$(dirname "$page")/$target" ] || fail "${page#"$dir"/} links to $target, which the ZIP lacks"
    done
done
echo "the README's links and its documents' lead to files in the ZIP"

# Only Windows' own DLLs and GLFW's: no GL library, no compiler runtime DLL.
for exe in jaggo.exe jaggo-verdict.exe; do
    imports=$("$objdump" -p "$dir/$exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
    echo "$exe imports: $imports"
    for dll in $imports; do
        case "${dll,,}" in
            kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll | glfw3.dll) ;;
            *) fail "$exe imports $dll" ;;
        esac
    done
    grep -qi 'glfw3\.dll' <<<"$imports" || fail "$exe does not import glfw3.dll"
done

# Unpacked, they run with the DLL that came with them.
for program in jaggo jaggo-verdict; do
    status=0
    out=$("$emulator" "$dir/$program.exe" -h </dev/null | tr -d '\r'; printf .) || status=$?
    [ "$status" -eq 0 ] || fail "$program.exe -h exited with $status"
    options='\[-h\] \[-s SAMPLES\] \[-x\]'
    [ "$program" = jaggo ] || options+=' \[-q\] \[-a\] \[-j\] \[-o\] \[-e N\] \[-p DIR\] \[-V\]'
    grep -q "^Usage: $program $options\$" <<<"$out" || fail "$program.exe -h printed: $out"
done
echo "unpacked jaggo.exe -h and jaggo-verdict.exe -h: usage text, status 0"

#!/usr/bin/env bash
# Where the bytes of the Windows program are: links it once more, unstripped,
# with a link map, and sums the code and data each library and each object
# file brought in.
#
#   measure-windows-exe.sh <Windows build folder> [objects to list (25)]
set -euo pipefail
build="$1"
top=${2:-25}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmd=$(ninja -C "$build" -t commands src/app/ZT-VOLTRAIL-V1.exe | tail -n 1)
[[ $cmd == *" -o src/app/ZT-VOLTRAIL-V1.exe "* ]] || { echo "measure-windows-exe.sh: no link line in $build" >&2; exit 1; }
cmd=${cmd/ -s / }
cmd=${cmd/ -o src\/app\/ZT-VOLTRAIL-V1.exe / -Wl,-Map,$work/exe.map -o $work/exe.exe }
(cd "$build" && bash -c "$cmd")
echo "stripped: $(stat -c %s "$build/src/app/ZT-VOLTRAIL-V1.exe") bytes"
python3 - "$work/exe.map" "$top" <<'PY'
import collections, re, sys
libs, objs = collections.Counter(), collections.Counter()
entry = re.compile(r'^\s+(\.\S+)?\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S.*)$')
pending, started = None, False
for line in open(sys.argv[1], errors='replace'):
    line = line.rstrip('\n')
    started = started or line.startswith('Linker script and memory map')
    if not started:
        continue
    m = entry.match(line)
    if not m:
        name = re.match(r'^ (\.\S+)$', line)
        pending = name.group(1) if name else None
        continue
    section, pending = m.group(1) or pending, None
    if not section or section.startswith('.debug') or section.startswith('.bss'):
        continue
    size, source = int(m.group(2), 16), m.group(3)
    lib = re.sub(r'\(.*', '', source).split('/')[-1]
    obj = re.search(r'\((.*)\)', source)
    libs[lib] += size
    objs[(lib, obj.group(1) if obj else lib)] += size
print(f"{sum(libs.values()) / 1e6:.2f} MB of code and data, by library:")
for lib, size in libs.most_common(20):
    print(f"  {size / 1e6:6.2f} MB  {lib}")
print(f"the {sys.argv[2]} largest object files:")
for (lib, obj), size in objs.most_common(int(sys.argv[2])):
    print(f"  {size / 1e3:6.0f} kB  {lib}: {obj}")
PY

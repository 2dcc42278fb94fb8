#!/usr/bin/env bash
# Says whether this machine's kernel starts 32-bit x86 Linux programs, by trying one: a
# 84-byte ELF32 made here that only calls exit(0). Some kernels refuse them all ("Exec format
# error"), and with them Wine's 32-bit loader; asking the kernel is the only sure test.
# Exit status 0 and "yes" when it ran; 1 and "no: <reason>" when it did not.
set -uo pipefail
probe=$(mktemp "${TMPDIR:-/tmp}/vq-elf32.XXXXXX")
trap 'rm -f "$probe"' EXIT
python3 - "$probe" <<'PY'
import struct, sys
base = 0x08048000
code = bytes([0xB8, 1, 0, 0, 0, 0x31, 0xDB, 0xCD, 0x80])   # mov eax,1; xor ebx,ebx; int 0x80
header = b"\x7fELF" + bytes([1, 1, 1, 0]) + bytes(8)
header += struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, base + 84, 52, 0, 0, 52, 32, 1, 0, 0, 0)
program = struct.pack("<IIIIIIII", 1, 0, base, base, 84 + len(code), 84 + len(code), 5, 0x1000)
open(sys.argv[1], "wb").write(header + program + code)
PY
chmod +x "$probe"
if out=$("$probe" 2>&1); then
  echo yes
  exit 0
fi
echo "no: the kernel refused a 32-bit program ($(printf '%s' "${out:-exit status $?}" | sed 's/.*: //' | head -n 1))"
exit 1

#!/bin/sh
# Prints which Windows leg this machine can run: 32 when it runs 32-bit programs (the leg closest
# to our users: i686 builds under 32-bit Wine), 64 when it does not (some kernels run 64-bit code
# only and answer "Exec format error" to every i386 program, 32-bit Wine included).
# The 32-bit Wine loader answers for itself where it is installed (PLEVO_WINE32_LOADER names
# another one; naming one that does not exist makes a machine of the other kind). Before it is
# installed, a 93-byte i386 program that does nothing but exit tells whether the kernel starts
# 32-bit programs at all, so that a machine that cannot use 32-bit Wine never installs it.
set -u
loader=${PLEVO_WINE32_LOADER:-/usr/lib/wine/wine}
if [ -n "${PLEVO_WINE32_LOADER:-}" ] || [ -e "$loader" ]; then
  if "$loader" --version >/dev/null 2>&1; then echo 32; else echo 64; fi
  exit 0
fi
dir=$(mktemp -d "${TMPDIR:-/tmp}/plevo-leg.XXXXXX")
# ELF header, one loadable segment, then: xor ebx,ebx; mov eax,1 (exit); int 0x80.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010\135\000\000\000\135\000\000\000\005\000\000\000\000\020\000\000\061\333\270\001\000\000\000\315\200' >"$dir/exit0"
chmod +x "$dir/exit0"
if "$dir/exit0" >/dev/null 2>&1; then echo 32; else echo 64; fi
rm -rf "$dir"

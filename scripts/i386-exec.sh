#!/bin/sh
# Makes sure i386 programs run on this machine: natively where the kernel
# allows it, otherwise through qemu-i386-static registered with binfmt_misc.
# Exits 0 when a probe program runs, 1 when it still cannot.
set -u
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
printf 'int main(void) { return 0; }\n' >"$dir/p.c"
cc -m32 "$dir/p.c" -o "$dir/p" 2>/dev/null || { echo "i386-exec.sh: no i386 compiler" >&2; exit 1; }
"$dir/p" 2>/dev/null && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "i386-exec.sh: the kernel does not run i386 programs; using qemu-i386-static" >&2
if [ ! -x /usr/bin/qemu-i386-static ]; then
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get install -y --no-install-recommends qemu-user-static >/dev/null ||
        { $SUDO apt-get update >/dev/null &&
            $SUDO apt-get install -y --no-install-recommends qemu-user-static >/dev/null; } ||
        exit 1
fi
misc=/proc/sys/fs/binfmt_misc
[ -e "$misc/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$misc" || exit 1
if [ ! -e "$misc/qemu-i386" ]; then
    # ELF, 32-bit, little-endian, executable or shared object, machine 386.
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf '%s' ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" |
        $SUDO tee "$misc/register" >/dev/null || exit 1
fi
"$dir/p"

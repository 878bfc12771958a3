#!/bin/sh
# Boots Debian's own kernel under QEMU with busybox, evdev and uinput in an
# initramfs and runs the uinput probe there; passes when the probe saw every
# event arrive as sent. Exits 77 (skipped) only when QEMU or the kernel
# package cannot be had; scripts/setup provides them, and busybox and cpio.
# Usage: run-uinput-kernel-test.sh <probe> <folder with the kernel .deb> <cache folder>
set -u
probe="$1" debs="$2" cache="$3"

skip() { echo "$1: skipped (run scripts/setup)"; exit 77; }
command -v qemu-system-x86_64 >/dev/null 2>&1 || skip "qemu-system-x86_64 is missing"
missing() { echo "$1 (run scripts/setup)" >&2; exit 1; }
command -v cpio >/dev/null 2>&1 || missing "cpio is missing"
busybox=/bin/busybox
[ -x "$busybox" ] && ! ldd "$busybox" >/dev/null 2>&1 || missing "a static busybox is missing"
deb=$(ls -1 "$debs"/linux-image-*.deb 2>/dev/null | sort -V | tail -n 1)
[ -n "$deb" ] || skip "no kernel package in $debs"

# The three files needed, taken from the package once (decompressing it
# takes seconds) and kept beside the build.
kernel="$cache/$(basename "$deb" .deb)"
if [ ! -f "$kernel/done" ]; then
    rm -rf "$kernel" && mkdir -p "$kernel/x" || exit 1
    dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$kernel/x" --wildcards \
        './boot/vmlinuz-*' '*/drivers/input/misc/uinput.ko' '*/drivers/input/evdev.ko' || exit 1
    find "$kernel/x" -name 'vmlinuz-*' -exec mv {} "$kernel/vmlinuz" \;
    find "$kernel/x" -name uinput.ko -exec mv {} "$kernel/uinput.ko" \;
    find "$kernel/x" -name evdev.ko -exec mv {} "$kernel/evdev.ko" \;
    rm -rf "$kernel/x"
    [ -f "$kernel/vmlinuz" ] && [ -f "$kernel/uinput.ko" ] && [ -f "$kernel/evdev.ko" ] ||
        { echo "the kernel package lacks vmlinuz, uinput.ko or evdev.ko" >&2; exit 1; }
    touch "$kernel/done"
fi

work="${TMPDIR:-/tmp}/uinput-kernel"
root="$work/root"
rm -rf "$work" && mkdir -p "$root/bin" "$root/usr/share/X11" || exit 1
cp "$busybox" "$root/bin/busybox"
cp "$kernel/uinput.ko" "$kernel/evdev.ko" "$root/"
cp "$probe" "$root/probe"
# The probe is linked dynamically (there is no static libxkbcommon): its
# libraries go where the loader looks for them, and the layouts where
# libxkbcommon reads them.
for lib in $(ldd "$probe" | grep -o '/[^ ]*'); do
    mkdir -p "$root$(dirname "$lib")" && cp -L "$lib" "$root$lib"
done
cp -r /usr/share/X11/xkb "$root/usr/share/X11/"
cat > "$root/init" <<'INIT'
#!/bin/busybox sh
/bin/busybox mkdir -p /proc /sys /dev
/bin/busybox mount -t proc proc /proc
/bin/busybox mount -t sysfs sysfs /sys
/bin/busybox mount -t devtmpfs devtmpfs /dev
/bin/busybox insmod /evdev.ko
/bin/busybox insmod /uinput.ko
/probe
echo "probe exit $?"
/bin/busybox poweroff -f
INIT
chmod +x "$root/init"
(cd "$root" && find . | cpio -o -H newc --quiet | gzip -1 > "$work/initrd.gz") || exit 1

start=$(date +%s)
timeout 600 qemu-system-x86_64 -m 256 -smp 1 -nographic -no-reboot -monitor none \
    -kernel "$kernel/vmlinuz" -initrd "$work/initrd.gz" \
    -append "console=ttyS0 quiet loglevel=3 panic=-1" > "$work/console.log" 2>&1
status=$?
tr -d '\r' < "$work/console.log" | grep -v '^\[' 
echo "QEMU ran $(($(date +%s) - start)) s (exit $status)"
grep -q '^RESULT PASS' "$work/console.log" || exit 1
exit 0

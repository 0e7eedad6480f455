#!/bin/bash
# The real kolekt and kolekt-tool on the file systems of USB sticks: FAT (fusefat) and exFAT
# (exfat-fuse on a loop device), mounted through FUSE from small images, and a tiny tmpfs. On each,
# a save by the program (ended by SIGTERM) replaces the file; on each filled up, a save fails with
# the full-disk text, not the read-only one, and leaves the file as it was.
# Needs root, /dev/fuse and the packages of scripts/install-deps.sh; skips (77) what it cannot mount.
# Usage: sticks-under-fuse.sh KOLEKT KOLEKT_TOOL
set -euo pipefail
kolekt=$1
tool=$2
skip=77

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: mounting the stick images needs root" >&2
    exit $skip
fi
scratch=$(mktemp -d)
mounts=() loops=()
cleanup() {
    for m in "${mounts[@]}"; do
        fusermount -u "$m" 2>/dev/null || umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
    done
    for l in "${loops[@]}"; do losetup -d "$l" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
cp "$kolekt" "$scratch/kolekt"

# mount_fat / mount_exfat / mount_tmpfs FOLDER: 0 when mounted, else the reason on stderr.
mount_fat() {
    command -v fusefat >/dev/null && command -v mkfs.vfat >/dev/null && [ -c /dev/fuse ] ||
        { echo "no fusefat, mkfs.vfat or /dev/fuse" >&2; return 1; }
    truncate -s 4M "$scratch/fat.img" && mkfs.vfat "$scratch/fat.img" >/dev/null &&
        fusefat -o rw+ "$scratch/fat.img" "$1" >/dev/null 2>&1
}
mount_exfat() {
    command -v mount.exfat-fuse >/dev/null && command -v mkfs.exfat >/dev/null &&
        [ -c /dev/fuse ] || { echo "no exfat-fuse, mkfs.exfat or /dev/fuse" >&2; return 1; }
    truncate -s 4M "$scratch/exfat.img" && mkfs.exfat "$scratch/exfat.img" >/dev/null 2>&1 || return 1
    # As root exfat-fuse wants a block device.
    local loop
    loop=$(losetup -f --show "$scratch/exfat.img" 2>/dev/null) ||
        { echo "no loop device" >&2; return 1; }
    loops+=("$loop")
    mount.exfat-fuse "$loop" "$1" >/dev/null 2>&1
}
mount_tmpfs() {
    mount -t tmpfs -o size=256k tmpfs "$1" 2>/dev/null
}

mounted=0
for kind in fat exfat tmpfs; do
    stick="$scratch/$kind"
    mkdir "$stick"
    if ! "mount_$kind" "$stick"; then
        echo "$kind: not mounted here, not checked" >&2
        continue
    fi
    mounts+=("$stick")
    mounted=$((mounted + 1))
    file="$stick/Group3.k09"
    "$tool" sample "$file" >/dev/null || fail "$kind: kolekt-tool sample cannot write the stick"
    touch -d "2 days ago" "$file"
    before=$(stat -c %Y "$file")

    QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$scratch/data-$kind" "$scratch/kolekt" "$file" \
        2>/dev/null &
    pid=$!
    for _ in $(seq 300); do
        [ -e "$stick/.Group3.k09.kolekt-lock" ] && break
        sleep 0.1
    done
    [ -e "$stick/.Group3.k09.kolekt-lock" ] || { kill -9 $pid; fail "$kind: kolekt did not open the file"; }
    kill -TERM $pid
    wait $pid || fail "$kind: kolekt did not end well"
    [ "$(stat -c %Y "$file")" -gt "$before" ] || fail "$kind: kolekt did not save the file"
    ls -A "$stick" | grep -qv '^Group3.k09$' && fail "$kind: left behind: $(ls -A "$stick")"

    # Filled up: the save fails for what it is, and the file stays whole.
    cp "$file" "$scratch/saved.k09"
    dd if=/dev/zero of="$stick/fill" bs=4k 2>/dev/null || true
    if "$tool" sample --force "$file" 2>"$scratch/err"; then
        fail "$kind: a save on a full disk reported success"
    fi
    grep -q "The disk is full" "$scratch/err" || fail "$kind: full disk said: $(cat "$scratch/err")"
    grep -q "read-only" "$scratch/err" && fail "$kind: full disk named read-only: $(cat "$scratch/err")"
    cmp -s "$file" "$scratch/saved.k09" || fail "$kind: the failed save changed the file"
    [ "$(ls -A "$stick" | sort | tr '\n' ' ')" = "Group3.k09 fill " ] ||
        fail "$kind: left behind: $(ls -A "$stick")"
    echo "$kind: saved, and full named as full"
done
if [ $mounted -eq 0 ]; then
    echo "SKIPPED: no stick file system could be mounted" >&2
    exit $skip
fi

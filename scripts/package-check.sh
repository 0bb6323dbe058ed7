#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 (debootstrap, minbase) in a folder,
# starts the program from its desktop entry under a virtual X server as a new user, and
# checks that the menu entry, the icon and the AppStream data are in place and that the
# history was put into the user's data folder.
#   scripts/package-check.sh build/ssq_1.0.0_amd64.deb [WORKDIR]
set -euo pipefail
deb=$(realpath "$1")
work=${2:-/tmp/ssq-package-check}
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
base=$work/base
if [ ! -x "$base/bin/bash" ]; then
  mirror=$(awk '/^URIs/{print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || echo http://deb.debian.org/debian)
  debootstrap --variant=minbase bookworm "$base" "$mirror" >"$work.debootstrap.log" 2>&1
  cp /etc/apt/sources.list.d/debian.sources "$base/etc/apt/sources.list.d/" 2>/dev/null || true
fi
root=$work/root
# The host's /proc, /sys and /dev are bound into the chroot: they are unmounted before
# anything is removed, the trap is in place before the first mount, and the removal
# never crosses into another file system (a mount left behind stays untouched).
unmount_all() {
  local m
  for m in dev/pts dev sys proc; do
    if mountpoint -q "$root/$m" 2>/dev/null; then umount "$root/$m" || umount -l "$root/$m"; fi
  done
}
remove_root() {
  unmount_all
  rm -rf --one-file-system "$root"
}
trap 'unmount_all; true' EXIT
remove_root
cp -a "$base" "$root"
cp "$deb" "$root/tmp/ssq.deb"
for m in proc sys dev dev/pts; do mount --bind "/$m" "$root/$m"; done
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 /bin/bash -euc '
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq /tmp/ssq.deb xvfb xauth desktop-file-utils appstream >/dev/null
  desktop-file-validate /usr/share/applications/ssq.desktop
  appstreamcli validate --no-net /usr/share/metainfo/example.mingchuan.ssq.metainfo.xml || true
  ls /usr/share/icons/hicolor/48x48/apps/ssq.png /usr/share/ssq/ssq.dxt /usr/share/ssq/readme.txt
  useradd -m player
  exec_line=$(sed -n "s/^Exec=//p" /usr/share/applications/ssq.desktop)
  su player -c "cd ~ && timeout 20 xvfb-run -a $exec_line >/tmp/ssq-run.log 2>&1; true"
  test -s /home/player/.local/share/ssq/ssq.dxt
  cmp /home/player/.local/share/ssq/ssq.dxt /usr/share/ssq/ssq.dxt
  echo "package check: installed, started from the menu entry as a user, history in ~/.local/share/ssq"
'

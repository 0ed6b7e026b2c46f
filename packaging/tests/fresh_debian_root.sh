# Sourced by the fresh-root checks: a minbase Debian 12 root made anew with
# git alone and a clone of this repository's committed HEAD in /root/kalvane.
# Not responsible for what runs in it. Callers set `repo` and `root`, then:
#   fresh_root_make        debootstrap, mounts (undone on exit), git, the clone
#   in_root 'commands'     runs bash in the root with a clean environment
# Needs root and a Debian mirror (DEBIAN_MIRROR, else the host's bookworm
# source, else deb.debian.org). Only a root this file made is ever removed.
fresh_root_marker=.kalvane-fresh-root
fresh_root_mounts=(proc sys dev dev/pts dev/shm)

# The first bookworm source of the host's apt lists, one-line or deb822.
fresh_root_host_mirror() {
  {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      awk '$1 == "deb" { i = 2; if ($i ~ /^\[/) while ($i !~ /\]$/) i++; if ($i ~ /^\[/ || $i ~ /\]$/) i++;
                         if ($(i + 1) == "bookworm") print $i }'
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
      awk 'BEGIN { RS = "" } /(^|\n)Suites:([^\n]*[ \t])?bookworm([ \t\n]|$)/ {
             if (match($0, /(^|\n)URIs:[ \t]*[^ \t\n]+/)) {
               uri = substr($0, RSTART, RLENGTH); sub(/.*URIs:[ \t]*/, "", uri); print uri } }'
  } | head -n 1
}

fresh_root_unmount() {
  local i
  for ((i = ${#fresh_root_mounts[@]} - 1; i >= 0; i--)); do
    mountpoint -q "$root/${fresh_root_mounts[i]}" && umount "$root/${fresh_root_mounts[i]}" 2>/dev/null ||
      umount -l "$root/${fresh_root_mounts[i]}" 2>/dev/null || true
  done
}

in_root() {
  env -i HOME=/root TERM=dumb LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    chroot "$root" bash -c "$1"
}

# Sets fresh_root_head (the commit cloned) and fresh_root_seconds.
fresh_root_make() {
  [ "$(id -u)" -eq 0 ] || { echo "Run as root: debootstrap and chroot need it." >&2; exit 2; }
  local mirror started
  mirror=${DEBIAN_MIRROR:-$(fresh_root_host_mirror)}
  mirror=${mirror:-http://deb.debian.org/debian}
  fresh_root_head=$(git -C "$repo" rev-parse HEAD)
  git -C "$repo" diff --quiet HEAD ||
    echo "Note: uncommitted changes are not in the clone; it checks $fresh_root_head."
  trap fresh_root_unmount EXIT
  if [ -e "$root" ]; then
    [ -e "$root/$fresh_root_marker" ] || { echo "$root exists and is not a fresh root of ours." >&2; exit 2; }
    fresh_root_unmount
    rm -rf --one-file-system "$root"
  fi
  command -v debootstrap >/dev/null || apt-get install -y -q debootstrap

  started=$(date +%s)
  echo "debootstrap --variant=minbase bookworm from $mirror"
  mkdir -p "$root"
  touch "$root/$fresh_root_marker"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -n 30 "$root.debootstrap.log"; exit 1; }
  mv "$root.debootstrap.log" "$root/root/debootstrap.log"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"
  mount --bind /sys "$root/sys"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  # A machine's /dev/shm is a tmpfs of its own that anyone may write to (the
  # Wayland compositor's buffers live there); the bind of /dev hides it.
  mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
  in_root 'apt-get update -q && apt-get install -y -q --no-install-recommends git' >"$root/root/git.log" 2>&1 ||
    { tail -n 30 "$root/root/git.log"; exit 1; }
  git clone -q --no-local "$repo" "$root/root/kalvane"
  git -C "$root/root/kalvane" checkout -q --detach "$fresh_root_head"
  fresh_root_seconds=$(($(date +%s) - started))
}

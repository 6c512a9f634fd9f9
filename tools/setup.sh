#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12. Idempotent
# and quiet: does nothing when everything is present.
#
# Package mirrors are sometimes briefly out of step. This script survives
# what it can:
#  - a failed `apt-get update` is retried a few times with a pause, then the
#    indexes apt already has are used;
#  - when the packages then fail to install because an index that failed
#    is out of step with its twin of the other architecture, the install is
#    tried again with that suite ranked below the others;
#  - when the packages still do not install, it stops and says what failed
#    and what to do.
# PX_SETUP_UPDATE_TRIES and PX_SETUP_PAUSE tune the retries (default 3, 10 s).
set -euo pipefail

packages=(cmake make g++ g++-mingw-w64-i686 googletest wine wine32 wine64 xvfb xauth
          imagemagick fonts-arphic-uming locales python3 python3-pil curl zip unzip
          clang libclang-rt-14-dev)
update_tries="${PX_SETUP_UPDATE_TRIES:-3}"
pause="${PX_SETUP_PAUSE:-10}"

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive

say() { echo "setup: $*"; }

stop_with() {
  echo "setup: FAILED: $1" >&2
  shift
  for line in "$@"; do echo "setup:   $line" >&2; done
  exit 1
}

failed_suites=()

# Runs apt-get update until it reports no failed index, at most
# $update_tries times. Returns 0 when an update ran clean, 1 when the last
# one still reported failures (apt then keeps its older indexes); the
# suites whose indexes failed are left in failed_suites.
update_indexes() {
  local attempt out
  for attempt in $(seq 1 "$update_tries"); do
    if out="$($sudo_cmd apt-get update -q 2>&1)" && ! grep -qE '^(E|W): (Failed|Some index)' <<<"$out"; then
      failed_suites=()
      return 0
    fi
    say "apt-get update reported a failure (attempt $attempt of $update_tries):"
    grep -E '^(E|W):' <<<"$out" | head -3 | sed 's/^/setup:   /' || true
    mapfile -t failed_suites < <(grep -oE 'Failed to fetch [^ ]*/dists/[^/ ]+/' <<<"$out" |
                                 sed -E 's|.*/dists/([^/]+)/$|\1|' | sort -u)
    if [ "$attempt" -lt "$update_tries" ]; then sleep "$pause"; fi
  done
  say "carrying on with the package indexes apt has"
  return 1
}

# An index that failed to download is older than (or missing beside) its
# twin of the other architecture, so apt would want an amd64 library at a
# version the i386 index does not serve; the two halves of a Multi-Arch:
# same library must match, and the install fails with "held broken
# packages". Ranking the out-of-step suites below the others makes apt take
# both halves from the indexes that agree. The ranking lives in a private
# preferences folder that holds the system's own files too, so nothing of
# the system is changed.
pinned_preferences() {
  local dir suite
  dir="$(mktemp -d)"
  if compgen -G "/etc/apt/preferences.d/*" >/dev/null; then cp /etc/apt/preferences.d/* "$dir/"; fi
  for suite in "${failed_suites[@]}"; do
    printf 'Package: *\nPin: release n=%s\nPin-Priority: 100\n\n' "$suite" >> "$dir/zz-px-out-of-step"
  done
  echo "$dir"
}

install_packages() {
  local out prefs
  if out="$($sudo_cmd apt-get install -y -q "$@" 2>&1)"; then return 0; fi
  if [ ${#failed_suites[@]} -gt 0 ]; then
    say "install failed; trying again with ${failed_suites[*]} ranked below the indexes that are in step"
    prefs="$(pinned_preferences)"
    if out="$($sudo_cmd apt-get install -y -q -o Dir::Etc::PreferencesParts="$prefs" "$@" 2>&1)"; then
      rm -rf "$prefs"
      return 0
    fi
    rm -rf "$prefs"
  fi
  grep -E '^(E:| [^ ].*: (Pre)?Depends)' <<<"$out" | head -12 | sed 's/^/setup:   /' >&2 || true
  return 1
}

missing=()
for p in "${packages[@]}"; do
  # dpkg-query finds the i386 wine32 under its plain name.
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  say "installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo_cmd dpkg --add-architecture i386
  fi
  index_note=""
  update_indexes || index_note="apt-get update failed $update_tries times; the package indexes may be out of step with their mirror."
  if ! install_packages "${missing[@]}"; then
    stop_with "could not install: ${missing[*]}" \
      ${index_note:+"$index_note"} \
      "The mirror is probably being synchronised. Wait a few minutes and run the same command again." \
      "To see apt's own report: $sudo_cmd apt-get install ${missing[*]}"
  fi
fi

# Wine must run with code page 936 (GBK).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  say "generating the zh_CN.UTF-8 locale"
  $sudo_cmd sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen >/dev/null || stop_with "locale-gen could not make zh_CN.UTF-8" "Check /etc/locale.gen and run the command again."
fi

# Wine's 32-bit half needs a kernel that runs 32-bit programs. Some virtual
# machines run 64-bit user code only: an i386 program then fails with "Exec
# format error". There the i386 programs run through QEMU's user-mode
# emulator, registered with the kernel's binfmt_misc. Debian 12's own QEMU
# (7.2) crashes Wine's sockets, so the one of bookworm-backports is taken.
runs_i386() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
qemu_new_enough() {
  local major
  major="$(qemu-i386-static --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\).*/\1/p')"
  [ -n "$major" ] && [ "$major" -ge 8 ]
}
if ! runs_i386; then
  say "this machine runs no 32-bit programs; Wine's i386 half will run through QEMU"
  if ! qemu_new_enough; then
    backports=/etc/apt/sources.list.d/px-bookworm-backports.list
    [ -f "$backports" ] ||
      echo "deb http://deb.debian.org/debian bookworm-backports main" | $sudo_cmd tee "$backports" >/dev/null
    for attempt in $(seq 1 "$update_tries"); do
      if $sudo_cmd apt-get update -q -o Dir::Etc::sourcelist="$backports" -o Dir::Etc::sourceparts=- \
           -o APT::Get::List-Cleanup=0 >/dev/null 2>&1; then break; fi
      if [ "$attempt" -lt "$update_tries" ]; then sleep "$pause"; fi
    done
    install_packages -t bookworm-backports qemu-user-static ||
      stop_with "could not install qemu-user-static from bookworm-backports" \
        "This machine cannot run Wine's 32-bit programs without it." \
        "Wait a few minutes and run the same command again."
  fi
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || $sudo_cmd mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null || true
  # An entry made for another (older) emulator is replaced.
  if [ -e "$binfmt/qemu-i386" ] && ! runs_i386; then echo -1 | $sudo_cmd tee "$binfmt/qemu-i386" >/dev/null; fi
  if [ ! -e "$binfmt/qemu-i386" ]; then
    # ELF, 32-bit, little-endian, executable or shared object, i386; "F":
    # the emulator is opened now, so it also serves programs in other roots.
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
      $sudo_cmd tee "$binfmt/register" >/dev/null || true
  fi
  runs_i386 || stop_with "32-bit programs still do not run through QEMU" \
    "binfmt_misc must be available to register /usr/bin/qemu-i386-static for i386 programs." \
    "See $binfmt/status and $binfmt/qemu-i386."
fi

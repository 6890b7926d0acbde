#!/usr/bin/env bash
# Runs programs contending for one file (bench/lock_contention.sh: lock_counter processes adding
# to a counter under its lock), and the multi-process test of the program's own files
# (tests/models/shared_processes_tests: user list, error files, mandatory tasks), on network file
# systems mounted on this machine itself, as a class would use a folder on the school server. Needs root. For each kind it says what ran, or why it
# is skipped; it fails only when a run on a mounted folder loses an increment or leaves a file.
#   kernel NFS and CIFS  tried with mount(8); a kernel without them (most containers) is skipped
#   sshfs                FUSE: an sshd of its own on 127.0.0.1:2222, keys in a temporary folder
#   smbnetfs             FUSE over libsmbclient: an smbd of its own on 127.0.0.1:445 with a
#                        guest share
# Packages (installed when missing): sshfs openssh-server openssh-client samba smbnetfs
# cifs-utils nfs-common. Build first (scripts/setup.sh). Usage: scripts/shared-folder-check.sh
# [PROGRAMS] [CHANGES] (defaults 8 and 200).
set -uo pipefail
cd "$(dirname "$0")/.."
programs=${1:-8}
changes=${2:-200}
work=$(mktemp -d)
failed=0
cleanups=()
cleanup() {
  local i
  for (( i = ${#cleanups[@]} - 1; i >= 0; i-- )); do eval "${cleanups[i]}" > /dev/null 2>&1; done
  rm -rf "$work"
}
trap cleanup EXIT

skip() { echo "== $1: skipped: $2"; }
run_on() { # name folder
  echo "== $1: $programs programs x $changes changes on $2"
  if ! bench/lock_contention.sh "$2" "$programs" "$changes" 5; then
    echo "== $1: FAILED"
    failed=1
  fi
  echo "== $1: eight programs changing names, error files and mandatory tasks on $2"
  # Each of its changes takes the user list's lock once or twice: fewer of them on a slow share.
  if ! ZIFTORA_TEST_FOLDER="$2" ZIFTORA_TEST_CHANGES=$(( changes / 4 )) \
       build/tests/models/shared_processes_tests; then
    echo "== $1: FAILED"
    failed=1
  fi
}

if [ "$(id -u)" -ne 0 ]; then
  skip "all" "not root: mounting needs root"
  exit 0
fi
scripts/setup.sh --install sshfs openssh-server openssh-client samba smbnetfs cifs-utils nfs-common \
  > "$work/install.log" 2>&1 || { tail -n 20 "$work/install.log"; skip "all" "packages missing"; exit 0; }

# Kernel clients: only where the kernel has them.
for fs in nfs cifs; do
  if ! grep -qw "$fs" /proc/filesystems; then
    skip "kernel $fs" "this kernel has no $fs client (not in /proc/filesystems, no modules to load)"
  else
    skip "kernel $fs" "the kernel could mount it, but no $fs server is set up by this script"
  fi
done

if [ ! -c /dev/fuse ]; then
  skip "sshfs, smbnetfs" "no /dev/fuse"
  exit 0
fi

# sshfs to this machine.
ssh=$work/ssh
mkdir -p "$ssh" "$work/sshfs-share" "$work/sshfs" /run/sshd && chmod 700 "$ssh"
ssh-keygen -q -t ed25519 -N '' -f "$ssh/host_key" && ssh-keygen -q -t ed25519 -N '' -f "$ssh/user_key"
cp "$ssh/user_key.pub" "$ssh/authorized_keys"
cat > "$ssh/sshd_config" <<CONF
Port 2222
ListenAddress 127.0.0.1
HostKey $ssh/host_key
AuthorizedKeysFile $ssh/authorized_keys
PermitRootLogin prohibit-password
PasswordAuthentication no
PidFile $ssh/sshd.pid
Subsystem sftp internal-sftp
StrictModes no
CONF
if /usr/sbin/sshd -f "$ssh/sshd_config" -E "$ssh/sshd.log"; then
  cleanups+=("kill \$(cat '$ssh/sshd.pid')")
  for _ in $(seq 50); do [ -s "$ssh/sshd.pid" ] && break; sleep 0.1; done
  if sshfs -o "IdentityFile=$ssh/user_key,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null,port=2222" \
       "root@127.0.0.1:$work/sshfs-share" "$work/sshfs" 2> "$work/sshfs.err"; then
    cleanups+=("fusermount -u '$work/sshfs'")
    run_on "sshfs" "$work/sshfs"
  else
    skip "sshfs" "mount failed: $(cat "$work/sshfs.err")"
  fi
else
  skip "sshfs" "sshd did not start: $(tail -n 3 "$ssh/sshd.log")"
fi

# smbnetfs to a Samba share on this machine.
smb=$work/smb
mkdir -p "$smb"/{share,private,lock,state,cache,log,pid,ncalrpc,home/.smb} "$work/smbnetfs"
chmod 777 "$smb/share"
cat > "$smb/smb.conf" <<CONF
[global]
  workgroup = ZIFTORA
  server role = standalone server
  map to guest = Bad User
  guest account = root
  interfaces = lo
  bind interfaces only = yes
  smb ports = 445
  server min protocol = SMB2
  private dir = $smb/private
  lock directory = $smb/lock
  state directory = $smb/state
  cache directory = $smb/cache
  pid directory = $smb/pid
  ncalrpc dir = $smb/ncalrpc
  log file = $smb/log/%m.log
  load printers = no
  disable spoolss = yes
[klasse]
  path = $smb/share
  read only = no
  guest ok = yes
  force user = root
CONF
if ss -ltn 2>/dev/null | grep -q '[:.]445 '; then
  skip "smbnetfs" "port 445 is already in use on this machine"
else
  smbd -D --configfile="$smb/smb.conf"
  cleanups+=("kill \$(cat '$smb/pid/smbd.pid')")
  for _ in $(seq 50); do ss -ltn 2>/dev/null | grep -q '127.0.0.1:445 ' && break; sleep 0.1; done
  printf 'smb_query_browsers "false"\n' > "$smb/home/.smb/smbnetfs.conf"
  chmod 600 "$smb/home/.smb/smbnetfs.conf"
  : > "$smb/home/.smb/smb.conf"
  if HOME=$smb/home smbnetfs "$work/smbnetfs" 2> "$work/smbnetfs.err"; then
    cleanups+=("fusermount -u '$work/smbnetfs'")
    share=$work/smbnetfs/127.0.0.1/klasse
    for _ in $(seq 50); do [ -d "$share" ] && break; sleep 0.1; done
    if [ -d "$share" ]; then
      run_on "smbnetfs" "$share"
    else
      skip "smbnetfs" "mounted, but the share did not show up"
    fi
  else
    skip "smbnetfs" "mount failed: $(cat "$work/smbnetfs.err")"
  fi
fi
exit "$failed"

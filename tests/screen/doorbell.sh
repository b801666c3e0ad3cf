#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The doorbell among hostile neighbours. The program folder is one that others
# may write to: what they leave where an older game kept its doorbell (a folder,
# a link to a socket of their own) neither blocks the doorbell nor hears a ring,
# since the doorbell lies in the player's private folders, closed to others
# whatever the umask. And a game with hardly a file descriptor to spare, its
# doorbells held by hundreds of connections that say nothing or nonsense, still
# hears a later start at once.
source "$(dirname "$0")/lib.sh"
export XDG_RUNTIME_DIR=$WORK/run XDG_CACHE_HOME=$WORK/cache
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A doorbell an older game left beside the files is no matter either.
rm -f "$WORK/bin/.tomavel.sock"
mkdir "$WORK/bin/.tomavel.sock"
# The game gets no descriptor from whoever runs this check (CTest leaves its
# log open), so that 14 are the game's own.
cat >"$WORK/limited" <<SCRIPT
#!/bin/bash
for fd in \$(ls /proc/\$\$/fd); do ((fd > 2)) && eval "exec \$fd>&-"; done
umask 000
exec prlimit --nofile=14:14 "$GAME"
SCRIPT
chmod +x "$WORK/limited"
REAL_GAME=$GAME
GAME=$WORK/limited start_game
GAME=$REAL_GAME
BELLS=()
for bell in "$XDG_RUNTIME_DIR"/tomavel-*.sock; do
  [[ -S $bell ]] || fail "no doorbell in the runtime folder: $(ls -A "$XDG_RUNTIME_DIR" | xargs)"
  name=$(basename "$bell")
  for folder in "$XDG_RUNTIME_DIR" "/tmp/tomavel-$(id -u)"; do
    [[ -S $folder/$name ]] && BELLS+=("$folder/$name")
  done
done
for bell in "${BELLS[@]}"; do
  [[ $(stat -c %a "$bell") == 600 ]] || fail "doorbell $bell has mode $(stat -c %a "$bell")"
done
ok "the doorbells (${#BELLS[@]}) lie in private folders, mode 600 under umask 000"

# Later starts: the startup id each hands over is completed by the running game.
"$(dirname "$DEALPRINT")/startupwatch" 30 >"$WORK/startup-messages" & PIDS+=($!)
for _ in $(seq 50); do [[ -s $WORK/startup-messages ]] && break; sleep 0.1; done
heard() {  # heard ID SECONDS: the start with this id was completed within SECONDS
  for _ in $(seq $(($2 * 10))); do
    grep -qx "remove: ID=$1" "$WORK/startup-messages" && return 0
    sleep 0.1
  done
  return 1
}

# Someone else's socket behind a link where the old doorbell was never hears a ring.
rmdir "$WORK/bin/.tomavel.sock"
/usr/bin/python3 - "$WORK/theirs.sock" "$WORK/theirs-heard" <<'PY' & THEIRS=$!
import socket, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.bind(sys.argv[1]); s.listen(8)
while True:
    c, _ = s.accept()
    open(sys.argv[2], "ab").write(c.recv(4096) or b"(nothing)")
PY
PIDS+=($THEIRS)
for _ in $(seq 50); do [[ -S $WORK/theirs.sock ]] && break; sleep 0.1; done
ln -s "$WORK/theirs.sock" "$WORK/bin/.tomavel.sock"
timeout 10 env DESKTOP_STARTUP_ID="past-the-link_TIME0" "$GAME" || fail "the later start did not end"
heard past-the-link_TIME0 3 || fail "a later start past the link was not heard"
sleep 0.3
[[ ! -e $WORK/theirs-heard ]] || fail "another's socket heard: $(cat -v "$WORK/theirs-heard")"
ok "a link at the old doorbell's place is passed by, and the game still hears the ring"

# The siege: three hundred connections to every doorbell, held, saying nothing,
# nonsense or half a ring; a later start meanwhile still comes through at once.
export WORK
/usr/bin/python3 - "${BELLS[@]}" <<'PY' & SIEGE=$!
import os, socket, sys, time
held = []
for bell in sys.argv[1:]:
    for i in range(300):
        s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        s.setblocking(False)
        try:
            s.connect(bell)
            if i % 3 == 1:
                s.send(os.urandom(64))
            elif i % 3 == 2:
                s.send(b"tomavel-ring no line end")
        except OSError:
            pass  # the queue is full: the rest wait outside
        held.append(s)
open(os.environ["WORK"] + "/siege-ready", "w").close()
time.sleep(8)
PY
PIDS+=($SIEGE)
for _ in $(seq 50); do [[ -e $WORK/siege-ready ]] && break; sleep 0.1; done
[[ -e $WORK/siege-ready ]] || fail "the siege never got ready"
start=$(date +%s%N)
timeout 10 env DESKTOP_STARTUP_ID="during-the-siege_TIME0" "$GAME" || fail "the later start did not end"
heard during-the-siege_TIME0 3 || fail "a later start during the siege was not heard"
ms=$(( ($(date +%s%N) - start) / 1000000 ))
kill -0 "$GPID" 2>/dev/null || fail "the game died under the siege"
ok "with 14 descriptors and its doorbells held by 300 callers each, a later start is heard in $ms ms"
wait "$SIEGE" || true
for bell in "${BELLS[@]}"; do [[ -S $bell ]] || fail "the doorbell $bell went away under the siege"; done
timeout 10 env DESKTOP_STARTUP_ID="after-the-siege_TIME0" "$GAME" || fail "the later start did not end"
heard after-the-siege_TIME0 3 || fail "a later start after the siege was not heard"
ok "the doorbells survive the siege"

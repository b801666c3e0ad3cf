#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The doorbell under siege: a game with few file descriptors is held by three
# hundred connections that say nothing or nonsense. It keeps running, keeps its
# doorbell, and once they have gone a later start still brings it forward.
source "$(dirname "$0")/lib.sh"
cat >"$WORK/limited" <<SCRIPT
#!/bin/sh
exec prlimit --nofile=128:128 "$GAME"
SCRIPT
chmod +x "$WORK/limited"
REAL_GAME=$GAME
GAME=$WORK/limited start_game
GAME=$REAL_GAME
BELL="$WORK/bin/.tomavel.sock"
[[ -S $BELL ]] || fail "no doorbell at $BELL"

/usr/bin/python3 - "$BELL" <<'PY' & SIEGE=$!
import os, socket, sys, time
held = []
for i in range(300):
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.setblocking(False)
    try:
        s.connect(sys.argv[1])
        if i % 3 == 1:
            s.send(os.urandom(64))
        elif i % 3 == 2:
            s.send(b"tomavel-ring no line end")
    except OSError:
        pass  # the queue is full: the rest wait outside
    held.append(s)
time.sleep(4)
PY
PIDS+=($SIEGE)
sleep 3
kill -0 "$GPID" 2>/dev/null || fail "the game died under 300 connections"
[[ -S $BELL ]] || fail "the doorbell went away under 300 connections"
ok "the game and its doorbell survive 300 idle connections with 128 descriptors"
wait "$SIEGE" || true

"$(dirname "$DEALPRINT")/startupwatch" 5 >"$WORK/startup-messages" & PIDS+=($!)
for _ in $(seq 50); do [[ -s $WORK/startup-messages ]] && break; sleep 0.1; done
timeout 10 env DESKTOP_STARTUP_ID="after-siege_TIME0" "$GAME" || fail "the later start did not end"
for _ in $(seq 30); do grep -q "^remove:" "$WORK/startup-messages" && break; sleep 0.1; done
grep -qx "remove: ID=after-siege_TIME0" "$WORK/startup-messages" ||
  fail "a later start after the siege was not heard"
ok "a later start after the siege still brings the game forward"

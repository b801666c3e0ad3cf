#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one fuzz target for a fixed time, from the checked-in seeds into a fresh
# corpus of its own. An input that breaks the reader is kept in the work folder.
#   run.sh TARGET SEEDS WORK SECONDS [libFuzzer options...]
set -euo pipefail
target=$1 seeds=$2 work=$3 seconds=$4
shift 4
rm -rf "$work"
mkdir -p "$work/corpus"
if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/" "$@" "$work/corpus" "$seeds"; then
  echo "The input that broke the reader is kept in $work/" >&2
  exit 1
fi

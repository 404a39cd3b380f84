#!/usr/bin/env bash
# secondSampler_clock_test.sh <start> <libfaketime.so.1> <secondSampler> [<emulator> <argument>...]
#
# Runs the real sampler under libfaketime from the fake time <start>, in seconds since the
# epoch, and steps its clock while it runs: forward by 300 s, back by 60 s, then it is stopped
# for 3 s with SIGSTOP and continued.
# Every step falls in the middle of a real second, half a second from the sampler's regular
# lines, and each line is stamped with the real time it arrived. Requires the start line and
# well-formed sample lines; the first sample within 2 s of the start; one line at once after the
# forward step; sampling resumed one second after the backward step; one line at once after
# SIGCONT; and no two lines closer than 0.3 s, so no burst anywhere.
set -euo pipefail
export LC_ALL=C # EPOCHREALTIME with a decimal point

CHOSEN_START=$1
library=$2
program=$3
shift 3
emulator=("$@")

FORWARD=300
BACKWARD=60
STOPPED=3

work=$(mktemp -d)
sampler=
reader=
cleanup() {
  if [ -n "$sampler" ]; then
    kill -KILL "$sampler" 2>/dev/null || true
    wait "$sampler" 2>/dev/null || true
    # libfaketime leaves these behind when its process is killed.
    rm -f "/dev/shm/faketime_shm_$sampler" "/dev/shm/sem.faketime_sem_$sampler"
  fi
  if [ -n "$reader" ]; then
    wait "$reader" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "lines (real arrival time, line):" >&2
  cat "$work/lines" >&2
  exit 1
}

microseconds() { # the real time now, in whole microseconds
  local now=$EPOCHREALTIME
  echo $((${now%.*} * 1000000 + 10#${now#*.}))
}

# Sleeps until the real clock is half-way through a second, at least 0.1 s from now.
sleepToHalfSecond() {
  local wait=$(((1500000 - $(microseconds) % 1000000) % 1000000))
  if ((wait < 100000)); then
    wait=$((wait + 1000000))
  fi
  sleep "$((wait / 1000000)).$(printf '%06d' $((wait % 1000000)))"
}

# Sets the fake clock's offset from the real one; the sampler's next reading sees it.
offset=0
setOffset() {
  offset=$1
  printf '%+d\n' "$offset" >"$work/offset.next"
  mv -f "$work/offset.next" "$work/offset"
}

# The fake clock's whole second now.
fakeSecond() {
  echo $((${EPOCHREALTIME%.*} + offset))
}

sleepToHalfSecond
setOffset $((CHOSEN_START - ${EPOCHREALTIME%.*}))

# Every line the sampler writes, with its real arrival time in microseconds.
mkfifo "$work/output"
while IFS= read -r line; do
  now=$EPOCHREALTIME
  printf '%d %s\n' $((${now%.*} * 1000000 + 10#${now#*.})) "$line"
done <"$work/output" >"$work/lines" &
reader=$!

# Under qemu, libfaketime must be loaded into the emulated program, not into qemu itself.
if ((${#emulator[@]} > 0)); then
  preload=(QEMU_SET_ENV="LD_PRELOAD=$library")
else
  preload=(LD_PRELOAD="$library")
fi
started=$(microseconds)
env -u FAKETIME "${preload[@]}" FAKETIME_TIMESTAMP_FILE="$work/offset" FAKETIME_NO_CACHE=1 \
  "${emulator[@]}" "$program" >"$work/output" &
sampler=$!

sleep 3
sleepToHalfSecond
forwardAt=$(microseconds)
setOffset $((offset + FORWARD))

sleep 1.5
sleepToHalfSecond
backwardAt=$(microseconds)
setOffset $((offset - BACKWARD))
backwardFake=$(fakeSecond)

sleep 1.5
sleepToHalfSecond
kill -STOP "$sampler"
sleep "$STOPPED"
sleepToHalfSecond
continuedAt=$(microseconds)
continuedFake=$(fakeSecond)
kill -CONT "$sampler"

sleep 1.8
kill -KILL "$sampler"
wait "$sampler" 2>/dev/null || true
rm -f "/dev/shm/faketime_shm_$sampler" "/dev/shm/sem.faketime_sem_$sampler"
sampler=
wait "$reader"
reader=

mapfile -t arrivals < <(cut -d ' ' -f 1 "$work/lines")
mapfile -t texts < <(cut -d ' ' -f 2- "$work/lines")

[ "${texts[0]-}" = "arrayStats begin..." ] || fail "the first line is not the start line"
((${#texts[@]} >= 8)) || fail "only ${#texts[@]} lines"
times=()
for ((i = 1; i < ${#texts[@]}; ++i)); do
  [[ ${texts[i]} =~ ^Exec\.\.\.([0-9]+)$ ]] || fail "malformed line '${texts[i]}'"
  times[i]=${BASH_REMATCH[1]}
  if ((i > 1 && arrivals[i] - arrivals[i - 1] < 300000)); then
    fail "lines $((i - 1)) and $i arrived $((arrivals[i] - arrivals[i - 1])) us apart: a burst"
  fi
done

# The first line that arrived after the real time $1, in microseconds.
firstAfter() {
  local i
  for ((i = 1; i < ${#texts[@]}; ++i)); do
    if ((arrivals[i] > $1)); then
      echo "$i"
      return
    fi
  done
  fail "no line after $1"
}

((times[1] <= CHOSEN_START + 2 && arrivals[1] - started <= 2000000)) ||
  fail "the first sample, ${times[1]}, came too late after the start at $CHOSEN_START"

i=$(firstAfter "$forwardAt")
((arrivals[i] - forwardAt < 400000)) || fail "no line at once after the forward step"
((times[i] >= times[i - 1] + FORWARD)) || fail "the line after the forward step shows ${times[i]}"

i=$(firstAfter "$backwardAt")
((times[i] == backwardFake + 1)) ||
  fail "after the backward step to $backwardFake, sampling resumed at ${times[i]}"

i=$(firstAfter "$continuedAt")
((arrivals[i] - continuedAt < 400000)) || fail "no line at once after SIGCONT"
((times[i] == continuedFake)) || fail "the line after SIGCONT shows ${times[i]}, not $continuedFake"
((times[i] >= times[i - 1] + STOPPED)) || fail "the sampler went on while it was to be stopped"

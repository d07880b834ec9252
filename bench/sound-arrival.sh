#!/usr/bin/env bash
# Whether every sound of a scripted game reaches the speakers whole: plays
# the game's sounds (build/sound_arrival) into a PulseAudio null sink of a
# private sound server, records its monitor, and counts the sounds in the
# recording. Usage: bench/sound-arrival.sh [RUNS] [--busy]; --busy keeps
# both cores busy meanwhile. Needs pulseaudio, pulseaudio-utils and a normal
# build; exits non-zero unless every run heard all ten sounds.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
runs=${1:-3}
busy=${2:-}
gap_ms=${GAP_MS:-1500} # more than the longest sound, and the first sound's wait for a new stream

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work PULSE_SERVER=unix:$work/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=file:"$work/pulse.log" \
  --load="module-null-sink sink_name=ordkamp_null rate=22050 channels=1" \
  --load="module-native-protocol-unix socket=$work/native auth-anonymous=1" &
pids+=($!)
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done

# The server's own first stream is slow to start; a player's server has long
# been running.
QT_QPA_PLATFORM=offscreen "$build/sound_arrival" "$build/sounds" 0 >/dev/null 2>&1

if [ "$busy" = --busy ]; then
  for _ in 1 2; do (while :; do :; done) & pids+=($!); done
fi

failed=0
for run in $(seq "$runs"); do
  parec --device=ordkamp_null.monitor --format=s16le --rate=22050 --channels=1 --raw > "$work/rec.raw" &
  recorder=$!
  sleep 0.5
  played=$(QT_QPA_PLATFORM=offscreen "$build/sound_arrival" "$build/sounds" "$gap_ms" 2>/dev/null)
  sleep 0.5
  kill "$recorder"; wait "$recorder" 2>/dev/null || true
  # A sound is a stretch of samples above the noise floor, apart from the
  # next by at least 100 ms of silence; its length tells whether it is whole.
  heard=$(python3 - "$work/rec.raw" <<'PY'
import array, sys
samples = array.array('h', open(sys.argv[1], 'rb').read())
rate, window = 22050, 220  # 10 ms
loud = [max(map(abs, samples[i:i + window]), default=0) > 500 for i in range(0, len(samples), window)]
sounds, start, quiet = [], None, 0
for i, on in enumerate(loud + [False] * 20):
    if on:
        if start is None:
            start = i
        quiet, end = 0, i
    elif start is not None:
        quiet += 1
        if quiet >= 10:
            sounds.append((end - start + 1) * 10)
            start = None
print(len(sounds), ' '.join(str(ms) for ms in sounds))
PY
)
  echo "run $run: played $played, heard ${heard%% *} (lengths in ms: ${heard#* })"
  [ "${heard%% *}" = "$played" ] || failed=1
done
exit $failed

#!/usr/bin/env bash
# Opening a 12000 × 8400 map-like scan (6600 × 4560 as a PNG), from the process's start to the
# top of the picture on screen (first view), to its first question (the calibration question of
# a new picture) and to idle (the picture whole, its overview made), against the decoders alone
# (djpeg with the program's settings, tiffinfo -D, pngtopam) and against g3data when installed,
# in the same rounds; and the memory once idle.
# Usage: bench/open_e2e.sh [ROUNDS]   (run by `make bench`; BUILD_DIR as for make)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5}
build=${BUILD_DIR:-build}
dir=${TMPDIR:-/tmp}/tracelle-bench-open
mkdir -p "$dir"

# The files, made once: a JPEG, a TIFF in LZW strips of 8 rows, a TIFF in deflate strips.
if [[ ! -f $dir/scan_zip.tif ]]; then
  "$build/bench/make_scan" 12000 8400 "$dir/scan.ppm"
  cjpeg -quality 90 "$dir/scan.ppm" > "$dir/scan.jpg"
  ppm2tiff -c lzw -r 8 "$dir/scan.ppm" "$dir/scan_lzw.tif"
  ppm2tiff -c zip -r 8 "$dir/scan.ppm" "$dir/scan_zip.tif"
  "$build/bench/make_scan" 400 300 "$dir/small.ppm"
  cjpeg -quality 90 "$dir/small.ppm" > "$dir/small.jpg"
  rm -f "$dir/scan.ppm" "$dir/small.ppm"
fi
if [[ ! -f $dir/scan.png ]]; then
  "$build/bench/make_scan" 6600 4560 "$dir/scan_png.ppm"
  pnmtopng "$dir/scan_png.ppm" > "$dir/scan.png"
  rm -f "$dir/scan_png.ppm"
fi
files=(scan.jpg scan_lzw.tif scan_zip.tif scan.png)
# The raw 15-bit picture of each, in KB.
declare -A raw=([scan.jpg]=$((12000 * 8400 * 2 / 1024)) [scan_lzw.tif]=$((12000 * 8400 * 2 / 1024))
  [scan_zip.tif]=$((12000 * 8400 * 2 / 1024)) [scan.png]=$((6600 * 4560 * 2 / 1024)))
have_g3data=$(command -v g3data || true)

now() { date +%s.%N; }

# The median of numbers given one a line.
median() {
  sort -g | awk '{v[NR] = $1} END {print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

# Seconds from start to exit of a command, and its processor seconds.
timed() {
  local s e
  s=$(now)
  /usr/bin/time -f "%U %S" -o "$dir/time" "$@" > /dev/null 2>&1
  e=$(now)
  echo "$(echo "$e - $s" | bc) $(awk '{print $1 + $2}' "$dir/time")"
}

# Tracelle tells when it showed the picture, asked its question (answered No at once) and fell
# idle, then ends, telling its memory and processor time: seconds from the start for the three,
# the processor seconds and the memory.
tracelle() {
  local s
  s=$(now)
  TRACELLE_OPENING_TIMES=1 "$build/src/app/tracelle" "$1" 2> "$dir/tracelle.err"
  awk -v s="$s" '$1 == "view" {v = $2 - s} $1 == "question" {q = $2 - s} $1 == "idle" {i = $2 - s}
    $1 == "cpu" {c = $2} /VmRSS/ {m = $2} END {printf "%.3f %.3f %.3f %.3f %d\n", v, q, i, c, m}' \
    "$dir/tracelle.err"
}

# g3data: until its window with the picture is on screen (it shows it once read), its processor
# seconds and memory then. A start refused by the X server now and then ("cannot open display")
# is tried again.
g3data_open() {
  local s e id pid tries attempt
  for attempt in 1 2 3; do
    s=$(now)
    g3data "$1" > /dev/null 2> "$dir/g3data.err" &
    pid=$!
    tries=0
    until id=$(xdotool search --onlyvisible --pid "$pid" 2> /dev/null | head -n 1) && [[ -n $id ]]; do
      if ! kill -0 "$pid" 2> /dev/null || ((++tries > 1000)); then
        id=""
        break
      fi
      sleep 0.02
    done
    e=$(now)
    if [[ -n $id ]]; then
      local rss cpu
      rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
      cpu=$(awk -v hz="$(getconf CLK_TCK)" '{print ($14 + $15) / hz}' "/proc/$pid/stat")
      kill "$pid"
      wait "$pid" 2> /dev/null || true
      echo "$(echo "$e - $s" | bc) $cpu $rss"
      return
    fi
    kill "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
  done
  echo "g3data did not show $1: $(cat "$dir/g3data.err")" >&2
  exit 1
}

# The decoder alone, for each kind of file.
decoder() {
  case $1 in
    *.jpg) timed djpeg -dct fast -nosmooth -outfile /dev/null "$1" ;;
    *.tif) timed tiffinfo -D "$1" ;;
    *.png) timed pngtopam "$1" ;;
  esac
}

# Medians over the rounds, each round running every program on every file in turn, so that
# the load of a busy machine weighs on all alike; the processor seconds (cpu) barely feel it.
run() {
  local f r v q t c m
  local -A seen
  for ((r = 1; r <= rounds; r++)); do
    for f in "${files[@]}"; do
      read -r t c <<< "$(decoder "$dir/$f")"
      seen[$f.decoder]+="$t "
      seen[$f.decodercpu]+="$c "
      read -r v q t c m <<< "$(tracelle "$dir/$f")"
      seen[$f.view]+="$v "
      seen[$f.question]+="$q "
      seen[$f.tracelle]+="$t "
      seen[$f.tracellecpu]+="$c "
      seen[$f.tracellekb]+="$m "
      if [[ -n $have_g3data ]]; then
        read -r t c m <<< "$(g3data_open "$dir/$f")"
        seen[$f.g3data]+="$t "
        seen[$f.g3datacpu]+="$c "
        seen[$f.g3datakb]+="$m "
      fi
    done
  done
  read -r v q t c base <<< "$(tracelle "$dir/small.jpg")"
  med() { tr ' ' '\n' <<< "${seen[$1]}" | grep . | median; }
  printf '%-13s %15s %6s %6s %15s %6s %15s %6s %9s %6s\n' file "decoder (cpu)" view \
    question "idle (cpu)" ratio "g3data (cpu)" ratio "MB (g3d)" "× raw"
  for f in "${files[@]}"; do
    local d dc tc kb g="-" gc="-" gr="-" gkb="-"
    d=$(med "$f.decoder")
    dc=$(med "$f.decodercpu")
    t=$(med "$f.tracelle")
    tc=$(med "$f.tracellecpu")
    kb=$(med "$f.tracellekb")
    if [[ -n $have_g3data ]]; then
      g=$(printf '%.3f' "$(med "$f.g3data")")
      gc=$(printf '%.2f' "$(med "$f.g3datacpu")")
      gr=$(printf '%.2f' "$(echo "$t / $g" | bc -l)")
      gkb=$(($(med "$f.g3datakb") / 1024))
    fi
    printf '%-13s %7.3f (%5.2f) %6.3f %6.3f %7.3f (%5.2f) %6.2f %7s (%5s) %6s %4d (%3s) %6.2f\n' \
      "$f" "$d" "$dc" "$(med "$f.view")" "$(med "$f.question")" "$t" "$tc" \
      "$(echo "$t / $d" | bc -l)" "$g" "$gc" "$gr" "$((kb / 1024))" "$gkb" \
      "$(echo "($kb - $base) / ${raw[$f]}" | bc -l)"
  done
  echo "medians of $rounds rounds, seconds from the start; ratios: idle against the decoder and"
  echo "against g3data (its window shown); targets: the top of the JPEG on screen within 0.15 s,"
  echo "JPEG ≤ 1.1 × djpeg, TIFF ≤ 1.3 × tiffinfo -D, below g3data (ratio < 1);"
  [[ -n $have_g3data ]] || echo "g3data is not installed: its columns are left empty"
  echo "memory at most g3data's, and beyond the start-up's ($((base / 1024)) MB) ≤ 1.25 × the raw"
  echo "15-bit picture"
}

if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi
run

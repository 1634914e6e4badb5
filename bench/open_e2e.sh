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

# Seconds from start to exit of a command.
timed() {
  local s e
  s=$(now)
  "$@" > /dev/null 2>&1
  e=$(now)
  echo "$e - $s" | bc
}

# Tracelle tells when it showed the picture, asked its question (answered No at once) and fell
# idle, then ends, telling its memory: seconds from the start for the three, and the memory.
tracelle() {
  local s
  s=$(now)
  TRACELLE_OPENING_TIMES=1 "$build/src/app/tracelle" "$1" 2> "$dir/tracelle.err"
  awk -v s="$s" '$1 == "view" {v = $2 - s} $1 == "question" {q = $2 - s} $1 == "idle" {i = $2 - s}
    /VmRSS/ {m = $2} END {printf "%.3f %.3f %.3f %d\n", v, q, i, m}' "$dir/tracelle.err"
}

# g3data: until its window with the picture is on screen (it shows it once read). A start
# refused by the X server now and then ("cannot open display") is tried again.
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
      local rss
      rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
      kill "$pid"
      wait "$pid" 2> /dev/null || true
      echo "$(echo "$e - $s" | bc) $rss"
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

run() {
  declare -A sum
  local f
  for ((r = 1; r <= rounds; r++)); do
    for f in "${files[@]}"; do
      t=$(decoder "$dir/$f")
      sum[$f.decoder]=$(echo "${sum[$f.decoder]:-0} + $t" | bc)
      read -r v q t m <<< "$(tracelle "$dir/$f")"
      sum[$f.view]=$(echo "${sum[$f.view]:-0} + $v" | bc)
      sum[$f.question]=$(echo "${sum[$f.question]:-0} + $q" | bc)
      sum[$f.tracelle]=$(echo "${sum[$f.tracelle]:-0} + $t" | bc)
      sum[$f.tracellekb]=$m
      if [[ -n $have_g3data ]]; then
        read -r t m <<< "$(g3data_open "$dir/$f")"
        sum[$f.g3data]=$(echo "${sum[$f.g3data]:-0} + $t" | bc)
        sum[$f.g3datakb]=$m
      fi
    done
  done
  read -r v q t base <<< "$(tracelle "$dir/small.jpg")"
  printf '%-14s %10s %10s %10s %10s %8s %10s %8s %12s %10s\n' file decoder "first view" \
    question idle ratio g3data ratio "memory MB" "× raw"
  for f in "${files[@]}"; do
    local d v q t g="-" gr="-"
    d=$(echo "scale=3; ${sum[$f.decoder]} / $rounds" | bc)
    v=$(echo "scale=3; ${sum[$f.view]} / $rounds" | bc)
    q=$(echo "scale=3; ${sum[$f.question]} / $rounds" | bc)
    t=$(echo "scale=3; ${sum[$f.tracelle]} / $rounds" | bc)
    if [[ -n $have_g3data ]]; then
      g=$(echo "scale=3; ${sum[$f.g3data]} / $rounds" | bc)s
      gr=$(echo "scale=2; $t / ${g%s}" | bc)
    fi
    printf '%-14s %9ss %9ss %9ss %9ss %8s %10s %8s %12s %10s\n' "$f" "$d" "$v" "$q" "$t" \
      "$(echo "scale=2; $t / $d" | bc)" "$g" "$gr" \
      "$((${sum[$f.tracellekb]} / 1024))" \
      "$(echo "scale=2; (${sum[$f.tracellekb]} - $base) / ${raw[$f]}" | bc)"
  done
  echo "ratios: idle against the decoder and against g3data (first view and question are"
  echo "from the start as well); targets: the top of the JPEG on screen within 0.15 s,"
  echo "JPEG ≤ 1.5 × djpeg, TIFF ≤ 1.3 × tiffinfo -D, below g3data (ratio < 1);"
  [[ -n $have_g3data ]] || echo "g3data is not installed: its columns are left empty"
  echo "memory beyond the start-up's ($((base / 1024)) MB) ≤ 1.25 × the raw 15-bit picture"
}

if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$@"
fi
run

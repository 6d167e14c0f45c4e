# Sourced by the start-up scripts of bench/: `medir NAME COMMAND...` starts
# COMMAND $RUNS times (15 unless set) after one warm-up, each time timing it
# from exec to its first window mapped on the X server and taking its peak
# memory up to then (bench/esperar_mapa.cpp, from the release build), and
# prints "min / median / max" of both on one line.
runs=${RUNS:-15}
esperar_mapa=${ESPERAR_MAPA:-build/release/bench/esperar_mapa}

# "min / median / max" of the numbers on standard input.
resumen() { sort -g | awk '{v[NR]=$1} END {m = (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2;
    printf "%8.1f / %8.1f / %8.1f", v[1], m, v[NR]}'; }

medir() {
  local nombre=$1; shift
  "$esperar_mapa" "$@" >/dev/null  # warm-up
  local tiempos memoria
  tiempos=$(mktemp); memoria=$(mktemp)
  for _ in $(seq "$runs"); do
    read -r ms kb < <("$esperar_mapa" "$@")
    echo "$ms" >>"$tiempos"; awk -v kb="$kb" 'BEGIN {print kb / 1024}' >>"$memoria"
  done
  printf '%-22s %s ms   %s MB\n' "$nombre" "$(resumen <"$tiempos")" "$(resumen <"$memoria")"
  rm -f "$tiempos" "$memoria"
}

cabecera() {
  echo "$1, $runs runs after a warm-up (min / median / max)"
  printf '%-22s %-30s    %s\n' "" "time" "peak memory"
}

# Sourced by the benchmarks: a build of the tools, Debian's nginx serving a folder on loopback,
# and timing helpers. Expects $W (work folder) and $port to be set.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/bootstrap" >/dev/null
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
# A benchmark that needs fewer tools names them in $bench_targets before sourcing this.
cmake --build "$root/build" --target ${bench_targets:-vantorel-patch vantorel-manifest vantorel-frames vantorel-standin vantorel-cut} >/dev/null
P="${VANTOREL_PATCH:-$root/build/tools/vantorel-patch}"  # another build's, to compare
M="$root/build/tools/vantorel-manifest"
mkdir -p "$W/www"
export XDG_DATA_HOME="$W/profile/data" XDG_CACHE_HOME="$W/profile/cache"
base="http://127.0.0.1:$port"

# Serves $W/www; with an argument, logs "<status> <bytes sent>" per request to that file.
start_nginx() {
  local log="off"
  [ $# -gt 0 ] && log="$1 sent"
  cat > "$W/nginx.conf" <<CONF
worker_processes 2;
pid $W/nginx.pid;
error_log $W/nginx-error.log;
events { worker_connections 256; }
http {
  log_format sent '\$status \$bytes_sent \$http_range';
  access_log $log;
  sendfile on;
  tcp_nopush on;
  server { listen 127.0.0.1:$port; root $W/www; }
}
CONF
  nginx -c "$W/nginx.conf" -p "$W" -g 'daemon on;'
  trap 'nginx -c "$W/nginx.conf" -p "$W" -s stop 2>/dev/null || true' EXIT
  sleep 0.5
}

secs() { local s e; s=$(date +%s.%N); "$@" >/dev/null 2>&1; e=$(date +%s.%N); echo "$e - $s" | bc; }
best() { local b=999999 t; for _ in 1 2 3; do t=$(secs "$@"); b=$(echo "if ($t < $b) $t else $b" | bc); done; printf '%.3f' "$b"; }
ratio() { echo "scale=2; $1 / $2" | bc; }

# Runs a command and samples the bytes it writes (wchar of /proc/PID/io: what a downloader puts in
# its files; reads from sockets are counted differently by each tool) every 0.1 s. Prints
# "<wall s> <cpu s> <bytes> <worst bytes in any 1 s> <peak RSS KB> <seconds the bytes took>".
sampled() {
  local out="$W/sampled.$$"
  /usr/bin/time -o "$out.time" -f '%e %U %S %M' "$@" >/dev/null 2>&1 &
  local tp=$! pid=""
  for _ in $(seq 50); do pid=$(pgrep -P "$tp" | head -1); [ -n "$pid" ] && break; sleep 0.02; done
  : > "$out.samples"
  while [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; do
    r=$(sed -n 's/^wchar: //p' "/proc/$pid/io" 2>/dev/null) && echo "$(date +%s.%N) $r" >> "$out.samples"
    sleep 0.1
  done
  wait "$tp" || true
  python3 - "$out.samples" "$out.time" <<'PY'
import sys
samples = [tuple(map(float, l.split())) for l in open(sys.argv[1]) if len(l.split()) == 2]
wall, user, system, rss = open(sys.argv[2]).read().split()[-4:]
worst = 0
for i, (t, b) in enumerate(samples):
    j = i
    while j + 1 < len(samples) and samples[j + 1][0] - t <= 1.0:
        j += 1
    if samples[j][0] - t >= 0.9:
        worst = max(worst, samples[j][1] - b)
total = samples[-1][1] - samples[0][1] if samples else 0
moving = [t for (t, b), (t2, b2) in zip(samples, samples[1:]) if b2 > b]
span = (max(moving) + 0.1 - min(moving)) if moving else float(wall)
print(wall, round(float(user) + float(system), 2), int(total), int(worst), rss, round(span, 2))
PY
  rm -f "$out.samples" "$out.time"
}

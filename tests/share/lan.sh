#!/usr/bin/env bash
# Sharing game files between two computers on a private network of namespaces (see
# scripts/lan-netns): each row starts what it needs, checks, and stops it. Needs root.
# Usage: lan.sh <vantorel-patch> <vantorel-manifest> [row...]
set -uo pipefail
P="$1"; M="$2"; shift 2
failed=0
W="$(mktemp -d /tmp/vantorel-lan.XXXXXX)"
chmod 755 "$W"  # nginx reads the CDN folder as www-data
source "$(dirname "$0")/../../scripts/lan-netns"
trap 'lan_down; [ "$failed" = 0 ] && rm -rf "$W"' EXIT
trap 'exit 1' INT TERM
lan_up || { echo "FAIL: could not make the namespaces"; exit 1; }


check() {
  if eval "$2"; then echo "ok   $1"; return; fi
  echo "FAIL $1 ($2)"
  failed=1
  local f
  for f in "$W"/[ab]/*.out; do echo "--- $f"; tail -5 "$f"; done
}

# A build of $1 files of $2 bytes each (plus a few small ones) as list $3 in $W/www.
build() {
  rm -rf "$W/build" && mkdir -p "$W/build/data"
  local i
  for i in $(seq "$1"); do head -c "$2" /dev/urandom > "$W/build/data/big$i.bin"; done
  for i in $(seq 5); do echo "small $i of $3" > "$W/build/small$i.txt"; done
  rm -rf "$W/www/files" && cp -r "$W/build" "$W/www/files"
  mkdir -p "$W/www/stable"
  "$M" "$W/build" "http://$(lan_ip b):8080/files" "$W/www/stable/manifest.json" >/dev/null
}
URL="http://$(lan_ip b):8080/stable/manifest.json"

# Computer $1 serves a full install of the current build; waits until it is announced.
share_from() {
  local n="$1"; shift
  rm -rf "$W/$n/game" && cp -r "$W/build" "$W/$n/game"
  if [ "${1:-}" = --before-share-remove ]; then rm "$W/$n/game/$2"; shift 2; fi
  in_ns_exec "$n" "$P" share "$URL" "$W/$n/game" "$@" > "$W/$n/share.out" 2>&1 &
  echo $! > "$W/$n/share.pid"
  local i
  for i in $(seq 100); do grep -qs "^sharing" "$W/$n/share.out" && return 0; sleep 0.1; done
  return 1
}
stop_share() { kill -9 "$(cat "$W/$1/share.pid")" 2>/dev/null; wait "$(cat "$W/$1/share.pid")" 2>/dev/null; rm -f "$W/$1/share.pid"; }
# Computer $1 updates an empty folder (extra arguments to vantorel-patch); output in $W/$1/update.out.
update_on() {
  local n="$1"; shift
  rm -rf "$W/$n/game" "$W/$n/profile" && mkdir -p "$W/$n/game"
  : > "$W/cdn.log"
  in_ns "$n" "$P" update "$URL" "$W/$n/game" "$@" > "$W/$n/update.out" 2>&1
}
same_files() { diff -r "$W/build" "$W/$1/game" >/dev/null; }
peer_bytes() { sed -n "s/^from $(lan_ip "$2"):47610: .*(\([0-9]*\) bytes)$/\1/p" "$W/$1/update.out" | head -1; }
total_bytes() { du -sb "$W/build" | cut -f1; }
sees() { in_ns "$1" avahi-browse -rpt _vantorel._tcp 2>/dev/null | grep "^=" | grep -q "$2"; }
port_open() { in_ns "$1" bash -c "exec 3<>/dev/tcp/$2/47610" 2>/dev/null; }
log_of() { cat "$W/$1"/profile/data/*/*/logs/*.log 2>/dev/null; }

row_discovery() {
  build 2 100000 v1
  share_from a && share_from b
  check "discovery: a is announced with its list" "sees b 'vt-a.*list=$(sha256sum "$W/www/stable/manifest.json" | cut -c1-64)'"
  check "discovery: b finds a" "sees b vt-a.local"
  check "discovery: a finds b" "sees a vt-b.local"
  stop_share a
  # The launcher's own browsing, the other way round from the rows below.
  update_on a --lan
  check "discovery: a's update finds b and uses it" "grep -q '^peers: 1' '$W/a/update.out' && [ -n '$(peer_bytes a b)' ]"
  stop_share b
}

row_update_from_peer() {
  build 3 4000000 v2
  share_from a
  update_on b --lan
  check "peer: update complete" "grep -q '^complete' '$W/b/update.out'"
  check "peer: files right" "same_files b"
  check "peer: used" "grep -q '^peers: 1' '$W/b/update.out'"
  check "peer: CDN nearly idle ($(cdn_bytes) of $(total_bytes) bytes)" "[ $(cdn_bytes) -le $(( $(total_bytes) / 100 )) ]"
  check "peer: the log names the peer" "log_of b | grep -q 'bytes per origin: .*peer $(lan_ip a):47610'"
  stop_share a
}

row_peer_lacks_a_file() {
  # More files than run at once: a peer set aside by the 404 would lose the later ones.
  build 12 1000000 v10
  share_from a --before-share-remove data/big1.bin
  update_on b --lan
  check "lacks: files right" "same_files b"
  check "lacks: that file from the CDN only ($(cdn_bytes))" "[ $(cdn_bytes) -ge 1000000 ] && [ $(cdn_bytes) -lt 1010000 ]"
  check "lacks: the peer kept for the others" "[ $(peer_bytes b a) -ge 11000000 ]"
  check "lacks: no warning for it" "! log_of b | grep -q WARN"
  stop_share a
}

row_shares_while_updating() {
  build 10 1000000 v11
  # a updates slowly (its own download limit); b starts a moment later and finds a's first files.
  rm -rf "$W/a/game" "$W/a/profile" && mkdir -p "$W/a/game"
  in_ns_exec a "$P" update "$URL" "$W/a/game" --lan --limit-rate 1M > "$W/a/update.out" 2>&1 &
  local a_pid=$!
  local i
  for i in $(seq 200); do
    [ "$(find "$W/a/game/data" -name 'big*.bin' -size 1000000c 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.1
  done
  update_on b --lan
  wait $a_pid
  check "while updating: both complete" "same_files a && same_files b"
  check "while updating: b took files a had just installed" "[ -n '$(peer_bytes b a)' ] && [ $(peer_bytes b a || echo 0) -gt 0 ]"
}

row_peer_killed() {
  build 4 3000000 v3
  share_from a --limit-rate 2M
  ( sleep 2; kill -9 "$(cat "$W/a/share.pid")" ) &
  local killer=$!
  update_on b --lan
  wait $killer
  check "killed: update complete" "grep -q '^complete' '$W/b/update.out'"
  check "killed: files right" "same_files b"
  check "killed: some from the peer" "[ -n '$(peer_bytes b a)' ] && [ $(peer_bytes b a || echo 0) -gt 0 ]"
  check "killed: the rest from the CDN" "[ $(cdn_bytes) -gt 0 ]"
}

row_peer_frozen() {
  build 3 3000000 v9
  share_from a --limit-rate 2M
  # Stopped, not gone: its connections stay open and silent.
  ( sleep 1.5; kill -STOP "$(cat "$W/a/share.pid")" ) &
  local freezer=$!
  local start=$SECONDS
  update_on b --lan
  wait $freezer
  check "frozen: update complete" "grep -q '^complete' '$W/b/update.out' && same_files b"
  check "frozen: left for the CDN ($((SECONDS - start)) s)" "[ $((SECONDS - start)) -lt 30 ] && [ $(cdn_bytes) -gt 0 ]"
  stop_share a
}

row_wrong_bytes() {
  build 3 2000000 v4
  share_from a
  # Other bytes of the same size and time, after a has verified the file.
  local f="$W/a/game/data/big1.bin"
  local t; t=$(stat -c %y "$f")
  head -c 2000000 /dev/urandom > "$f"; touch -d "$t" "$f"
  update_on b --lan
  check "wrong bytes: update complete" "grep -q '^complete' '$W/b/update.out'"
  check "wrong bytes: files right" "same_files b"
  check "wrong bytes: refused and named" "log_of b | grep -q 'big1.bin failed.*(peer $(lan_ip a):47610)'"
  check "wrong bytes: set aside (one failure only)" "[ $(log_of b | grep -c 'failed.*peer') -eq 1 ]"
  stop_share a
}

row_other_list() {
  build 2 1000000 v5
  share_from a
  build 2 1000000 v6
  check "other list: a is seen" "sees b vt-a.local"
  update_on b --lan
  check "other list: files right" "same_files b"
  check "other list: peer not used" "grep -q '^peers: 0' '$W/b/update.out' && [ -z '$(peer_bytes b a)' ]"
  stop_share a
}

row_sharing_off() {
  build 2 1000000 v7
  ( sleep 1.5; port_open a "$(lan_ip b)" && echo open > "$W/b/port" || echo closed > "$W/b/port"
    sees a 'vt-b' && echo seen >> "$W/b/port" ) &
  local probe=$!
  update_on b --limit-rate 1M
  wait $probe
  check "off: update complete" "same_files b"
  check "off: port closed, nothing announced" "[ \"\$(cat '$W/b/port')\" = closed ]"
}

row_hostile() {
  build 1 3000000 v8
  share_from a
  local h; h=$(sha256sum "$W/build/data/big1.bin" | cut -c1-64)
  local base="http://$(lan_ip a):47610"
  code() { in_ns b curl -s -o /dev/null -w '%{http_code}' --max-time 5 "$@"; }
  check "hostile: a listed file is served" "[ $(code "$base/v1/sha256/$h") = 200 ]"
  check "hostile: traversal" "[ $(code --path-as-is "$base/v1/sha256/../../../../etc/passwd") = 404 ]"
  check "hostile: encoded path" "[ $(code --path-as-is "$base/v1/sha256/%2e%2e%2f%2e%2e%2fetc%2fpasswd") = 404 ]"
  check "hostile: hash not in the list" "[ $(code "$base/v1/sha256/$(echo x | sha256sum | cut -c1-64)") = 404 ]"
  check "hostile: header flood" "[ $(code -H "X-Flood: $(head -c 20000 /dev/zero | tr '\0' a)" "$base/v1/sha256/$h") = 431 ]"
  # A client from outside the local subnets (routed, not on it) is cut off.
  ip -n "$LAN-b" addr add 10.88.0.2/32 dev "${LAN}b"
  ip -n "$LAN-a" route add 10.88.0.2/32 dev "${LAN}a"
  check "hostile: client outside the subnet" "[ $(code --interface 10.88.0.2 "$base/v1/sha256/$h") = 000 ]"
  # Many connections from one client: those beyond its bound are closed at once, and another
  # client is still served.
  ip -n "$LAN-b" addr add 10.77.0.3/24 dev "${LAN}b"
  in_ns b bash -c "for i in \$(seq 40); do exec {fd}<>/dev/tcp/$(lan_ip a)/47610; done; sleep 3" 2>/dev/null &
  local flood=$!
  sleep 1
  local held; held=$(ip netns exec "$LAN-a" ss -Htn state established '( sport = :47610 )' | grep -c 10.77.0.2)
  check "hostile: many connections bounded ($held held)" "[ $held -le 8 ]"
  check "hostile: another client served meanwhile" "[ $(code --interface 10.77.0.3 "$base/v1/sha256/$h") = 200 ]"
  wait $flood
  stop_share a
}

rows=("$@")
[ ${#rows[@]} -eq 0 ] && rows=(discovery update_from_peer peer_lacks_a_file shares_while_updating peer_killed peer_frozen wrong_bytes other_list sharing_off hostile)
for r in "${rows[@]}"; do "row_$r"; done
exit $failed

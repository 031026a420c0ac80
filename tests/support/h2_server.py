#!/usr/bin/python3
"""A small HTTP/2-over-TLS file server that misbehaves on purpose, for tests.

  h2_server.py --root DIR --cert PEM --key PEM --log FILE [--fault KIND:BYTES] [--times N] [--gzip]

Serves files under DIR with single ranges, an ETag and If-Range. The first N (default 1) whole or
ranged GETs of a file meet the fault after BYTES body bytes:
  reset   RST_STREAM (INTERNAL_ERROR) on that stream, connection kept
  goaway  GOAWAY, then the connection is closed
  close   the TCP connection is closed without a word
With --gzip, whole bodies go gzip-encoded to clients that accept it (BYTES then counts the
encoded bytes). Prints "port <n>" once listening; logs one JSON line per request: path, range, status, fault.
"""
import argparse, gzip, hashlib, json, os, socket, ssl, threading

import h2.config, h2.connection, h2.events, h2.errors, h2.exceptions

args = None
lock = threading.Lock()
faults_left = {}


def log(entry):
    with lock, open(args.log, "a") as f:
        f.write(json.dumps(entry) + "\n")


def take_fault(path):
    if not args.fault:
        return None
    with lock:
        left = faults_left.setdefault(path, args.times)
        if left <= 0:
            return None
        faults_left[path] = left - 1
    kind, at = args.fault.split(":")
    return kind, int(at)


def answer(headers):
    method = headers.get(":method", "GET")
    path = headers.get(":path", "/").split("?")[0]
    full = os.path.realpath(os.path.join(args.root, path.lstrip("/")))
    if not full.startswith(os.path.realpath(args.root)) or not os.path.isfile(full):
        return path, 404, [], b"not found"
    data = open(full, "rb").read()
    etag = '"%s"' % hashlib.sha1(data).hexdigest()[:16]
    status, body, extra = 200, data, []
    rng = headers.get("range", "")
    if_range = headers.get("if-range")
    if rng.startswith("bytes=") and (if_range is None or if_range == etag):
        first, _, last = rng[6:].partition("-")
        first = int(first)
        last = int(last) if last else len(data) - 1
        if first >= len(data):
            return path, 416, [("content-range", "bytes */%d" % len(data))], b""
        last = min(last, len(data) - 1)
        status, body = 206, data[first:last + 1]
        extra = [("content-range", "bytes %d-%d/%d" % (first, last, len(data)))]
    if args.gzip and status == 200 and "gzip" in headers.get("accept-encoding", ""):
        body = gzip.compress(body)
        extra = [("content-encoding", "gzip")]
    if method == "HEAD":
        body = b""
    return path, status, [("etag", etag), ("accept-ranges", "bytes")] + extra, body


def hang_up(sock):
    """Ends the connection after what was sent, without a TLS close: a FIN, then whatever the
    client still sends is read and dropped (closing with unread input would reset the
    connection, and the client's kernel would drop body bytes it has not read yet)."""
    try:
        sock.shutdown(socket.SHUT_WR)
        sock.settimeout(3)
        while sock.recv(65536):
            pass
    except OSError:
        pass


def serve(sock):
    conn = h2.connection.H2Connection(h2.config.H2Configuration(client_side=False))
    conn.initiate_connection()
    sock.sendall(conn.data_to_send())
    pending = {}  # stream id -> [body, offset, fault]
    try:
        while True:
            progressed = False
            for sid in list(pending):
                body, offset, fault = pending[sid]
                limit = len(body) if fault is None else min(len(body), fault[1])
                while offset < limit:
                    window = min(conn.local_flow_control_window(sid), conn.max_outbound_frame_size)
                    if window <= 0:
                        break
                    chunk = body[offset:min(limit, offset + window)]
                    conn.send_data(sid, chunk)
                    offset += len(chunk)
                    progressed = True
                pending[sid][1] = offset
                if offset >= limit:
                    del pending[sid]
                    if fault is None:
                        conn.end_stream(sid)
                    elif fault[0] == "reset":
                        conn.reset_stream(sid, h2.errors.ErrorCodes.INTERNAL_ERROR)
                    elif fault[0] == "goaway":
                        conn.close_connection(h2.errors.ErrorCodes.NO_ERROR, last_stream_id=sid)
                        sock.sendall(conn.data_to_send())
                        hang_up(sock)
                        return
                    elif fault[0] == "close":
                        sock.sendall(conn.data_to_send())
                        hang_up(sock)
                        return
            out = conn.data_to_send()
            if out:
                sock.sendall(out)
            if progressed and pending:
                continue
            data = sock.recv(65536)
            if not data:
                return
            for event in conn.receive_data(data):
                if isinstance(event, h2.events.RequestReceived):
                    headers = {k.decode() if isinstance(k, bytes) else k: v.decode() if isinstance(v, bytes) else v
                               for k, v in event.headers}
                    path, status, extra, body = answer(headers)
                    fault = take_fault(path) if status in (200, 206) else None
                    log({"path": path, "range": headers.get("range", ""), "status": status,
                         "fault": fault[0] if fault else ""})
                    conn.send_headers(event.stream_id, [(":status", str(status)),
                                                        ("content-length", str(len(body)))] + extra,
                                      end_stream=not body)
                    if body:
                        pending[event.stream_id] = [body, 0, fault]
                elif isinstance(event, h2.events.StreamReset):
                    pending.pop(event.stream_id, None)
                elif isinstance(event, h2.events.ConnectionTerminated):
                    return
    except (OSError, ssl.SSLError, h2.exceptions.ProtocolError):
        pass
    finally:
        try:
            sock.close()
        except OSError:
            pass


def main():
    global args
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--cert", required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--fault", default="")
    parser.add_argument("--times", type=int, default=1)
    parser.add_argument("--gzip", action="store_true")
    args = parser.parse_args()
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(args.cert, args.key)
    context.set_alpn_protocols(["h2"])
    listener = socket.socket()
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 0))
    listener.listen(16)
    print("port %d" % listener.getsockname()[1], flush=True)
    while True:
        raw, _ = listener.accept()
        try:
            tls = context.wrap_socket(raw, server_side=True)
        except (OSError, ssl.SSLError):
            raw.close()
            continue
        threading.Thread(target=serve, args=(tls,), daemon=True).start()


if __name__ == "__main__":
    main()

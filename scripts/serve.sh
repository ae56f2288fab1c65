#!/usr/bin/env bash
# Serves server/ (the maker's static site: chk.rar, qvd/set.rar, gg.asp) on
# 127.0.0.1, for a build configured with -DLUMTAR_SITE_URL=http://127.0.0.1:PORT.
# Port: $LUMTAR_SERVE_PORT, default 8000.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
port="${LUMTAR_SERVE_PORT:-8000}"

if [[ ! -f "$root/server/qvd/set.rar" || ! -f "$root/server/chk.rar" ]]; then
    python3 "$root/scripts/make-site-settings.py"
fi

echo "Serving $root/server at http://127.0.0.1:$port (Ctrl-C stops)"
cd "$root/server"
exec python3 -m http.server --bind 127.0.0.1 "$port"

#!/usr/bin/env bash
# Starts the program. Without a display it runs on Qt's VNC platform and says
# where to connect, instead of failing for want of a screen.
set -euo pipefail
program=${1:?program}
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" || "$(uname)" != Linux ]]; then
  exec "$program"
fi
if [[ -n "${QT_QPA_PLATFORM:-}" ]]; then
  exec "$program"
fi
port=${LUMTAR_VNC_PORT:-5900}
echo "No display found: starting Lumtar on Qt's VNC platform."
echo "Connect a VNC viewer to 127.0.0.1:${port} to use it (Ctrl-C here to stop)."
exec env QT_QPA_PLATFORM="vnc:size=700x500:port=${port}" "$program"

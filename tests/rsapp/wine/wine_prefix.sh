#!/bin/sh
# The one Wine prefix of a test run. `start PREFIX` makes it when missing (wineboot is slow)
# and keeps a wine server up for the cases; `stop PREFIX` ends that server.
set -eu
export WINEPREFIX="$2" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
PATH="/usr/lib/wine:$PATH"
case "$1" in
start)
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wine64 wineboot -i >/dev/null 2>&1
    # Windows without a display: Wine's null graphics driver, read when the server starts anew.
    wine64 reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wineserver -w
  fi
  wineserver -p </dev/null >/dev/null 2>&1
  # Wine's own services start with the first program of a session and live on with the
  # server; started here, they hold no test's output open.
  wine64 cmd.exe /c exit </dev/null >/dev/null 2>&1
  ;;
stop)
  wineserver -k </dev/null >/dev/null 2>&1 || true
  ;;
esac

# Sourced by scripts that need an X server of their own.
# start_xvfb starts Xvfb on the first free display from :90 on (with -noreset:
# a server that resets when its last client leaves refuses the next test's
# connection while it does), exports
# DISPLAY and leaves the server's pid in xvfb_pid; the caller stops it. An
# argument sets the screen (default 1280x1024x24).

xvfb_pid=

start_xvfb() {
  local n screen=${1:-1280x1024x24}
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "$screen" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then export DISPLAY=":$n"; return 0; fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

#!/bin/sh
# with_atspi_bus.sh COMMAND [ARG...]
# Runs COMMAND on a session bus of its own with the accessibility bus
# already up, as on a desktop where a screen reader runs: Qt's AT-SPI bridge
# connects to that bus when it is there and waits for it otherwise.
exec dbus-run-session -- sh -c '
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    { echo "the accessibility bus did not start" >&2; exit 1; }
  exec "$@"' with_atspi_bus "$@"

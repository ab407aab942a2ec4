# Sourced: makes sure there is an X display; starts a private Xvfb when there is none.
# Sets qlmr_xvfb_pid when it started one.
qlmr_xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 130); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        qlmr_xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
        break
    done
fi

# Sourced by the scripts that need a display of their own (the end-to-end
# test, the benchmarks). start_xvfb DIR [WxH] starts Xvfb (1024x768 unless
# given) on a free display, sets
# xvfb (its pid) and xvfb_display (":N") once it accepts clients; the caller
# kills $xvfb when done.
start_xvfb() {
  : >"$1/display"
  Xvfb -displayfd 3 -screen 0 ${2:-1024x768}x24 -nolisten tcp 3>"$1/display" >"$1/xvfb.log" 2>&1 &
  xvfb=$!
  _tries=0
  until [ -s "$1/display" ]; do
    _tries=$((_tries + 1))
    if [ "$_tries" -gt 300 ] || ! kill -0 "$xvfb" 2>/dev/null; then
      cat "$1/xvfb.log"; echo "Xvfb did not start"; exit 1
    fi
    sleep 0.1
  done
  xvfb_display=:$(head -n 1 "$1/display")
}

# Sanitizer settings for the game and the unit tests built with TREZALIA_ASAN
# (`make asan` sources this): every report goes to standard error and ends
# the program with status 86, so no test can mistake it for a normal exit (0)
# or a media error (1). KEEP_MODULES names the built keep_modules.so.
SUPP_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ASAN_OPTIONS="detect_leaks=1:exitcode=86:halt_on_error=1:strict_string_checks=1:check_initialization_order=1:detect_stack_use_after_return=1:verify_asan_link_order=0"
export LSAN_OPTIONS="suppressions=$SUPP_DIR/lsan.supp:print_suppressions=0:exitcode=86"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=86"
if [ -n "${KEEP_MODULES:-}" ] && [ -f "$KEEP_MODULES" ]; then
  export LD_PRELOAD="$KEEP_MODULES${LD_PRELOAD:+:$LD_PRELOAD}"
fi

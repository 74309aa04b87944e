# Sanitizer options for the tests and fuzz targets; sourced. Every report
# stops the program with a failure. The one leak suppressed is inside libdbus,
# which the platform plugins load and which keeps its allocations to the end.
repo="${repo:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$repo/scripts/lsan.supp:print_suppressions=0"

#!/usr/bin/env bash
# Builds the threaded tests with the thread sanitizer into ./build-tsan and runs
# them with tests/tsan.supp. Any report not suppressed there fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The programs whose threads meet: the link and its jobs, the controller
# session and its operations, direct commands, the monitor, the window's
# operation tests, and krxctl (which the CLI tests start as its own process).
tests=(
  device_tst_treaddata device_tst_qt_serial_link device_tst_transfer_protocol
  device_tst_config_operations device_tst_controller_session device_tst_direct_commands
  device_tst_fault_matrix device_tst_status_sink
  sim_tst_sim_controller sim_tst_pty_end_to_end
  monitor_tst_monitor_with_sim
  app_tst_monitor_presenter app_tst_operation_controller app_tst_direct_command_controller
  app_tst_configurator_window app_tst_compare_view app_tst_window_end_to_end app_tst_window_fault_matrix
  cli_tst_krxctl cli_tst_krxctl_end_to_end cli_tst_krxctl_faults cli_tst_krxctl_text
)
flags="-O1 -fsanitize=thread -fno-omit-frame-pointer"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=None -DKRX_BENCH=OFF -DCMAKE_CXX_FLAGS="$flags" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" >/dev/null
cmake --build build-tsan -j"$(nproc)" --target "${tests[@]}" krxctl krx-sim
cd build-tsan
# - ignore_noninstrumented_modules: Qt's own libraries are not built for the
#   sanitizer; what they do inside themselves is not checked (see
#   tests/tsan.supp).
# - die_after_fork=0: a child forked by a test may start a thread before it
#   execs; the sanitizer would kill it and leave the test waiting.
# - halt_on_error: a program stops at its first report not suppressed, and
#   the exit code fails its test.
export TSAN_OPTIONS="suppressions=$PWD/../tests/tsan.supp:ignore_noninstrumented_modules=1:die_after_fork=0:halt_on_error=1:exitcode=66:second_deadlock_stack=1:report_signal_unsafe=0"
regex="^($(IFS='|'; echo "${tests[*]}"))\$"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 900 -R "$regex"

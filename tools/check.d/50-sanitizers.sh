# Sourced by "tools/dev check" after the test suite: the whole test suite once more, built with
# AddressSanitizer and UndefinedBehaviorSanitizer (tools/asan-test).
# A failure ends the test command with a non-zero status.
echo "==> sanitizer suite: tools/asan-test (build-asan, ASan + UBSan, every test)"
if ! "$here/tools/asan-test"; then
  echo "==> sanitizer suite FAILED" >&2
  exit 1
fi
echo "==> sanitizer suite passed"

# Sourced by "tools/dev check" after the test suite: every libFuzzer target for a bounded time
# (FUZZ_SECONDS, 30 s each by default) on its seeds (tools/fuzz-run).
# A crash, failed property, leak, timeout or sanitizer report ends the test
# command with a non-zero status.
echo "==> bounded fuzz runs: tools/fuzz-run ${FUZZ_SECONDS:-30} (build-fuzz, clang libFuzzer)"
if ! "$here/tools/fuzz-run" "${FUZZ_SECONDS:-30}"; then
  echo "==> bounded fuzz runs FAILED" >&2
  exit 1
fi
echo "==> bounded fuzz runs passed"

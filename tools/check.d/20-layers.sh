# Sourced by "tools/dev check" after the test suite: every include of the
# product code follows the layer order of the build (tools/check-layers).
echo "==> layer order: tools/check-layers"
if ! "$here/tools/check-layers" "$here"; then
  echo "==> layer order FAILED" >&2
  exit 1
fi

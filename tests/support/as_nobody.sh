#!/bin/sh
# Runs the tests named PermissionsTest.* in the given test programs where file permissions count:
# as the user nobody when started as root (root reads and writes past them), else as the caller.
# Exits 77, which CTest reports as skipped, where that cannot be arranged.
set -eu
folder=$(mktemp -d)
trap 'chmod -R u+rwX "$folder"; rm -rf "$folder"' EXIT
chmod 755 "$folder"
printf '&B11111111\r\n' >"$folder/unreadable.bas"
chmod 000 "$folder/unreadable.bas"
mkdir "$folder/read-only"
chmod 555 "$folder/read-only"
run=""
if [ "$(id -u)" -eq 0 ]; then
  if ! command -v setpriv >/dev/null 2>&1 ||
    ! setpriv --reuid=nobody --regid=nogroup --clear-groups true 2>/dev/null; then
    echo "cannot switch to the user nobody (setpriv): permission tests skipped"
    exit 77
  fi
  run="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi
# The programs' own runs write any GoogleTest report; these runs answer by their exit status.
unset GTEST_OUTPUT
for program in "$@"; do
  GLYPHGRID_PERMISSIONS_FOLDER=$folder HOME=$folder XDG_RUNTIME_DIR= \
    $run "$program" --gtest_filter='PermissionsTest.*'
done

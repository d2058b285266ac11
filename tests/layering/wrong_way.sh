#!/usr/bin/env bash
# Builds the layering probes in the build folder given: the control must
# compile, and each wrong-way include must fail because the header is not
# reachable from its layer (not for any other reason).
set -uo pipefail
build=$1
status=0
if ! out=$(cmake --build "$build" --target layering_control 2>&1); then
  echo "the control probe did not compile:"; echo "$out"; exit 1
fi
echo "control: an include of a lower layer compiles"
for probe in core_includes_widgets:widgets/fonts.h board_includes_files:files/frmfiles.h \
             catalogue_includes_core:core/cells.h core_includes_qt:QString; do
  target=layering_${probe%%:*}
  header=${probe#*:}
  if out=$(cmake --build "$build" --target "$target" 2>&1); then
    echo "FAIL: $target compiled, so $header is reachable from a lower layer"; status=1
  elif grep -q "$header: No such file or directory" <<<"$out"; then
    echo "$target: fails as it must ($header: No such file or directory)"
  else
    echo "FAIL: $target failed for another reason:"; echo "$out"; status=1
  fi
done
exit $status

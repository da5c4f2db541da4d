# Sourced by the check scripts: report PASS|FAIL text prints one result and counts it in
# $checked and $failed.
checked=0
failed=0
report() {
  echo "$1 $2"
  checked=$((checked + 1))
  [ "$1" = PASS ] || failed=$((failed + 1))
}

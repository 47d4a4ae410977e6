# Sourced by the self-tests of the tree checks: reports one case and marks the
# run failed when the check's exit status (or, if given, its message) is not
# what the case expects.
#   report NAME GOT WANT OUTFILE [TEXT THE MESSAGE MUST HOLD]
status=0
report() {
  local name=$1 got=$2 want=$3 out=$4 says=${5:-}
  if [ "$got" -ne "$want" ] || { [ -n "$says" ] && ! grep -qF -- "$says" "$out"; }; then
    echo "FAIL $name: exit $got, expected $want${says:+ with \"$says\"}"
    cat "$out"
    status=1
  else
    echo "ok   $name"
  fi
}

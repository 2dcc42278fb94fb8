# Sourced by the run and test scripts: one step at a time, each timed, none failing in silence.
#   vq_step NAME COMMAND...   runs COMMAND with its output shown and kept; if it fails, names
#                             the step and repeats its first error lines. Returns its status.
vq_step_log=$(mktemp "${TMPDIR:-/tmp}/vq-step.XXXXXX")
trap 'rm -f "$vq_step_log"' EXIT
vq_step() {
  local name=$1 started=$SECONDS rc
  shift
  set +e
  "$@" 2>&1 | tee "$vq_step_log"
  rc=${PIPESTATUS[0]}
  set -e
  if [ "$rc" -ne 0 ]; then
    echo "${vq_script_name:-step}: step '$name' failed (exit status $rc); its first error lines:" >&2
    { grep -E -i '(^|[^a-z])(error|failed|fatal|cannot|not found|refused)' "$vq_step_log" || tail -n 20 "$vq_step_log"; } \
      | head -n 20 | sed 's/^/    /' >&2
  else
    echo "${vq_script_name:-step}: $name took $((SECONDS - started)) s"
  fi
  return "$rc"
}

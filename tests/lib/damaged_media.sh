# Runs a table of damaged media copies through a check: each case names a
# damage (Python run in a copy of the listed media files) and a text that the
# check's failure output must contain. Needs: cases, files, check, py, tmp.
# Returns 1 when a case is not caught or caught for another reason.
run_damaged_cases() {
  local prefix=$1 fail=0 c name mutate want out
  for c in "${cases[@]}"; do
    IFS='|' read -r name mutate want <<<"$c"
    rm -rf "$tmp/m"; mkdir "$tmp/m"
    for f in "${files[@]}"; do cp "media/$f" "$tmp/m/"; done
    (cd "$tmp/m" && $py -c "$mutate") || { echo "case '$name': fixture failed" >&2; fail=1; continue; }
    out=$($check "$tmp/m" 2>&1) && { echo "case '$name': not caught" >&2; fail=1; continue; }
    grep -qF -- "$prefix$want" <<<"$out" || { echo "case '$name': expected '$prefix$want', got:" >&2; grep -F "${prefix:-FAIL}" <<<"$out" >&2 || echo "$out" >&2; fail=1; }
  done
  return $fail
}

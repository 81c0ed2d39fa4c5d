#!/usr/bin/env bash
# The layering of the source tree, read from the #include lines of every
# source: each rule names a folder and what its sources must not include.
# Usage: check_layers.sh SOURCE_ROOT. Prints each breach with the file, the
# line and the rule; exits 1 when there is one.
set -euo pipefail
root=${1:?source root}
cd "$root"

programs="corvanta/ pellinova/ tessarel/"
# folder | what it must not include | why
rules="
core/ | platform/gui/ coregui/ net/ fsctl/ desktop/ $programs | the core needs no window and knows no layer above it
coregui/ | desktop/ $programs | the core's windows serve every program alike
net/ | desktop/ $programs | the network library serves every program alike
fsctl/ | desktop/ $programs | the list controls serve every program alike
platform/ | core/ coregui/ net/ fsctl/ desktop/ $programs | the class library never knows the application
platform/base/ | platform/gui/ | the non-window half of the class library stands alone
desktop/ | $programs | the shared desktop layer knows no program
"
# No program folder includes another: what they share is in desktop/.
rules+="
corvanta/ | pellinova/ tessarel/ | no program folder includes another
pellinova/ | corvanta/ tessarel/ | no program folder includes another
tessarel/ | corvanta/ pellinova/ | no program folder includes another
"

# Every source but the build folders', the tests' and the benchmarks' (they
# may reach into any layer).
sources=$(find . \( -path ./build\* -o -path ./.git -o -path ./tests -o -path ./bench -o -path ./fuzz \) -prune \
  -o -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.rc' -o -name '*.def' \) -print | sed 's#^\./##' | sort)
[ -n "$sources" ] || { echo "no sources below $root"; exit 1; }

# Each include line as FILE:LINE:TEXT; the windows.h rule of core/ follows
# quoted includes from file to file, since a header of platform/base/ may
# bring windows.h along.
# shellcheck disable=SC2086
grep -HnE '^[[:space:]]*#[[:space:]]*include' $sources | awk -v rules="$rules" '
function dirname(p,   i) { i = match(p, /[^\/]*$/); return substr(p, 1, i - 1) }
function resolve(from, inc) {
  if (inc in known) return inc
  if ((dirname(from) inc) in known) return dirname(from) inc
  return ""
}
# The first file below f (f included) that includes a Win32 header, with the
# way to it; "" when there is none.
function windowed(f, path,   i, n, r) {
  if (f in seen) return ""
  seen[f] = 1
  if (f in win32) return path f " (" win32[f] ")"
  n = count[f]
  for (i = 1; i <= n; i++) {
    r = windowed(incs[f, i], path f " -> ")
    if (r != "") return r
  }
  return ""
}
BEGIN {
  nr = split(rules, lines, "\n")
  for (i = 1; i <= nr; i++) {
    if (lines[i] !~ /\|/) continue
    split(lines[i], part, "|")
    gsub(/^ +| +$/, "", part[1]); gsub(/^ +| +$/, "", part[3])
    ++nrules; folder[nrules] = part[1]; forbidden[nrules] = part[2]; why[nrules] = part[3]
  }
  # Headers of the Windows SDK: each of them needs windows.h.
  split("windows.h windowsx.h winsock.h winsock2.h ws2tcpip.h commctrl.h commdlg.h shellapi.h shlobj.h " \
        "shlwapi.h ole2.h oleauto.h objbase.h ddeml.h psapi.h wininet.h richedit.h mmsystem.h", w, " ")
  for (i in w) win32header[w[i]] = 1
}
{
  file = $0; sub(/:.*/, "", file)
  rest = substr($0, length(file) + 2)
  line = rest; sub(/:.*/, "", line)
  text = substr(rest, length(line) + 2)
  known[file] = 1
  n = ++nlines
  lfile[n] = file; lline[n] = line; ltext[n] = text
}
END {
  for (n = 1; n <= nlines; n++) {
    f = lfile[n]; t = ltext[n]
    if (match(t, /"[^"]+"/)) {
      inc = substr(t, RSTART + 1, RLENGTH - 2)
      quoted[n] = inc
      r = resolve(f, inc)
      if (r != "") incs[f, ++count[f]] = r
    } else if (match(t, /<[^>]+>/)) {
      h = tolower(substr(t, RSTART + 1, RLENGTH - 2))
      if (h in win32header && !(f in win32)) win32[f] = h " at line " lline[n]
    }
  }
  bad = 0
  for (n = 1; n <= nlines; n++) {
    if (!(n in quoted)) continue
    f = lfile[n]; inc = quoted[n]
    for (i = 1; i <= nrules; i++) {
      if (index(f, folder[i]) != 1) continue
      k = split(forbidden[i], deny, " ")
      for (j = 1; j <= k; j++) {
        if (deny[j] != "" && index(inc, deny[j]) == 1) {
          printf "%s:%s: includes \"%s\": %s\n", f, lline[n], inc, why[i]
          bad = 1
        }
      }
    }
  }
  # core/ compiles without windows.h, also through what it includes.
  for (f in known) {
    if (index(f, "core/") != 1) continue
    delete seen
    r = windowed(f, "")
    if (r != "") { printf "%s: brings in a Win32 header: %s\n", f, r; bad = 1 }
  }
  exit bad
}'

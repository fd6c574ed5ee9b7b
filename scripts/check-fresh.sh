#!/usr/bin/env bash
# Fails when something the build or the scripts use outside this checkout
# (a tool, font, header, library or other file) comes from a Debian package
# that scripts/setup.sh does not install and that a minimal Debian system
# (the packages of priority "required") lacks. Such a thing works here only
# because it happens to be installed, and breaks the first run on a fresh
# machine. Runs in a second or two; scripts/test.sh runs it after building.
#
# Looked at: the commands the scripts run; absolute paths written in the
# scripts, the CMake files and the tests' and benchmarks' sources (a folder
# counts with the files in it); font files named in the scripts; and, for
# every configured build folder, the tools in its CMake cache, the files its
# build rules name, the headers its compilations read (Ninja's dependency
# log) and the libraries it links with -l. Whatever belongs to no package
# counts as installed by hand and fails too; /etc, /var, /tmp, the user's
# home and this checkout are not looked at.
#
# The allowed packages are the set-up's list and the required ones, with
# everything they depend on (Depends, Pre-Depends) as installed here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$GK_ROOT"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- The allowed packages ---------------------------------------------------
"$GK_ROOT/scripts/setup.sh" --packages > "$work/listed"
dpkg-query -W -f='${db:Status-Abbrev}\t${Package}\t${Priority}\t${Essential}\t${Provides}\t${Pre-Depends}, ${Depends}\n' \
    > "$work/installed"
awk -F'\t' -v listed="$work/listed" -v missing="$work/not-installed" '
    function bare(dep) {   # "libc6:any (>= 2.34)" -> "libc6"
        sub(/\(.*/, "", dep); gsub(/[ \t]/, "", dep); sub(/:.*/, "", dep); return dep
    }
    function take(p) { if (!(p in allowed)) { allowed[p] = 1; queue[++tail] = p } }
    $1 ~ /^.i/ {
        installed[$2] = 1; deps[$2] = $6
        if ($3 == "required" || $4 == "yes") seed[$2] = 1
        n = split($5, prov, ",")
        for (i = 1; i <= n; i++) { v = bare(prov[i]); if (v != "" && !(v in provider)) provider[v] = $2 }
    }
    END {
        while ((getline p < listed) > 0) {
            if (p in installed) take(p); else print p > missing
        }
        for (p in seed) take(p)
        for (head = 1; head <= tail; head++) {
            n = split(deps[queue[head]], clause, ",")
            for (i = 1; i <= n; i++) {
                m = split(clause[i], alt, "|")
                for (j = 1; j <= m; j++) {   # the first alternative that is installed
                    d = bare(alt[j])
                    if (d == "") continue
                    if (d in installed) { take(d); break }
                    if (d in provider) { take(provider[d]); break }
                }
            }
        }
        for (p in allowed) print p
    }' "$work/installed" | sort > "$work/allowed"
if [ -s "$work/not-installed" ]; then
    echo "check-fresh: setup.sh lists packages that are not installed (run scripts/setup.sh):" >&2
    sed 's/^/    /' "$work/not-installed" >&2
    exit 1
fi

# --- What is used -------------------------------------------------------------
# Every shell script of the checkout (the set-up's, the tests', the
# benchmarks'); this one is left out: its patterns would read as commands.
scripts=(.ci/run)
mapfile -t -O 1 scripts < <(git ls-files '*.sh' | grep -vx scripts/check-fresh.sh)
sources=(CMakePresets.json)
mapfile -t -O 1 sources < <(git ls-files '*CMakeLists.txt' '*.cmake' 'tests/*' 'bench/*' 'fuzz/*.cpp' 'fuzz/*.h')

# A file without its comments: a path a comment mentions is not used.
code_of() {
    case "$1" in
        *.cpp | *.h) sed -e 's://.*$::' "$1" ;;
        *.sh | *.cmake | *CMakeLists.txt | .ci/run) sed -e 's/^[[:space:]]*#.*//' -e 's/[[:space:]]#.*//' "$1" ;;
        *) cat "$1" ;;
    esac
}

# The command words of the scripts: the first word of every pipeline part,
# after keywords, wrappers and variable assignments.
sed -e 's/^[[:space:]]*#.*//' -e 's/[[:space:]]#.*//' "${scripts[@]}" |
    sed -e 's/\$(/\n/g; s/`/\n/g; s/&&/\n/g; s/||/\n/g; s/[|;(]/\n/g' |
    awk '{
        while (NF && ($1 ~ /^(if|then|do|else|elif|while|until|!|exec|command|time|as_root|env|\{)$/ ||
                      $1 ~ /^[A-Za-z_][A-Za-z0-9_]*=/)) { $1 = ""; $0 = $0 }
        if (NF && $1 ~ /^[A-Za-z0-9][A-Za-z0-9._+-]*$/) print $1
    }' | sort -u > "$work/words"
while read -r word; do
    # sudo serves only a user who is not root; the fresh machine is set up as root.
    [ "$word" = sudo ] && continue
    if [ "$(type -t "$word")" = file ]; then type -P "$word"; fi
done < "$work/words" > "$work/used"

# Absolute paths written in the scripts and sources; a folder with its files.
for f in "${scripts[@]}" "${sources[@]}"; do [ -f "$f" ] && code_of "$f"; done |
    grep -ohE '(^|[^A-Za-z0-9_.$/-])/(usr|opt|lib|lib64|bin|sbin)/[A-Za-z0-9._+/@-]+' | sed 's/^[^/]*//; s:/*$::' | sort -u |
    while read -r path; do
        if [ -d "$path" ]; then find "$path" \( -type f -o -type l \); elif [ -e "$path" ]; then echo "$path"; fi || true
    done >> "$work/used"

# Font files named in the scripts, wherever they are installed.
grep -ohE '[A-Za-z0-9_.-]+\.(ttc|ttf|otf)' "${scripts[@]}" | sort -u | while read -r font; do
    dpkg -S "*/$font" 2>/dev/null | sed 's/^[^:]*: //' | head -n1
done >> "$work/used"

# Each configured build folder.
for cache in build/*/CMakeCache.txt build/*/host-tools/CMakeCache.txt; do
    [ -f "$cache" ] || continue
    dir=$(dirname "$cache")
    sed -n 's/^[A-Za-z_]*:\(FILEPATH\|INTERNAL\)=\(\/.*\)$/\2/p' "$cache" | grep -E '^/(usr|opt|lib|bin|sbin)/' \
        | while read -r path; do [ -f "$path" ] && echo "$path"; done >> "$work/used" || true
    for ninja in "$dir/build.ninja" "$dir/CMakeFiles/rules.ninja"; do
        [ -f "$ninja" ] && grep -ohE '(^|[^A-Za-z0-9_.$/-])/(usr|opt|lib|lib64|bin|sbin)/[A-Za-z0-9._+/-]+' "$ninja" \
            | sed 's/^[^/]*//' | sort -u | while read -r path; do [ -f "$path" ] && echo "$path"; done >> "$work/used" || true
    done
    if [ -f "$dir/.ninja_deps" ]; then
        ninja -C "$dir" -t deps 2>/dev/null | sed -n 's/^ *\(\/[^ ]*\)$/\1/p' \
            | grep -Ev "^($GK_ROOT|$HOME|/tmp)/" | sort -u >> "$work/used" || true
    fi
    compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$cache")
    [ -n "$compiler" ] && [ -f "$dir/build.ninja" ] || continue
    { grep -ohE '(^| )-l[A-Za-z0-9_+.-]+' "$dir/build.ninja" || true; } | sed 's/^ *-l//' | sort -u | while read -r lib; do
        for name in "lib$lib.so" "lib$lib.a"; do
            found=$("$compiler" -print-file-name="$name" 2>/dev/null || true)
            if [ "${found#/}" != "$found" ] && [ -e "$found" ]; then echo "$found"; break; fi
        done
    done >> "$work/used"
done

grep -Ev "^($GK_ROOT|$HOME|/tmp|/etc|/var|/proc|/sys|/dev|/run)(/|$)" "$work/used" | sort -u > "$work/paths"

# --- Who owns it ----------------------------------------------------------------
# dpkg knows a file by the path its package ships; with merged /usr the same
# file is also /bin/x = /usr/bin/x, and links lead to the real file.
owners() {  # reads paths, writes "path<TAB>package, package"
    tr '\n' '\0' | xargs -0 -r dpkg-query -S 2>/dev/null |
        awk '!/^diversion by/ { i = index($0, ": "); print substr($0, i + 2) "\t" substr($0, 1, i - 1) }' || true
}
owners < "$work/paths" > "$work/owned"
cut -f1 "$work/owned" | sort -u > "$work/found"
comm -23 "$work/paths" "$work/found" > "$work/unfound"
while read -r path; do   # the other names of each file not found, in order of preference
    for other in "$(readlink -f "$path")" "/usr$path" "${path#/usr}"; do
        [ "$other" != "$path" ] && printf '%s\t%s\n' "$path" "$other"
    done
done < "$work/unfound" > "$work/aliases"
cut -f2 "$work/aliases" | sort -u | owners > "$work/alias-owners"
awk -F'\t' -v owners="$work/alias-owners" '
    BEGIN { while ((getline line < owners) > 0) { split(line, f, "\t"); if (!(f[1] in pkg)) pkg[f[1]] = f[2] } }
    { order[++n] = $1 } !($1 in result) && ($2 in pkg) { result[$1] = pkg[$2] }
    END { for (i = 1; i <= n; i++) { p = order[i]; if (p in done) continue; done[p] = 1
          print p "\t" ((p in result) ? result[p] : "-") } }' "$work/aliases" >> "$work/owned"

awk -F'\t' -v allowed="$work/allowed" '
    BEGIN { while ((getline p < allowed) > 0) ok[p] = 1 }
    {
        files++
        n = split($2, pkgs, ", ")
        good = 0
        for (i = 1; i <= n; i++) { sub(/:.*/, "", pkgs[i]); if (pkgs[i] in ok) { good = 1; used[pkgs[i]] = 1 } }
        if (good) next
        bad++
        key = ($2 == "-") ? "no package (installed by hand?)" : "package " $2 ", which setup.sh does not install"
        if (!(key in count)) keys[++nkeys] = key
        if (++count[key] <= 3) example[key] = example[key] "\n        " $1
    }
    END {
        for (p in used) npkg++
        if (bad) {
            for (k = 1; k <= nkeys; k++) {
                key = keys[k]
                print "    " count[key] " file(s) from " key ", e.g." example[key]
            }
            print "check-fresh: " bad " of " files " files used come from outside setup.sh'"'"'s packages"
            exit 1
        }
        print "check-fresh: " files " files used, from " npkg " packages that setup.sh installs or a minimal Debian system has"
    }' "$work/owned" > "$work/report" && status=0 || status=$?
if [ "$status" -ne 0 ]; then
    cat "$work/report" >&2
    exit 1
fi
cat "$work/report"

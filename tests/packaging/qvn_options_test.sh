#!/usr/bin/env bash
# The shell completions and the manual page of qvn offer every command and
# every option that `qvn --help` and `qvn COMMAND --help` print, for that
# command. bash and fish are asked as a Tab press asks them; the zsh script,
# which runs only inside an interactive shell's completion system, is checked
# for its syntax and read for the names, as is the manual page. A shell that
# is not installed is left out and named.
# Usage: qvn_options_test.sh QVN BASH_SCRIPT ZSH_SCRIPT FISH_SCRIPT MAN_PAGE
set -euo pipefail
qvn=$1 bash_script=$2 zsh_script=$3 fish_script=$4 man_page=$5
failures=0

# The names qvn's help offers at a level: its subcommands and long options.
help_names() {
  "$qvn" "$@" --help | awk '
    /^Subcommands:/ { commands = 1; next }
    /^[^ ]/ { commands = 0 }
    commands && /^  [a-z]/ { print $1 }
    match($0, /^  (-[a-z],)?--[a-z-]+/) {
      name = substr($0, RSTART + 2, RLENGTH - 2); sub(/^-[a-z],/, "", name); print name
    }'
}

# What a shell offers after "qvn [COMMAND] --" (and "qvn " for the commands).
offered_bash() {
  local words=(qvn "$@") quoted
  printf -v quoted '%q ' "${words[@]}"
  # compopt works only in a real completion; its options do not change the words.
  bash --norc -c "compopt() { :; }; source '$bash_script'; COMP_WORDS=($quoted);
    COMP_CWORD=$((${#words[@]} - 1)); _qvn; printf '%s\n' \"\${COMPREPLY[@]}\""
}
offered_fish() {
  fish --no-config -c "source '$fish_script'; complete -C 'qvn $*'" | cut -f1
}

expect_all() {
  local reader=$1 level=$2 wanted=$3 offered=$4 name
  for name in $wanted; do
    grep -qxF -- "$name" <<<"$offered" || {
      echo "FAIL: the $reader of 'qvn $level' lacks $name"
      failures=$((failures + 1))
    }
  done
}

levels=("")
for name in $(help_names); do [[ $name == --* ]] || levels+=("$name"); done
((${#levels[@]} > 1)) || { echo "FAIL: qvn --help lists no subcommand"; exit 1; }

shells=(bash)
command -v fish >/dev/null && shells+=(fish) || echo "fish is not installed: its completion is not run"
if command -v zsh >/dev/null; then
  zsh -n "$zsh_script" || { echo "FAIL: $zsh_script"; failures=$((failures + 1)); }
else
  echo "zsh is not installed: its script is only read"
fi
# zsh's options and its commands (written 'check\:"description"').
zsh_names=$(grep -o -- '--[a-z][a-z-]*' "$zsh_script"; grep -o '[a-z]*\\:"' "$zsh_script" | cut -d'\' -f1)
# The manual page's options (written \-\-name; the page may be compressed)
# and its commands (".B qvn check" in the synopsis).
man_names=$(zcat -f "$man_page" | sed 's/\\-/-/g' | grep -o -- '--[a-z][a-z-]*\|^\.B qvn [a-z]*' |
  sed 's/^\.B qvn //')

for level in "${levels[@]}"; do
  wanted=$(help_names $level)
  for shell in "${shells[@]}"; do
    # Options are offered on "--"; the commands, at the top, on an empty word.
    offered=$(offered_$shell $level --)
    [[ -n $level ]] || offered+=$'\n'$(offered_$shell "")
    expect_all "$shell completion" "$level" "$wanted" "$offered"
  done
  expect_all "zsh completion" "$level" "$wanted" "$zsh_names"
  expect_all "manual page" "$level" "$wanted" "$man_names"
done
((failures == 0)) || exit 1
echo "The completions and the manual page offer every command and option of qvn's help."

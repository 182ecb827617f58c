# bash completion for qvn, the command of Quorvane.

_qvn() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
  # --option=value: bash splits it at "=".
  if [[ $cur == = ]]; then
    cur=""
  elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  fi
  local command="" word
  for word in "${COMP_WORDS[@]:1:COMP_CWORD - 1}"; do
    case $word in
      check | list | orphans | explain | fix) command=$word && break ;;
    esac
  done

  # The value of the option before the cursor.
  case $prev in
    --format)
      local formats="text json csv sarif markdown"
      [[ $command == fix ]] && formats="text json sarif markdown"
      mapfile -t COMPREPLY < <(compgen -W "$formats" -- "$cur")
      return ;;
    --output-dir | --site-root | --top)
      compopt -o filenames
      mapfile -t COMPREPLY < <(compgen -d -- "$cur")
      return ;;
    --settings)
      compopt -o filenames
      mapfile -t COMPREPLY < <(compgen -f -X '!*.usr' -- "$cur"; compgen -d -- "$cur")
      return ;;
    --out | --baseline | --write-baseline)
      compopt -o filenames
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      return ;;
    --exclude-subfolder | --exclude-paths | --exclude-links | --index-files | --external-jobs | \
      --external-timeout | --external-cache | --only | --undo)
      COMPREPLY=()
      return ;;
  esac

  local selection="--help --exclude-subfolder --exclude-paths --exclude-links --top-folder-only
    --php --settings --verbose"
  local outputs="--show-repeated --output-dir --no-wait"
  local more="--all-links --site-root --index-pages --index-files --check-fragments --case"
  local external="--external --external-jobs --external-timeout --external-cache"
  local results="--format --out --baseline --write-baseline --propose-repairs"
  local repairs="--apply --moved --near --only --undo --format --out"
  local options
  case $command in
    "") options="check list orphans explain fix --help --version" ;;
    check) options="$selection $outputs $more $external $results" ;;
    list) options="$selection $outputs" ;;
    orphans) options="$selection $more" ;;
    fix) options="$selection $more $repairs" ;;
    explain) options="--help --top --exclude-links --settings" ;;
  esac
  if [[ -z $command || $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
  elif [[ $command == explain ]]; then
    # PAGE, then LINE.
    compopt -o filenames
    mapfile -t COMPREPLY < <(compgen -f -- "$cur")
  else
    # TOP, the top folder.
    compopt -o filenames
    mapfile -t COMPREPLY < <(compgen -d -- "$cur")
  fi
}
complete -F _qvn qvn

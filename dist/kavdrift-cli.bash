# bash completion for kavdrift-cli: its options, the type numbers after -t, the preference
# codes after -o (each item of a comma list), the colour choices, and directories for NEW and
# OLD.

_kavdrift_cli_codes() {
  # Completes the last code of a comma list; codes match in any letter case, as the program
  # reads them.
  local cur=$1 head="" last=$1 code
  if [[ $cur == *,* ]]; then
    head=${cur%,*},
    last=${cur##*,}
  fi
  for code in Veqf Chgo Spnm Ldeo Itdt Ovso Lmcf Gmsg Lchv Lsbs; do
    [[ ${code,,} == "${last,,}"* ]] && COMPREPLY+=("$head$code")
  done
}

_kavdrift_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()

  # "--type=2": bash splits at '=', so the option sits two words back.
  if [[ $cur == = ]]; then
    cur=""
  elif [[ $prev == = ]]; then
    prev=${COMP_WORDS[COMP_CWORD - 2]}
  fi

  case $prev in
    -t | --type)
      mapfile -t COMPREPLY < <(compgen -W "1 2 3 4 5 6" -- "$cur")
      return
      ;;
    -o | --options)
      _kavdrift_cli_codes "$cur"
      compopt +o filenames 2>/dev/null
      return
      ;;
    --color)
      mapfile -t COMPREPLY < <(compgen -W "auto always never" -- "$cur")
      return
      ;;
    --select | --pair)
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      return
      ;;
  esac

  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "-t --type -o --options --select --pair --color -h \
      --help --version" -- "$cur")
    return
  fi
  mapfile -t COMPREPLY < <(compgen -d -- "$cur")
}

complete -o filenames -F _kavdrift_cli kavdrift-cli

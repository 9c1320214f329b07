# bash completion for quillmark-cli                          -*- shell-script -*-
# Completes the command words, each command's options, and file names of the
# kinds the command reads.

_quillmark_cli() {
  local cur prev words cword
  _init_completion || return

  local commands="breakdown compare convert export-template gem import import-template optimize quickbar
    report salvage shopping show spellcraft summary totals utility vault --help --version"
  local vault_commands="build describe info pack search unpack"

  if ((cword == 1)); then
    COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    return
  fi

  local command="${words[1]}"
  if [[ $command == vault ]]; then
    if ((cword == 2)); then
      COMPREPLY=($(compgen -W "$vault_commands" -- "$cur"))
      return
    fi
    command="vault ${words[2]}"
  fi

  local options="" files=""
  case $command in
    show) options="--json" files='@(qmc|qmy|qmx|qmi|znk|mmr|xml)' ;;
    totals | breakdown | summary | compare) options="--json" files='@(qmc|qmy|znk|mmr|xml)' ;;
    convert) files='@(qmc|qmy|znk|mmr|xml)' ;;
    import-template)
      options="--out --json"
      files='@(znk|mmr|xml|qmc|qmy)'
      [[ $prev == --out ]] && files='qmc'
      ;;
    export-template)
      options="--format --out"
      files='@(qmc|qmy|znk|mmr|xml)'
      case $prev in
        --format)
          COMPREPLY=($(compgen -W "zenkcraft" -- "$cur"))
          return
          ;;
        --out) files='znk' ;;
      esac
      ;;
    utility) options="--mode" files='@(qmc|qmy|znk|mmr|xml)' ;;
    report)
      options="--html --content --weapons --hide --utility-mode --out"
      files='@(qmc|qmy|znk|mmr|xml)'
      case $prev in
        --content)
          COMPREPLY=($(compgen -W "all materials names stats" -- "$cur"))
          return
          ;;
        --out)
          _filedir
          return
          ;;
      esac
      ;;
    import) options="--slot-filter --out --json" files='@(qmx|qmi|xml)' ;;
    shopping) options="--json" files='@(qmc|qmy)' ;;
    optimize)
      options="--vault --weight --order --min --lock --craft --empty --from-vault --verified-only
        --owned --level --quality --overcharge --min-success --skill --no-toa-gems --time-limit
        --out --json"
      files='@(qmc|qmy|znk|mmr|xml)'
      case $prev in
        --vault) files='qmv' ;;
        --owned) files='txt' ;;
        --out) files='qmc' ;;
      esac
      ;;
    quickbar)
      options="--ini --bar --page --slot --server-kind --recipes --realm-switch --dry-run"
      files='@(qmc|qmy)'
      case $prev in
        --ini)
          _filedir ini
          return
          ;;
        --recipes)
          _filedir txt
          return
          ;;
        --server-kind)
          COMPREPLY=($(compgen -W "live eden" -- "$cur"))
          return
          ;;
      esac
      ;;
    spellcraft)
      options="--slot --level --armour --realm --class --gem --fifth --force-fifth --universal
        --skill --quality --json --out"
      [[ $prev == --out ]] && files='qmx'
      ;;
    "vault pack") options="--strict --version --label" files='@(txt|qmv)' ;;
    "vault build") options="--label --json" files='@(xml|qmv|json|sql|log)' ;;
    "vault unpack" | "vault info" | "vault describe") files='qmv' ;;
    "vault search")
      options="--ITypeFilter --SlotFilter --ExpansionFilter --RealmFilter --ClassFilter
        --NameFilter --FilterServer --SFilter1 --stat1amt --SFilter2 --stat2amt --SFilter3
        --stat3amt --cVerified --HideQs --ProcFilter --armorfilter --weaponfilter
        --workbench-level --class --json"
      files='qmv'
      ;;
  esac

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
  elif [[ -n $files ]]; then
    _filedir "$files"
  fi
} &&
  complete -F _quillmark_cli quillmark-cli

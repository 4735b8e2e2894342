# bash completion for mousectl
_mousectl() {
  local cur prev words cword
  _init_completion || return

  local commands="list info read check buttons button functions macros macro library dpi rate led fire gun engineer save load update export import restore doctor udev-rule help"
  if ((cword == 1)); then
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi

  local options="--help"
  case ${words[1]} in
    help) options="$commands" ;;
    list | info | buttons | functions | doctor | macros) options="--json --help" ;;
    macro)
      if ((cword == 2)); then
        options="show export add delete --json --help"
      elif [[ $prev == -o || $prev == --output ]]; then
        _filedir
        return
      else
        options="-d --device -t --text -o --output --json --help"
      fi
      ;;
    library)
      if ((cword == 2)); then
        options="new rename delete import import-all export export-all --help"
      elif [[ $prev == -o || $prev == --output || $prev == --from-text || ${words[2]} == import* ]]; then
        _filedir
        return
      else
        options="--from-text -o --output --help"
      fi
      ;;
    udev-rule) options="--help" ;;
    read)
      if [[ $prev == -o || $prev == --output ]]; then
        _filedir
        return
      fi
      options="-o --output --help"
      ;;
    check)
      if [[ $cur != -* ]]; then
        _filedir
        return
      fi
      options="--json --help"
      ;;
    button)
      if [[ $prev == -p || $prev == --profile ]]; then
        options="1 2"
      elif [[ $prev == --keep-left ]]; then
        options="on off"
      elif ((cword == 2)); then
        options="$(echo {1..12}) --help"
      else
        options="-p --profile --keep-left --json --help"
      fi
      ;;
    dpi) options="--levels --step --active --colour --color --aim --json --help" ;;
    rate) options="125 250 500 1000 --json --help" ;;
    led)
      case $prev in
        --led-type) options="RGB Sync MCULED SPITLED" ;;
        --brightness) options="full half" ;;
        --effect) options="1 2 3 4 5 6 7 colorful-light rainbow flow-light waltz 4-seasons off breathing" ;;
        *) options="--led-type --effect --speed --flow-speed --brightness --colour --color --json --help" ;;
      esac
      ;;
    fire)
      if [[ $prev == --continuous ]]; then
        options="on off"
      else
        options="--shots --interval --continuous --json --help"
        ((cword == 2)) && options="1 2 3 $options"
      fi
      ;;
    gun)
      case $prev in
        --keep-left) options="on off" ;;
        --button) options="$(echo {1..12})" ;;
        -o | --output | --from-text)
          _filedir
          return
          ;;
        *)
          options="--shots --x --x-offset --y --y-offset --delay --colour --color --button --keep-left --export-text -o --output --from-text --json --help"
          ((cword == 2)) && options="1 2 3 4 5 6 7 $options"
          ;;
      esac
      ;;
    engineer)
      case $prev in
        engineer) options="vendor xdata fire-macros --service-code --json --help" ;;
        vendor) options="set --service-code --json --help" ;;
        xdata) options="read write --help" ;;
        fire-macros) options="add delete --service-code --json --help" ;;
        --keep-left) options="on off" ;;
        --start | --count) options="$(echo {1..10})" ;;
        --service-code) options="" ;;
        *) options="--service-code --json --help --keep-left --start --count --colour" ;;
      esac
      ;;
    save | load | update)
      if [[ $cur != -* ]]; then
        _filedir
        return
      fi
      options="--help"
      [[ ${words[1]} != save ]] && options="-y --yes -n --dry-run --help"
      ;;
    export | import)
      if [[ $prev == --service-code ]]; then
        return
      elif [[ $prev == --led-type ]]; then
        options="RGB Sync MCULED SPITLED"
      elif [[ $cur != -* ]]; then
        _filedir
        return
      else
        options="--service-code --help"
        [[ ${words[1]} == import ]] && options="-y --yes -n --dry-run --led-type $options"
      fi
      ;;
    restore) options="1 2 3 -y --yes --help" ;;
  esac
  COMPREPLY=($(compgen -W "$options" -- "$cur"))
} && complete -F _mousectl mousectl

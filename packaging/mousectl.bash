# bash completion for mousectl
_mousectl() {
  local cur prev words cword
  _init_completion || return

  local commands="list info read check buttons button functions dpi rate led restore doctor udev-rule help"
  if ((cword == 1)); then
    COMPREPLY=($(compgen -W "$commands --help --version" -- "$cur"))
    return
  fi

  local options="--help"
  case ${words[1]} in
    read)
      if [[ $prev == -o || $prev == --output ]]; then
        _filedir
        return
      fi
      options="-o --output --help"
      ;;
    check)
      _filedir
      return
      ;;
    button)
      if [[ $prev == --profile ]]; then
        options="1 2"
      elif ((cword == 2)); then
        options="$(echo {1..12}) --help"
      else
        options="--profile --help"
      fi
      ;;
    dpi) options="--levels --step --active --colour --aim --help" ;;
    rate) options="125 250 500 1000 --help" ;;
    led)
      case $prev in
        --led-type) options="RGB Sync MCULED SPITLED" ;;
        --brightness) options="full half" ;;
        *) options="--led-type --effect --speed --flow-speed --brightness --colour --help" ;;
      esac
      ;;
    restore) options="1 2 3 --yes --help" ;;
  esac
  COMPREPLY=($(compgen -W "$options" -- "$cur"))
} && complete -F _mousectl mousectl

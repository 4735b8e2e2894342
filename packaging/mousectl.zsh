#compdef mousectl
# zsh completion for mousectl

_mousectl() {
  local -a commands
  commands=(
    'list:list the HID collections and mark the mouse'"'"'s'
    'info:show the mouse'"'"'s device information'
    'read:save the whole stored configuration to a file'
    'check:check the sections of a saved configuration'
    'buttons:list the function of every button'
    'button:set the function of one button'
    'functions:list every function name "button" takes'
    'macros:list the macros in the mouse and the library'
    'macro:show, export, add or delete one macro'
    'library:change the PC macro library'
    'dpi:show or change the DPI levels'
    'rate:show or set the USB report rate'
    'led:show or change the lighting'
    'fire:show or change the fire keys'
    'gun:show or change the gun presets'
    'engineer:the engineer page (needs a service code)'
    'save:save the whole configuration to a file'
    'load:write a saved configuration into the mouse'
    'update:program the patch record of a firmware file'
    'export:write the configuration as a readable, commented TOML text'
    'import:show what a configuration text changes, and apply it with --yes'
    'restore:overwrite the mouse with a default configuration'
    'doctor:check whether you may use the mouse'
    'udev-rule:print the udev rule'
    'help:show the commands'
  )
  if (( CURRENT == 2 )); then
    _describe 'command' commands
    _arguments '--help[show the commands]' '--version[show the version]'
    return
  fi
  local json='--json[print the state as JSON]'
  case $words[2] in
    help) _describe 'command' commands ;;
    list|info|buttons|functions|doctor|macros) _arguments $json ;;
    macro) _arguments $json '2:action:(show export add delete)' '3:name:' \
        '(-d --device)'{-d,--device}'[the mouse'"'"'s macro]' '(-t --text)'{-t,--text}'[readable text]' \
        '(-o --output)'{-o,--output}'[file to write]:file:_files' ;;
    library) _arguments '2:action:(new rename delete import import-all export export-all)' \
        '*:name or file:_files' '--from-text[readable text]:file:_files' \
        '(-o --output)'{-o,--output}'[file to write]:file:_files' ;;
    read) _arguments '(-o --output)'{-o,--output}'[file to write]:file:_files' ;;
    check) _arguments $json '2:file:_files' ;;
    button)
      _arguments $json '(-p --profile)'{-p,--profile}'[profile]:profile:(1 2)' \
        '--keep-left[a gun preset keeps the left key pressed]:keep:(on off)' \
        '2:button:(1 2 3 4 5 6 7 8 9 10 11 12)' '3:function:' ;;
    dpi) _arguments $json '*--levels[levels switched on]:count' '*--step[level and step]:level' \
        '*--active[active level]:level' '*'{--colour,--color}'[level and colour]:level' \
        '*--aim[AIM step]:step' ;;
    rate) _arguments $json '2:rate:(125 250 500 1000)' ;;
    led) _arguments $json '*--led-type[LED type]:type:(RGB Sync MCULED SPITLED)' \
        '*--effect[effect]:effect:(1 2 3 4 5 6 7 colorful-light rainbow flow-light waltz 4-seasons off breathing)' \
        '*--speed[breathing speed]:speed' '*--flow-speed[flow speed]:speed' \
        '*--brightness[flow brightness]:brightness:(full half)' \
        '*'{--colour,--color}'[slot and colour]:slot' ;;
    fire) _arguments $json '2:fire key:(1 2 3)' '--shots[shots, 1..15]:shots' \
        '--interval[ms between the shots, 1..4094]:ms' '--continuous[keep firing]:continuous:(on off)' ;;
    gun) _arguments $json '2:gun:(1 2 3 4 5 6 7)' '--shots[fire count]:count' '--x[X step]:x' \
        '--x-offset[X offset]:offset' '--y[Y step]:y' '--y-offset[Y offset]:offset' \
        '--delay[delay after the move]:ms' '(--colour --color)'{--colour,--color}'[colour]:RRGGBB' \
        '--button[a button of profile 2]:button:(1 2 3 4 5 6 7 8 9 10 11 12)' \
        '--keep-left[keep the left key pressed]:keep:(on off)' '--export-text[write the preset as text]' \
        '(-o --output)'{-o,--output}'[file to write]:file:_files' '--from-text[read the preset from text]:file:_files' ;;
    engineer) _arguments $json '--service-code[the service code]:code' \
        '2:subcommand:(vendor xdata fire-macros)' '3:action:(set read write add delete)' \
        '--keep-left[keep the left key pressed]:keep:(on off)' '--start[first gun preset]:start' \
        '--count[number of presets]:count' '(--colour --color)'{--colour,--color}'[colour code]:item' ;;
    save) _arguments '2:file:_files' ;;
    load) _arguments '2:file:_files' '(-y --yes)'{-y,--yes}'[really write and restart]' \
        '(-n --dry-run)'{-n,--dry-run}'[only show what would change]' ;;
    update) _arguments '2:file:_files' '(-y --yes)'{-y,--yes}'[really program and restart]' \
        '(-n --dry-run)'{-n,--dry-run}'[only show what would be programmed]' ;;
    export) _arguments '2:file:_files' '--service-code[the service code, for the vendor table]:code' ;;
    import) _arguments '2:file:_files' '(-y --yes)'{-y,--yes}'[really make the changes]' \
        '(-n --dry-run)'{-n,--dry-run}'[only show what would change]' \
        '--service-code[the service code, for the vendor table]:code' \
        '--led-type[LED type]:type:(RGB Sync MCULED SPITLED)' ;;
    restore) _arguments '2:configuration:(1 2 3)' '(-y --yes)'{-y,--yes}'[really overwrite]' ;;
  esac
}

_mousectl "$@"

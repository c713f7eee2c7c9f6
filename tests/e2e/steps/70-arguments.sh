# shellcheck shell=bash
# The program reads no command line: started with any arguments at all, Qt's
# own options included, the bar comes up exactly as without them. The
# platform is left to the program here (no QT_QPA_PLATFORM), as on a desktop.
E2E_STEPS+=(step_arguments_ignored)

# One row per run: a name, then the arguments, separated by "|". @QSS@ is a
# style sheet that paints everything red, @NONE@ a path that does not exist.
E2E_ARGUMENT_ROWS=(
    "stylesheet file|-stylesheet|@QSS@"
    "stylesheet= file|-stylesheet=@QSS@"
    "stylesheet missing file|-stylesheet|@NONE@/red.qss"
    "style|-style|windows"
    "style=|-style=Windows"
    "style unknown|-style|nosuchstyle"
    "platform offscreen|-platform|offscreen"
    "platform wayland|-platform|wayland"
    "platform unknown|-platform|nosuchplatform"
    "platform plugin path|-platformpluginpath|@NONE@"
    "platform theme|-platformtheme|gtk3"
    "plugin|-plugin|evdevkeyboard"
    "display|-display|:4242"
    "window geometry|-qwindowgeometry|300x200+500+400"
    "geometry|-geometry|300x200+500+400"
    "window title|-qwindowtitle|Other"
    "title|-title|Other"
    "name|-name|other"
    "window icon|-qwindowicon|@NONE@/icon.png"
    "reverse|-reverse"
    "session|-session|1234_5678"
    "widget count|-widgetcount"
    "qml debugger|-qmljsdebugger=port:3768,block"
    "xcb options|-sync|-nograb|-visual|0x21|-fontengine=freetype|-dialogs=none|-testability"
    "help and version|--help|-h|-v|--version|-?"
    "unknown options|--frobnicate|-x|--|-|-platform"
    "files|@NONE@/file.txt|some file with spaces.txt|/"
    "odd bytes|$(printf '\377\376')||$(printf 'caf\303\251')"
    "long argument|$(head -c 100000 /dev/zero | tr '\0' x)"
)

# What a person and the desktop see of the bar that is up now.
bar_appearance()
{
    printf 'frame at %s\n' "$(frame_origin "$BAR")"
    xwininfo -id "$BAR" | awk '/Width:/ { w = $NF } /Height:/ { h = $NF } END { print "client " w "x" h }'
    xprop -id "$BAR" WM_CLASS WM_NAME _NET_WM_NAME WM_WINDOW_ROLE
    if command -v import > /dev/null; then
        printf 'picture %s\n' "$(timeout 5 import -window "$BAR" rgb:- 2> /dev/null | md5sum)"
    fi
}

# run_with_arguments <out file> [argument...]: the bar's appearance, then what
# it stored and printed once closed.
run_with_arguments()
{
    local out=$1
    shift
    start_bar "$@"
    bar_appearance > "$out"
    close_bar
    {
        echo "stored:"
        cat "$(settings_file)"
        echo "printed:"
        cat "$E2E_OUT/logs/$E2E_STEP.program.log"
    } >> "$out"
}

step_arguments_ignored()
{
    local saved_desktop=("${E2E_BAR_DESKTOP[@]}") qss="$E2E_OUT/red.qss" none="$E2E_OUT/no-such-folder"
    printf '* { background: red; color: red; }\n' > "$qss"
    E2E_BAR_DESKTOP=()

    begin_step arguments_none
    run_with_arguments "$E2E_OUT/arguments-none.txt"
    [ -z "$(cat "$E2E_OUT/logs/$E2E_STEP.program.log")" ] || fail "the bar printed something on its own"

    local name i
    local -a fields arguments
    for i in "${!E2E_ARGUMENT_ROWS[@]}"; do
        IFS='|' read -r -a fields <<< "${E2E_ARGUMENT_ROWS[i]}"
        name=${fields[0]}
        arguments=("${fields[@]:1}")
        arguments=("${arguments[@]//@QSS@/$qss}")
        arguments=("${arguments[@]//@NONE@/$none}")
        begin_step "arguments_$i"
        e2e_log "arguments ($name): ${#arguments[@]}"
        run_with_arguments "$E2E_OUT/arguments-$i.txt" "${arguments[@]}"
        diff "$E2E_OUT/arguments-none.txt" "$E2E_OUT/arguments-$i.txt" ||
            fail "with the arguments of \"$name\" the bar is not as without them"
    done
    [ ! -e "$none" ] || fail "something made $none"
    E2E_BAR_DESKTOP=("${saved_desktop[@]}")
}

# shellcheck shell=bash
# The simple remote window: Run and Abort reach the remote tool with the typed
# name, Save keeps the inputs, and a hostile name starts nothing at all.
E2E_STEPS+=(step_simple_run_abort_save step_simple_hostile_name step_simple_loads_another_copys_save)

SIMPLE_TITLE="ZT-VOLTRAIL - SHUTDOWN GUI - SIMPLE"

open_simple_window()
{
    click_bar_button ZT_SHUTDOWN_GUI_BUTTON
    wait_window "$SIMPLE_TITLE" || fail "ZT-SHUTDOWN-GUI did not open the simple window"
}

type_pc_name()
{
    local window=$1 name=$2
    click_control "$window" 1080 1140 2295 315    # PC_NAME_SSS_TEXTBOX
    press_keys "$window" ctrl+a
    type_text "$window" "$name"
}

step_simple_run_abort_save()
{
    begin_step simple_run_abort_save "AlwaysOnTop_TICKBOX=0"
    start_bar
    local window
    window=$(open_simple_window)
    screenshot "$window" remote-simple

    type_pc_name "$window" "SRV01"
    click_control "$window" 120 2280 1095 255     # SHUTDOWN_SSS_TICKBOX
    click_control "$window" 2520 2280 855 255     # FORCE_SSS_TICKBOX
    click_control "$window" 4920 1140 1335 375    # RUN_SSS_BUTTON
    expect_recorded net "rpc shutdown -S SRV01 -t 30 -f"

    click_control "$window" 4920 1620 1335 375    # ABORT_SSS_BUTTON
    wait_until 5 eval '[ "$(recorded_lines net | wc -l)" -eq 2 ]' || fail "Abort started nothing"
    [ "$(recorded_lines net | tail -n 1)" = "rpc abortshutdown -S SRV01" ] ||
        fail "Abort started \"$(recorded_lines net | tail -n 1)\""
    screenshot "$window" remote-simple-after-abort

    click_control "$window" 3600 2280 1215 375    # SAVE_BUTTON
    sleep 0.3
    expect_setting PC_NAME_SSS_TEXTBOX SRV01
    expect_setting SHUTDOWN_SSS_TICKBOX 1
    expect_setting RESTART_SSS_TICKBOX 0
    expect_setting FORCE_SSS_TICKBOX 1
    expect_setting SHUTDOWN_TIMEOUT_TEXTBOX 30

    press_keys "$window" Escape
    expect_window_closes "$window" "simple remote"
    close_bar
}

step_simple_hostile_name()
{
    begin_step simple_hostile_name "AlwaysOnTop_TICKBOX=0"
    start_bar
    local window
    window=$(open_simple_window)

    # Typed as it stands; it must reach no shell and no program.
    type_pc_name "$window" 'PC & touch pwned; $(id) `id`'
    click_control "$window" 4920 1620 1335 375    # ABORT_SSS_BUTTON
    wait_until 5 grep -q "not carried out" "$E2E_OUT/logs/$E2E_STEP.program.log" ||
        fail "the refused line was not reported"
    expect_nothing_recorded
    [ -e "$E2E_STEP_DIR/home/pwned" ] || [ -e pwned ] && fail "a shell ran the typed name"

    press_keys "$window" Escape
    expect_window_closes "$window" "simple remote"
    close_bar
}

# Another copy of the program saves while this one runs: the next opening of
# the window shows what is on disk now.
step_simple_loads_another_copys_save()
{
    begin_step simple_loads_another_copys_save "AlwaysOnTop_TICKBOX=0"
    start_bar
    local window
    window=$(open_simple_window)
    press_keys "$window" Escape
    expect_window_closes "$window" "simple remote"

    printf '%s\n' "PC_NAME_SSS_TEXTBOX=SRV42" "SHUTDOWN_SSS_TICKBOX=1" "FORCE_SSS_TICKBOX=1" \
        "SHUTDOWN_TIMEOUT_TEXTBOX=45" >> "$(settings_file)"
    window=$(open_simple_window)
    click_control "$window" 4920 1140 1335 375    # RUN_SSS_BUTTON
    expect_recorded net "rpc shutdown -S SRV42 -t 45 -f"

    press_keys "$window" Escape
    expect_window_closes "$window" "simple remote"
    close_bar
}

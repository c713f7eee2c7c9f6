# shellcheck shell=bash
# The thirty-row console: BATCH RUN runs the marked rows in row order, ABORT
# ALL aborts every row (rows without a name are refused and start nothing).
E2E_STEPS+=(step_console_batch_and_abort_all)

CONSOLE_TITLE="ZT-VOLTRAIL - SHUTDOWN GUI - ADVANCED"

step_console_batch_and_abort_all()
{
    begin_step console_batch_and_abort_all "AlwaysOnTop_TICKBOX=0" \
        "PC_NAME_3_TEXTBOX=PCA" "BATCH_RUN_3_TICKBOX=1" "SHUTDOWN_3_TICKBOX=1" \
        "PC_NAME_20_TEXTBOX=PCB" "BATCH_RUN_20_TICKBOX=1" "RESTART_20_TICKBOX=1" "FORCE_20_TICKBOX=1" \
        "PC_NAME_7_TEXTBOX=UNMARKED" "SHUTDOWN_7_TICKBOX=1" "SHUTDOWN_TIMEOUT_TEXTBOX=0"
    start_bar
    local simple console
    simple=$(open_simple_window)
    click_control "$simple" 3600 1140 1215 855    # SGUI_ADVANCED_BUTTON
    console=$(wait_window "$CONSOLE_TITLE") || fail "SGUI Advanced did not open the console"
    screenshot "$console" remote-console

    click_control "$console" 1200 6360 1695 375   # BATCH_RUN_BUTTON, still disabled
    sleep 0.5
    has_recorded net && fail "BATCH RUN ran while locked"
    click_control "$console" 3120 6360 1095 375   # ENABLE_BATCH_RUN_TICKBOX
    click_control "$console" 1200 6360 1695 375   # BATCH_RUN_BUTTON
    wait_until 5 eval '[ "$(recorded_lines net | wc -l)" -eq 2 ]' || fail "BATCH RUN: $(recorded_lines net)"
    # The started programs run side by side, so they may record in any order;
    # the order of starting is checked where the launches are recorded directly.
    [ "$(recorded_lines net | sort)" = "rpc shutdown -S PCA -t 1
rpc shutdown -S PCB -t 1 -r -f" ] || fail "BATCH RUN started: $(recorded_lines net | tr '\n' '|')"

    click_control "$console" 4440 6360 1215 375   # ABORT_ALL_BUTTON
    wait_until 5 eval '[ "$(recorded_lines net | wc -l)" -eq 5 ]' || fail "ABORT ALL: $(recorded_lines net)"
    [ "$(recorded_lines net | grep abortshutdown | sort)" = "rpc abortshutdown -S PCA
rpc abortshutdown -S PCB
rpc abortshutdown -S UNMARKED" ] || fail "ABORT ALL started: $(recorded_lines net | tr '\n' '|')"
    screenshot "$console" remote-console-after-abort-all

    press_keys "$console" Escape
    expect_window_closes "$console" "console"
    expect_setting_present SGUI_ADV_Left SGUI_ADV_Top
    press_keys "$simple" Escape
    expect_window_closes "$simple" "simple remote"
    close_bar
}

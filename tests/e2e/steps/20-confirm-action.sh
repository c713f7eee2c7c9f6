# shellcheck shell=bash
# RUN NOW with a stored choice: the confirm window asks, OK performs, Escape
# does not.
E2E_STEPS+=(step_run_now_restart_confirmed step_run_now_escape_cancels)

CONFIRM_TITLE="ZT-VOLTRAIL - !!! CONFIRM ACTION !!!"

click_confirm_ok() { click_control "$1" 840 960 1335 975; }

step_run_now_restart_confirmed()
{
    begin_step run_now_restart_confirmed "RESTART_TICKBOX=1"
    start_bar
    click_bar_button RUN_NOW_BUTTON
    local confirm
    confirm=$(wait_window "$CONFIRM_TITLE") || fail "RUN NOW did not open the confirm window"
    screenshot "$confirm" confirm-action-restart

    click_confirm_ok "$confirm"
    expect_window_closes "$confirm" "confirm action"
    expect_recorded systemctl "reboot"
    expect_setting_present ACTION_WINDOW_Left ACTION_WINDOW_Top

    close_bar
    expect_setting RESTART_TICKBOX 1
    expect_setting_present MAIN_Left MAIN_Top AlwaysOnTop_TICKBOX
}

step_run_now_escape_cancels()
{
    begin_step run_now_escape_cancels "RESTART_TICKBOX=1"
    start_bar
    click_bar_button RUN_NOW_BUTTON
    local confirm
    confirm=$(wait_window "$CONFIRM_TITLE") || fail "RUN NOW did not open the confirm window"

    press_keys "$confirm" Escape
    expect_window_closes "$confirm" "confirm action"
    expect_nothing_recorded
    expect_setting_present ACTION_WINDOW_Left ACTION_WINDOW_Top
    expect_no_dialog

    close_bar
}

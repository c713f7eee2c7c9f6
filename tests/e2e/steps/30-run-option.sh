# shellcheck shell=bash
# The power button's run option window: an action goes through the confirm
# window; Enter right away presses Cancel.
E2E_STEPS+=(step_power_logoff_confirmed step_power_enter_cancels)

RUN_OPTION_TITLE="ZT-VOLTRAIL - SELECT OPTION:"

step_power_logoff_confirmed()
{
    begin_step power_logoff_confirmed
    start_bar
    click_bar_button POWER_BUTTON
    local options confirm
    options=$(wait_window "$RUN_OPTION_TITLE") || fail "POWER did not open the run option window"
    screenshot "$options" run-option

    click_control "$options" 2760 360 615 615 # LOGOFF_BUTTON
    confirm=$(wait_window "$CONFIRM_TITLE") || fail "Logoff did not open the confirm window"
    screenshot "$confirm" confirm-action-logoff

    click_confirm_ok "$confirm"
    expect_window_closes "$confirm" "confirm action"
    expect_window_closes "$options" "run option"
    expect_recorded loginctl "terminate-session 7"
    expect_setting_present ACTION_WINDOW_Left ACTION_WINDOW_Top RUN_OPTIONS_Left RUN_OPTIONS_Top

    close_bar
}

step_power_enter_cancels()
{
    begin_step power_enter_cancels
    start_bar
    click_bar_button POWER_BUTTON
    local options
    options=$(wait_window "$RUN_OPTION_TITLE") || fail "POWER did not open the run option window"

    press_keys "$options" Return
    expect_window_closes "$options" "run option"
    expect_nothing_recorded
    expect_setting_present RUN_OPTIONS_Left RUN_OPTIONS_Top
    expect_no_dialog

    close_bar
}

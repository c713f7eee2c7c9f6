# shellcheck shell=bash
# The auto-timer: a short countdown carries out its action once, at zero, and
# the window closes by itself; Escape during a countdown starts nothing.
E2E_STEPS+=(step_autotimer_three_seconds step_autotimer_escape_during_countdown)

AUTOTIMER_TITLE="ZT-VOLTRAIL - AUTOTIMER"

# Picks Hibernate and types the duration over the box's text.
start_countdown()
{
    local window=$1 duration=$2
    click_control "$window" 2640 840 615 615      # HIBERNATE_BUTTON
    click_control "$window" 1335 2640 3225 975    # CLOSE_REQUEST_COUNTDOWN_TEXTBOX
    press_keys "$window" ctrl+a
    type_text "$window" "$duration"
    click_control "$window" 4680 2640 1095 975    # OK_BUTTON
}

step_autotimer_three_seconds()
{
    begin_step autotimer_three_seconds "AlwaysOnTop_TICKBOX=0"
    start_bar
    click_bar_button AUTOTIMER_BUTTON
    local window
    window=$(wait_window "$AUTOTIMER_TITLE") || fail "AUTOTIMER did not open its window"
    screenshot "$window" autotimer

    start_countdown "$window" "0:00:03"
    sleep 1
    screenshot "$window" autotimer-counting
    has_recorded systemctl && fail "the action started before zero"
    expect_window_closes "$window" "auto-timer"
    expect_recorded systemctl "hibernate"
    expect_setting_present AUTOTIMER_Left AUTOTIMER_Top
    expect_setting_absent AUTOTIMER_Width AUTOTIMER_Height

    close_bar
}

step_autotimer_escape_during_countdown()
{
    begin_step autotimer_escape_during_countdown "AlwaysOnTop_TICKBOX=0"
    start_bar
    click_bar_button AUTOTIMER_BUTTON
    local window
    window=$(wait_window "$AUTOTIMER_TITLE") || fail "AUTOTIMER did not open its window"

    start_countdown "$window" "0:00:02"
    press_keys "$window" Escape
    expect_window_closes "$window" "auto-timer"
    sleep 2.5 # past the moment the countdown would have ended
    expect_nothing_recorded
    expect_setting_present AUTOTIMER_Left AUTOTIMER_Top

    close_bar
}

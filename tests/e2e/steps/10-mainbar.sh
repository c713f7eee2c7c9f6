# shellcheck shell=bash
# The bar on its own: RUN NOW with nothing chosen, the operating system's
# dialog, what closing it stores, and where it opens.
E2E_STEPS+=(step_bar_first_run step_bar_ms_shutdown_gui step_bar_linked_copy)
E2E_STEPS+=(step_placement_bar_first_run step_placement_bar_stored)

step_bar_first_run()
{
    begin_step bar_first_run
    start_bar
    screenshot "$BAR" bar

    # Nothing is chosen on a first run: RUN NOW opens nothing, starts nothing,
    # however often it is pressed.
    click_bar_button RUN_NOW_BUTTON
    click_bar_button RUN_NOW_BUTTON
    sleep 0.5
    expect_no_dialog
    expect_nothing_recorded

    close_bar
    expect_setting_present MAIN_Left MAIN_Top # their values: the placement steps
    expect_setting AlwaysOnTop_TICKBOX 1
    expect_setting_absent SHUTDOWN_TICKBOX RESTART_TICKBOX HIBERNATE_TICKBOX LOGOFF_TICKBOX \
        ALWAYS_ASK_TICKBOX
}

step_bar_ms_shutdown_gui()
{
    begin_step bar_ms_shutdown_gui "AlwaysOnTop_TICKBOX=0"
    start_bar
    click_bar_button MS_SHUTDOWN_GUI_BUTTON
    # There is no remote shutdown dialog on this system: it says so and
    # starts nothing.
    wait_until 5 grep -q "no remote shutdown dialog" "$E2E_OUT/logs/$E2E_STEP.program.log" ||
        fail "the missing dialog was not reported"
    expect_nothing_recorded
    expect_no_dialog

    close_bar
    expect_setting AlwaysOnTop_TICKBOX 0
}

# Started through a symbolic link of another name, the bar is a copy of its
# own: a section named after the link, the original's settings untouched.
step_bar_linked_copy()
{
    begin_step bar_linked_copy "AlwaysOnTop_TICKBOX=0"
    mkdir -p "$E2E_STEP_DIR/bin"
    ln -s "$(readlink -f "$E2E_PROGRAM")" "$E2E_STEP_DIR/bin/MY-BAR"
    E2E_START_AS="$E2E_STEP_DIR/bin/MY-BAR" start_bar
    close_bar
    local own="$E2E_STEP_DIR/config/ZT_VOLTRAIL/MY-BAR.conf"
    [ -f "$own" ] || fail "the linked copy kept no section of its own"
    grep -qx "AlwaysOnTop_TICKBOX=1" "$own" || fail "the linked copy did not start from the defaults"
    expect_setting AlwaysOnTop_TICKBOX 0
    expect_setting_absent MAIN_Left
}

# Left and Top are the outer frame: 1000, 1000 twips is 67, 67 pixels.
step_placement_bar_first_run()
{
    begin_step placement_bar_first_run
    start_bar
    expect_frame_at "$BAR" "67 67" "the bar on a first run"
    close_bar
    expect_setting MAIN_Left 1000
    expect_setting MAIN_Top 1000
}

step_placement_bar_stored()
{
    begin_step placement_bar_stored "MAIN_Left=3000" "MAIN_Top=1500"
    start_bar
    expect_frame_at "$BAR" "200 100" "the bar at its stored place"
    close_bar
    expect_setting MAIN_Left 3000
    expect_setting MAIN_Top 1500
}

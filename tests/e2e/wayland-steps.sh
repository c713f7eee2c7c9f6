# shellcheck shell=bash
# Steps on a Wayland session under kwin_wayland (run-wayland.sh): the bar on
# XWayland at its stored place, RUN NOW's road, the keeper, and the bar on
# native Wayland where no X server is to be had.
E2E_STEPS+=(step_wayland_bar_on_xwayland step_wayland_run_now step_wayland_keeper)
E2E_STEPS+=(step_wayland_native)

NATIVE_NOTICE="running natively on Wayland, where the compositor decides placement and stacking"

expect_not_said()
{
    ! grep -qF -- "$1" "$E2E_OUT/logs/$E2E_STEP.program.log" || fail "the bar said \"$1\""
}

step_wayland_bar_on_xwayland()
{
    begin_step wayland_bar_on_xwayland "MAIN_Left=3000" "MAIN_Top=1500"
    start_bar
    # Found on XWayland's display at all: the bar is an X11 client.
    expect_frame_at "$BAR" "200 100" "the bar at its stored place"
    expect_not_said "$NATIVE_NOTICE"
    screenshot "$BAR" wayland-bar
    close_bar
    expect_setting MAIN_Left 3000
    expect_setting MAIN_Top 1500
}

step_wayland_run_now()
{
    begin_step wayland_run_now "SHUTDOWN_TICKBOX=1"
    start_bar
    click_bar_button RUN_NOW_BUTTON
    local confirm
    confirm=$(wait_window "ZT-VOLTRAIL - !!! CONFIRM ACTION !!!") ||
        fail "RUN NOW did not open the confirm window"
    screenshot "$confirm" wayland-confirm-action
    click_control "$confirm" 840 960 1335 975 # OK
    expect_window_closes "$confirm" "confirm action"
    expect_recorded systemctl "poweroff"
    close_bar
}

# The X11 keeper test, on XWayland under kwin instead of its own Xvfb and
# openbox: the bar takes ABOVE from another X11 window that holds it.
step_wayland_keeper()
{
    begin_step wayland_keeper
    local status
    env -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE \
        VOLTRAIL_TEST_X_DISPLAY="$DISPLAY" \
        LSAN_OPTIONS="$(lsan_options)" \
        XDG_CONFIG_HOME="$E2E_STEP_DIR/config" HOME="$E2E_STEP_DIR/home" \
        XDG_RUNTIME_DIR="$E2E_RUNTIME_DIR" \
        "$E2E_KEEPER_TEST" > "$E2E_OUT/logs/$E2E_STEP.test.log" 2>&1
    status=$?
    [ "$status" -eq 0 ] || fail "the keeper test ended with $status: $(tail -n 20 "$E2E_OUT/logs/$E2E_STEP.test.log")"
}

said_notice() { grep -sqF -- "$NATIVE_NOTICE" "$E2E_OUT/logs/$E2E_STEP.program.log"; }

# Where no X server answers, the bar runs natively; so it does where the
# environment names Wayland as the platform, XWayland or not.
step_wayland_native()
{
    # name | variables taken away | variables set
    local rows=(
        "no DISPLAY|-u DISPLAY|"
        "DISPLAY with no server||DISPLAY=:4299"
        "QT_QPA_PLATFORM=wayland||QT_QPA_PLATFORM=wayland"
    )
    local row name taken given log said
    for row in "${rows[@]}"; do
        IFS='|' read -r name taken given <<< "$row"
        begin_step "wayland_native_${name//[^A-Za-z]/_}"
        log="$E2E_OUT/logs/$E2E_STEP.program.log"
        # shellcheck disable=SC2086 # the variables are words
        env -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER -u QT_QPA_PLATFORM $taken \
            "${E2E_BAR_DESKTOP[@]}" $given \
            LSAN_OPTIONS="$(lsan_options)" \
            XDG_CONFIG_HOME="$E2E_STEP_DIR/config" HOME="$E2E_STEP_DIR/home" \
            XDG_RUNTIME_DIR="$E2E_RUNTIME_DIR" \
            PATH="$E2E_OUT/recording-bin:$PATH" E2E_RECORD_DIR="$E2E_STEP_DIR/recorded" \
            "$E2E_PROGRAM" > "$log" 2>&1 &
        E2E_BAR_PID=$!
        track_pid "$E2E_BAR_PID"
        wait_until 10 said_notice || fail "$name: the bar did not say that the compositor decides"
        # Two ticks of the keeper, which says nothing more.
        sleep 2.5
        process_running "$E2E_BAR_PID" || fail "$name: the bar has ended: $(cat "$log")"
        said=$(cat "$log")
        [ "$said" = "ZT-VOLTRAIL: $NATIVE_NOTICE: the bar's stored place and always on top do not apply." ] ||
            fail "$name: the bar said more than the one line: $said"
        [ -z "$(xdotool search --name '^ZT-VOLTRAIL$' 2> /dev/null)" ] || fail "$name: the bar is on XWayland"
        stop_pid "$E2E_BAR_PID"
        E2E_BAR_PID=""
    done
}

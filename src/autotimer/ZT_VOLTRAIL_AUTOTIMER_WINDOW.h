#pragma once

#include "autotimer/CountdownArithmetic.h"
#include "ui/Form.h"

#include <optional>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace voltrail {

class TickBox;

// Performs one local action when a typed countdown reaches zero, or, with At
// clock time ticked, when the local clock reaches the typed time. The state
// lives in the controls themselves: the status line, which controls are
// enabled, and whether the countdown box can be edited.
class ZT_VOLTRAIL_AUTOTIMER_WINDOW : public Form {
    Q_OBJECT
public:
    ZT_VOLTRAIL_AUTOTIMER_WINDOW(Services& services, QWidget* owner);

    QLabel* ZT_TITLE_1;
    QLabel* ZT_TITLE_2;
    QLabel* ZT_TITLE_3;
    QLabel* AUTOTIMER_TITLE_LABEL;
    QPushButton* SHUTDOWN_BUTTON;
    QPushButton* RESTART_BUTTON;
    QPushButton* HIBERNATE_BUTTON;
    QPushButton* LOGOFF_BUTTON;
    QPushButton* CLOSE_BUTTON;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label3;
    QLineEdit* AUTOTIMER_ACTION_TEXTBOX;
    QLabel* HOURS_LABEL;
    QLabel* MINUTES_LABEL;
    QLabel* SECONDS_LABEL;
    QLineEdit* CLOSE_REQUEST_COUNTDOWN_TEXTBOX;
    QPushButton* OK_BUTTON;
    QPushButton* CANCEL_BUTTON;
    TickBox* AT_CLOCK_TIME_TICKBOX;
    QTimer* AUTOTIMER_COUNTER;

public slots:
    // One second of the countdown; the timer calls it, and so may tests.
    void AUTOTIMER_COUNTER_Timer();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void PickAction(std::string_view label); // the four action buttons' Click
    void OK_BUTTON_Click();
    void CANCEL_BUTTON_Click();
    void CLOSE_BUTTON_Click();
    void StopCounting();
    void ShowTimeLeft(std::int64_t nowMs);
    void SetActionButtonsEnabled(bool enabled);
    void SetStatus(std::string_view text);

    double RemainingTime = 0; // days
    // Set while counting to a clock time: measured against the clock, not
    // the ticks.
    std::optional<ClockTarget> TargetTime;
};

} // namespace voltrail

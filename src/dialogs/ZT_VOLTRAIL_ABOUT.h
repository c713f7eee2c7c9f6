#pragma once

#include "ui/Form.h"

#include <array>
#include <cstddef>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace voltrail {

class TickBox;
class ZT_VOLTRAIL_MAIN;

// Settings and about: what RUN NOW does and whether the bar stays on top.
// Every change of a choice reaches the bar at once; only Save & Close stores.
class ZT_VOLTRAIL_ABOUT : public Form {
    Q_OBJECT
public:
    ZT_VOLTRAIL_ABOUT(Services& services, ZT_VOLTRAIL_MAIN& bar);

    QLabel* ZT_TITLE_1;
    QLabel* ZT_TITLE_2;
    QLabel* ZT_TITLE_3;
    QLabel* VERSION_TEXTBOX;
    QLabel* CREATOR_TEXTBOX;
    QLabel* FREEWARE_TEXTBOX;
    QLabel* ICONS_WEBLINK_LABEL;
    QLineEdit* ICONS_WEBLINK_TEXTBOX;
    QFrame* Line1;
    QGroupBox* RUN_NOW_SELECTOR_FRAME;
    TickBox* SHUTDOWN_TICKBOX;
    TickBox* RESTART_TICKBOX;
    TickBox* HIBERNATE_TICKBOX;
    TickBox* LOGOFF_TICKBOX;
    TickBox* ALWAYS_ASK_TICKBOX;
    TickBox* AlwaysOnTop_TICKBOX;
    QPushButton* SAVE_AND_CLOSE_BUTTON;

    // Inert: never shown, read or stored.
    TickBox* SLEEP_TICKBOX;
    TickBox* MY_CMD_TICKBOX;
    QLabel* MY_CMD_LABEL;
    TickBox* MY_CMD_VISIBLE_TICKBOX;
    QLineEdit* MY_CMD_TEXTBOX;

    // The mutually exclusive RUN NOW choices, in group order.
    static constexpr std::size_t kGroupSize = 5;
    std::array<TickBox*, kGroupSize> RunNowGroup() const;

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // SHUTDOWN_TICKBOX_Click and its four siblings: they differ only in the
    // member they read and the bar's namesake they write.
    void RunNowGroup_Click(std::size_t member);
    void AlwaysOnTop_TICKBOX_Click();
    void SAVE_AND_CLOSE_BUTTON_Click();
    void CREATOR_TEXTBOX_DblClick();

    std::array<TickBox*, kGroupSize> BarGroup() const;

    ZT_VOLTRAIL_MAIN& bar_;
};

} // namespace voltrail

#pragma once

#include "ui/Form.h"

namespace voltrail {

// Shuts down, restarts or aborts the shutdown of one computer on the network.
class ZT_VOLTRAIL_SGUI_SIMPLE : public Form {
    Q_OBJECT
public:
    ZT_VOLTRAIL_SGUI_SIMPLE(Services& services, QWidget* owner);

protected:
    void Form_Load() override;
};

} // namespace voltrail

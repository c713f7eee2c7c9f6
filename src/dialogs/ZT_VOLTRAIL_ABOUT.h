#pragma once

#include "ui/Form.h"

namespace voltrail {

class ZT_VOLTRAIL_MAIN;

// Settings and about: what RUN NOW does and whether the bar stays on top.
class ZT_VOLTRAIL_ABOUT : public Form {
    Q_OBJECT
public:
    ZT_VOLTRAIL_ABOUT(Services& services, ZT_VOLTRAIL_MAIN& bar);

protected:
    void Form_Load() override;

private:
    ZT_VOLTRAIL_MAIN& bar_;
};

} // namespace voltrail

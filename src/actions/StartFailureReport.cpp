#include "actions/StartFailureReport.h"

#include "text/PlainText.h"

namespace voltrail {

std::string StartFailureReport(std::string_view commandLine, std::string_view reason)
{
    return ReportLine("ZT-VOLTRAIL: cannot start " + QuoteCommand(commandLine) + ": " + std::string(reason));
}

} // namespace voltrail

#pragma once
// The status bar's "Client report" action: the report of the client's
// windows, written beside the program and opened for the operator.
#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kClientReportFile = "client report.txt";
// The control table's row of the action.
inline constexpr const char* kClientReportRow = "ClientReport";

// Writes the report; when it is saved the shell opens it, when not the
// operator is told why, once.
void WriteClientReport(Bot& bot);

}  // namespace quorvel

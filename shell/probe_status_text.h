#pragma once
// The main window's status line after a liveness probe that was answered.

#include <string>

// Fills the read template of the status-line messages (built in:
// "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].") for the probe. With e
// and v the 1-based positions of the first "[ERROR]" and the first
// "[VARLIST]" (0 when absent), v - e + 2 characters are deleted from position
// e + 7 on, which takes out everything after "[ERROR]" through "[VARLIST]"
// (nothing when that count is not positive or the position lies beyond the
// text). A template without "[ERROR]" loses nothing (the rule would take two
// characters out of it). Then every "[ERROR]" becomes message and every
// "[TIME]" timeText.
std::string ProbeStatusText(const std::string& templateText, const std::string& message,
                            const std::string& timeText);

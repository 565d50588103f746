#pragma once
// The replay action "report PATH": the report of the window's session so far, with the
// presses a report dialog ticks at first (the last one that ran of each page), as PDF or
// ODT by PATH's extension.

namespace strs::replay {
class ReplaySession;
}

namespace strs::session {

void AddReportAction(replay::ReplaySession& session);

}  // namespace strs::session

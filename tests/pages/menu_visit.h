#pragma once
// Visiting the pages the way the menu opens them: a page runs its own modal
// loop, so a test looks at it from a call the loop makes once the page is
// modal, and closes it from there.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace pagetest {

// The texts of every status line of the page, hidden panels' included.
std::vector<std::string> StatusTexts(const QWidget& page);

// Runs `look` from the message loop once a page is modal (a page may run
// the loop while it opens, before it is shown); tries every 20 ms.
void WhenModal(int triesLeft, std::function<void(QPointer<QWidget>)> look);

// Asks the page to close as its close box does, again while it refuses (an
// exchange of its own still running); hides it in the end so that the test
// goes on, and then sets `refused`.
void CloseWhenAllowed(QPointer<QWidget> page, int triesLeft, bool& refused);

// Runs `then` from the message loop once no SNMP exchange has been under
// way for `quietMs` (real time), checked every 20 ms; after a minute without
// such a pause it runs `then(false)`. Nothing waits inside a nested loop:
// the page's own loop goes on running.
void WhenSnmpQuiet(int quietMs, std::function<void(bool quiet)> then);

}  // namespace pagetest

#include "tests/pages/menu_visit.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include <chrono>

#include "library/snmp/netsnmp_engine.h"

namespace pagetest {

std::vector<std::string> StatusTexts(const QWidget& page) {
    std::vector<std::string> texts;
    for (QStatusBar* bar : page.findChildren<QStatusBar*>())
        for (QLabel* label : bar->findChildren<QLabel*>()) texts.push_back(label->text().toStdString());
    return texts;
}

void WhenModal(int triesLeft, std::function<void(QPointer<QWidget>)> look) {
    QTimer::singleShot(20, [triesLeft, look] {
        QPointer<QWidget> page = QApplication::activeModalWidget();
        if (page != nullptr) return look(page);
        if (triesLeft > 0) WhenModal(triesLeft - 1, look);
    });
}

void CloseWhenAllowed(QPointer<QWidget> page, int triesLeft, bool& refused) {
    if (page == nullptr || !page->isVisible()) return;
    if (triesLeft == 0) {
        refused = true;
        page->hide();
        return;
    }
    page->close();
    QTimer::singleShot(20, [page, triesLeft, &refused] { CloseWhenAllowed(page, triesLeft - 1, refused); });
}

namespace {

using Clock = std::chrono::steady_clock;

void CheckQuiet(int quietMs, std::function<void(bool)> then, Clock::time_point started, Clock::time_point since) {
    QTimer::singleShot(20, [=] {
        const Clock::time_point now = Clock::now();
        const bool busy = snmpengine::HasPendingWork() || snmpengine::OutstandingCount() != 0;
        const Clock::time_point quietSince = busy ? now : since;
        if (now - quietSince >= std::chrono::milliseconds(quietMs)) return then(true);
        if (now - started > std::chrono::minutes(1)) return then(false);
        CheckQuiet(quietMs, then, started, quietSince);
    });
}

}  // namespace

void WhenSnmpQuiet(int quietMs, std::function<void(bool quiet)> then) {
    const Clock::time_point now = Clock::now();
    CheckQuiet(quietMs, std::move(then), now, now);
}

}  // namespace pagetest

#pragma once
// The WLAN statistics page ("Status \ Stats \ WLAN "): the wireless
// interface's eleven traffic counters (four transmitted, seven received),
// Refresh and Clear (stats_page.h).

#include "pages/maintenance/stats_page.h"

class TFM_StatWLAN : public TStatsPage {
public:
    explicit TFM_StatWLAN(ui::Component* owner);
};

extern TFM_StatWLAN* FM_StatWLAN;

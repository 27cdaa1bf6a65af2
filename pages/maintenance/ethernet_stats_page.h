#pragma once
// The Ethernet statistics page ("Status \ Stats \ Ethernet"): the LAN
// interface's six traffic counters (three transmitted, three received),
// Refresh and Clear (stats_page.h).

#include "pages/maintenance/stats_page.h"

class TFM_Static : public TStatsPage {
public:
    explicit TFM_Static(ui::Component* owner);
};

extern TFM_Static* FM_Static;

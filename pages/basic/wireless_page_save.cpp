// Placeholder so that the page links while this file is being written.

#include "pages/basic/wireless_page.h"

void TFM_Wirless::Bt_ApplyClick(ui::Component*) {}
void TFM_Wirless::StoreAuthentication(ui::ComboBox*, ui::ComboBox*, ui::ComboBox*) {}
bool TFM_Wirless::WriteSettings() { return false; }

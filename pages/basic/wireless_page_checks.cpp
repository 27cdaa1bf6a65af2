// Placeholder so that the page links while this file is being written.

#include "pages/basic/wireless_page.h"

bool TFM_Wirless::CheckSaveInput() { return false; }
bool TFM_Wirless::ValidateWepKey(int) { return false; }
int TFM_Wirless::CheckHexKey(ui::Edit*) { return 1; }
bool TFM_Wirless::ValidateSsidAndWdsMacs() { return false; }

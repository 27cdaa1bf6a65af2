// Placeholder so that the page links while this file is being written.

#include "pages/basic/wireless_page.h"

void TFM_Wirless::SiteScanClick(ui::Component*) {}
void TFM_Wirless::OnSurveyRefreshDone(VkSNMPRequest2Controls*, VkSNMPError*) {}
void TFM_Wirless::OnSurveyTableDone(VkSNMPRequest2Controls*, VkSNMPError*) {}
void TFM_Wirless::LV_ClientSiteServeyClick(ui::Component*) {}
void TFM_Wirless::LV_WdsSiteServeyClick(ui::Component*) {}
bool TFM_Wirless::AddWdsMac(std::string) { return false; }
void TFM_Wirless::StripColons(std::string&) {}
void TFM_Wirless::Bt_CloneScanClick(ui::Component*) {}

#include "pages/wireless/rogue_ap_page_rules.h"

#include <algorithm>
#include <cctype>

std::string SurveyFilterOf(const std::string& comboText) {
    std::string filter = comboText;
    std::transform(filter.begin(), filter.end(), filter.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return filter;
}

bool SurveyRowListed(const std::string& filter, const std::string& type) {
    return filter == "all" || filter == type;
}

bool MarkAllNewOffered(const std::string& comboText) { return comboText == "All" || comboText == "New"; }

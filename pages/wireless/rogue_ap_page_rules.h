#pragma once
// The Intrusion page's list rules: which survey rows the type filter lists
// and when the "Mark All New ..." choices are offered. Plain values, no Qt.

#include <string>

// The filter as the list takes it: the combo's text in lower case ("All" is
// "all", "Neighborhood" is "neighborhood").
std::string SurveyFilterOf(const std::string& comboText);

// Whether a walked row whose type text is `type` ("new", "valid",
// "neighborhood", "rogue") is listed under the filter: every row under
// "all", otherwise the rows of exactly that type.
bool SurveyRowListed(const std::string& filter, const std::string& type);

// Whether the two "Mark All New ..." radio buttons are offered while the
// combo shows that text: only where new access points can be listed ("All",
// "New").
bool MarkAllNewOffered(const std::string& comboText);

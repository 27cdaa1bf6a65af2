#pragma once
// How a page shows the end of an asynchronous exchange in the group's status
// line: the page's own success text when every value went through, the
// failure's text through the request's status template ("Get: ..." /
// "Set: ...") otherwise.

#include <string>

class VkSNMPRequest2Controls;
struct VkSNMPError;

void ShowCompletion(VkSNMPRequest2Controls& group, const VkSNMPError& result, const std::string& okText);

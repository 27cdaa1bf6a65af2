#pragma once
// The Wireless MAC ACL page's decisions, without controls: which check
// refuses an address for the list, the zone-defence warning, how a station's
// authentication is shown and the name a list file gets.

#include <string>
#include <vector>

constexpr int kMacAclCapacity = 256;

// Why an address cannot go into the list, in the order the checks run; the
// validator's own check (TMainForm::IsValidMacAddress) runs between Zero and
// Full for a typed address.
enum class AclRefusal { None, Length, Zero, Full, Duplicate };

// A typed address: twelve characters and not twelve zeros.
AclRefusal CheckTypedMac(const std::string& mac);
// Room for the address: fewer than 256 entries listed, and none of the
// entries held is the same address (in either letter case).
AclRefusal CheckAclRoom(size_t listedCount, const std::vector<std::string>& held, const std::string& mac);

// Choosing any access mode but "Reject" while zone defence is on turns zone
// defence off: the page warns.
bool WarnsZoneDefence(const std::string& accessMode, const std::string& zoneDefence);

// A station's authentication as the client list shows it.
std::string ClientAuthenticationText(const std::string& read);

// The name a downloaded list is stored under: the chosen name, with ".acl"
// added unless it ends so (in any case).
std::string AclDownloadName(const std::string& chosen);
// Whether a file's name marks it as a list file (it ends in ".acl").
bool IsAclFileName(const std::string& name);

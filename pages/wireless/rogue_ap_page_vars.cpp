#include "pages/wireless/rogue_ap_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kRefresh[] = {{0, "nothing"}, {1, "refresh"}, {}};
constexpr VkOptionEntry kMode[] = {{2, "N"}, {1, "G"}, {4, "B"}, {}};
constexpr VkOptionEntry kType[] = {{1, "new"}, {2, "valid"}, {3, "neighborhood"}, {4, "rogue"}, {}};
constexpr VkOptionEntry kStatus[] = {{2, "up"}, {1, "down"}, {}};

}  // namespace

const VkOptionList OptDot11RogueApSurveyRefresh = MakeMibOptionList(kRefresh);
const VkOptionList OptDot11RogueApSurveyMode = MakeMibOptionList(kMode);
const VkOptionList OptDot11RogueApSurveyType = MakeMibOptionList(kType);
const VkOptionList OptDot11RogueApSurveyStatus = MakeMibOptionList(kStatus);
const VkOptionList OptDot11RogueApAllNewNodesAsValid = MakeMibOptionList(kSwitchDisableEnable);
const VkOptionList OptDot11RogueApUnknownAccessNodesAsRogue = MakeMibOptionList(kSwitchDisableEnable);

constexpr VkSNMPVarEntry VarsRogueApRefresh[] = {
    {VAP_MIB_OID(".3.4.4.1"), "dot11RogueApSurveyRefresh", integer, readwrite, &OptDot11RogueApSurveyRefresh},
    {},
};

constexpr VkSNMPVarEntry VarsRogueApSurvey[] = {
    {VAP_MIB_OID(".3.4.4.4.1.1"), "dot11RogueApSurveyIndex", integer, notaccess, nullptr},
    {VAP_MIB_OID(".3.4.4.4.1.3"), "dot11RogueApSurveyChannel", integer, readonly, nullptr},
    {VAP_MIB_OID(".3.4.4.4.1.5"), "dot11RogueApSurveyBssid", macaddress, readonly, nullptr},
    {VAP_MIB_OID(".3.4.4.4.1.8"), "dot11RogueApSurveyMode", integer, readonly, &OptDot11RogueApSurveyMode},
    {VAP_MIB_OID(".3.4.4.4.1.9"), "dot11RogueApSurveySsid", displaystr, readonly, nullptr},
    {VAP_MIB_OID(".3.4.4.4.1.10"), "dot11RogueApSurveyLastseem", displaystr, readonly, nullptr},
    {VAP_MIB_OID(".3.4.4.4.1.11"), "dot11RogueApSurveyType", integer, readonly, &OptDot11RogueApSurveyType},
    {VAP_MIB_OID(".3.4.4.4.1.12"), "dot11RogueApSurveyStatus", integer, readonly, &OptDot11RogueApSurveyStatus},
    {},
};

constexpr VkSNMPVarEntry VarsRogueApAddToValid[] = {
    {VAP_MIB_OID(".3.4.4.5"), "dot11RogueApAddtoValid", integer, readwrite, nullptr},
    {},
};

constexpr VkSNMPVarEntry VarsRogueApAddToNeighbor[] = {
    {VAP_MIB_OID(".3.4.4.6"), "dot11RogueApAddtoNeighbor", integer, readwrite, nullptr},
    {},
};

// The object's name is spelt so by the device.
constexpr VkSNMPVarEntry VarsRogueApAddToRogue[] = {
    {VAP_MIB_OID(".3.4.4.7"), "dot11RogueApAddtoRouge", integer, readwrite, nullptr},
    {},
};

constexpr VkSNMPVarEntry VarsRogueApAddToNew[] = {
    {VAP_MIB_OID(".3.4.4.8"), "dot11RogueApAddtoNew", integer, readwrite, nullptr},
    {},
};

constexpr VkSNMPVarEntry VarsRogueApPolicy[] = {
    {VAP_MIB_OID(".3.4.4.9"), "dot11RogueApAllNewNodesAsValid", integer, readwrite,
     &OptDot11RogueApAllNewNodesAsValid},
    {VAP_MIB_OID(".3.4.4.10"), "dot11RogueApUnknownAccessNodesAsRogue", integer, readwrite,
     &OptDot11RogueApUnknownAccessNodesAsRogue},
    {},
};

static_assert(VkTablesComplete(VarsRogueApRefresh, VarsRogueApSurvey, VarsRogueApAddToValid,
                               VarsRogueApAddToNeighbor, VarsRogueApAddToRogue, VarsRogueApAddToNew,
                               VarsRogueApPolicy));

#include "pages/maintenance/system_page_vars.h"

#include "shell/mib_option_lists.h"
#include "shell/mib_root.h"

using namespace VkSNMPSyntax;
using namespace VkSNMPAccess;

namespace {

constexpr VkOptionEntry kDeviceFactoryDefault[] = {{0, "nothing"}, {1, "reset"}, {}};
constexpr VkOptionEntry kLanguagePackClear[] = {{0, "nothing"}, {1, "clear"}, {}};

}  // namespace

const VkOptionList OptDeviceFactoryDefault = MakeMibOptionList(kDeviceFactoryDefault);
const VkOptionList OptLanguagePackClear = MakeMibOptionList(kLanguagePackClear);

constexpr VkSNMPVarEntry VarsSystemActions[] = {
    {VAP_MIB_OID(".4.2.1"), "deviceRestart", integer, readwrite, &OptDeviceRestart},
    {VAP_MIB_OID(".4.2.2"), "deviceFactoryDefault", integer, readwrite, &OptDeviceFactoryDefault},
    {VAP_MIB_OID(".4.2.5"), "languagePackClear", integer, readwrite, &OptLanguagePackClear},
    {},
};

static_assert(VkTablesComplete(VarsSystemActions));

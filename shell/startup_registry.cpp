#include "shell/startup_registry.h"

#include "library/common/path.h"
#include "shell/shell_texts.h"

namespace {

constexpr size_t kHelpFileNameLength = 12;

std::string PathValue(const os::RegistryStore& store, const char* key) {
    return store.ReadString(key, "Path").value_or("");
}

}  // namespace

std::string ReadModuleFolder(const os::RegistryStore& store) {
    store.CreateKey(kHelpPathKey);  // a read-only store keeps its content: ignored
    std::string helpPath = store.ReadString(kHelpPathKey, MibRootText).value_or("");
    if (helpPath.size() <= kHelpFileNameLength) return "";
    return helpPath.substr(0, helpPath.size() - kHelpFileNameLength);
}

std::string ReadSettingsFolder(const os::RegistryStore& store) {
    if (store.KeyExists(kSuiteMibFileKey)) return PathValue(store, kSuiteMibFileKey);
    if (store.KeyExists(kSuiteExePathKey)) return JoinPath(PathValue(store, kSuiteExePathKey), "../Conf/MBF/");
    return "";
}

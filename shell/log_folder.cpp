#include "shell/log_folder.h"

#include "library/common/path.h"
#include "platform/os/user_folders.h"
#include "platform/ui/dialog_service.h"
#include "shell/shell_texts.h"

std::string LogFolderPath() { return JoinPath(os::UserDataFolder(), ModelName); }

std::string PrepareLogFolder() {
    std::string folder = LogFolderPath();
    if (os::CreateFolderPath(folder) != 0) {
        ui::ShowMessage("Can not create  \"" + folder + "\" Log directory!");
    }
    return folder;
}

#include "pages/common/transfer_groups.h"

#include "pages/common/page_controls.h"
#include "pages/common/page_groups.h"
#include "pages/common/transfer_chain.h"
#include "shell/mib_option_lists.h"
#include "shell/mib_tables.h"

void NewTransferControls(ui::Control* page, const TransferParts& parts) {
    parts.serverAddress = NewHiddenEdit(page, "Ed_TfpSrv");
    parts.remoteName = NewHiddenEdit(page, "Ed_RemoteFile");
    parts.transferCombo = NewHiddenComboBox(page, "CB_TfpCom", OptTftpCommand);
    parts.upgradeCombo = NewHiddenComboBox(page, "CB_UpgCom", OptTftpUpgradeSettingCommand);
}

void MakeFileTransferGroups(PageGroups& groups, const TransferParts& parts, const TransferGroupSettings& settings,
                        TransferChain& chain) {
    const VkSNMPVarEntry* serverTable = settings.serverTable != nullptr ? settings.serverTable : VarsTftpServer;
    groups.Make(parts.serverRequest, {"transfer server", serverTable, SVT_SV, 0, Seconds(settings.serverSeconds)});
    parts.serverRequest->BindEdits(TftpServerRow::Address, "%s", parts.serverAddress);
    parts.serverRequest->BindEdits(TftpServerRow::FileName, "%s", parts.remoteName);
    groups.Make(parts.transferRequest,
                {"transfer command", VarsTftpCommand, SVT_SV, 0, Seconds(settings.transferSeconds), true});
    parts.transferRequest->BindComboBox(SingleRow::Value, parts.transferCombo);
    if (settings.status != nullptr) parts.transferRequest->SetStatusMemo(settings.status, settings.statusPanel);
    groups.Make(parts.upgradeRequest,
                {"upgrade command", VarsTftpUpgradeCommand, SVT_SV, 0, Seconds(settings.upgradeSeconds), true});
    parts.upgradeRequest->BindComboBox(SingleRow::Value, parts.upgradeCombo);
    chain.Use({parts.serverRequest, parts.remoteName, parts.transferRequest, parts.transferCombo,
               parts.upgradeRequest, parts.upgradeCombo});
}

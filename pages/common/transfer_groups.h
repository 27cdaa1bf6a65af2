#pragma once
// The hidden controls and the three groups through which every file page
// gives the device its transfer, made alike on each page:
//
//   "transfer server"   the PC's address (Ed_TfpSrv) and the bare file name
//                       (Ed_RemoteFile), written synchronously
//   "transfer command"  Get, Put, putacl ... by position in CB_TfpCom,
//                       written without waiting
//   "upgrade command"   install, apply, Reboot ... by position in CB_UpgCom,
//                       written without waiting
//
// The page keeps them as its own members, under the names above, and hands
// them over by reference; the groups are then the page's TransferChain's
// (transfer_chain.h).
//
//   NewTransferControls(this, TransferPartsOf(*this));     // with the page's controls
//   MakeFileTransferGroups(Groups, TransferPartsOf(*this), settings, Transfer);
//                                       // in FormCreate; raises what making a group raises

#include <cstdint>

#include "library/snmp/var_entry.h"

class PageGroups;
class TransferChain;
class VkSNMPRequest2Edits;
namespace ui {
class ComboBox;
class Control;
class Edit;
class StatusBar;
}  // namespace ui

// The page's members that make up its transfer.
struct TransferParts {
    ui::Edit*& serverAddress;                // Ed_TfpSrv
    ui::Edit*& remoteName;                   // Ed_RemoteFile
    ui::ComboBox*& transferCombo;            // CB_TfpCom
    ui::ComboBox*& upgradeCombo;             // CB_UpgCom
    VkSNMPRequest2Edits*& serverRequest;     // TftpServerRequest
    VkSNMPRequest2Edits*& transferRequest;   // TftpCommandRequest
    VkSNMPRequest2Edits*& upgradeRequest;    // UpgradeCommandRequest
};

// The parts of a file page, by the names every file page gives them.
template <class Page>
TransferParts TransferPartsOf(Page& page) {
    return {page.Ed_TfpSrv,         page.Ed_RemoteFile,      page.CB_TfpCom,          page.CB_UpgCom,
            page.TftpServerRequest, page.TftpCommandRequest, page.UpgradeCommandRequest};
}

// What differs between the pages: the time-outs (seconds per try), the
// server group's table and where the transfer command's status goes (a
// status bar's simple text with panel -1, else that panel).
struct TransferGroupSettings {
    int32_t serverSeconds = 100;
    int32_t transferSeconds = 100;
    int32_t upgradeSeconds = 300;
    const VkSNMPVarEntry* serverTable = nullptr;  // null: the shared VarsTftpServer
    ui::StatusBar* status = nullptr;
    int statusPanel = -1;
};

// The four hidden controls, the combos filled with their command lists.
void NewTransferControls(ui::Control* page, const TransferParts& parts);

// The three groups, bound to the hidden controls and given to the chain.
void MakeFileTransferGroups(PageGroups& groups, const TransferParts& parts, const TransferGroupSettings& settings,
                        TransferChain& chain);

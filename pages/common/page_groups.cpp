#include "pages/common/page_groups.h"

#include <algorithm>

#include "library/common/messages.h"
#include "shell/device_liveness.h"

const char* const DeviceSilentText = "The device does not answer: the rest of the settings were not read.";
const char* const DeviceKnownSilentText = "The device does not answer: the settings were not read.";
const char* const NotReadPrefix = "Not read from the device: ";
const char* const NotUnderstoodPrefix = "Values the module does not understand, kept unless you change them: ";

struct PageGroups::Group {
    std::unique_ptr<VkSNMPRequest2Edits, Deleter> request;
    std::string name;
    bool readFailed = false;    // the last synchronous read failed
    uint64_t lastLoad = 0;      // the load that last asked for it
};

PageGroups::PageGroups(ui::Control* page) : page_(page) {}

PageGroups::~PageGroups() {
    closing_ = true;
    for (const auto& group : groups_) group->request->request.enabled = false;
    groups_.clear();
    removed_.clear();
}

VkSNMPRequest2Edits& PageGroups::Adopt(VkSNMPRequest2Edits* request, Deleter deleter, const GroupSpec& spec) {
    auto group = std::make_unique<Group>(Group{{request, deleter}, spec.name});
    request->async = spec.async;
    if (spec.timeout > 0) request->request.timeout = spec.timeout;
    request->request.vars = VkSNMPVarList(spec.table, spec.kind, spec.keyCount);
    groups_.push_back(std::move(group));
    return *request;
}

void PageGroups::Remove(const VkSNMPRequest2Controls* group) {
    auto found = std::find_if(groups_.begin(), groups_.end(),
                              [group](const auto& g) { return g->request.get() == group; });
    if (found == groups_.end()) return;
    std::unique_ptr<Group> removed = std::move(*found);
    groups_.erase(found);
    removed->request->Abandon();
    removed_.push_back(std::move(removed));
    DeleteAnswered();
}

// Deletes the removed groups no answer is due for any more (their
// deletion does not wait); the others stay until theirs has come.
void PageGroups::DeleteAnswered() {
    removed_.erase(std::remove_if(removed_.begin(), removed_.end(),
                                  [](const auto& g) { return g->request->request.pendingCount == 0; }),
                   removed_.end());
}

PageGroups::Group* PageGroups::Find(const VkSNMPRequest2Controls& group) {
    if (closing_) return nullptr;
    for (const auto& g : groups_)
        if (g->request.get() == &group) return g.get();
    return nullptr;
}

const PageGroups::Group* PageGroups::Find(const VkSNMPRequest2Controls& group) const {
    return const_cast<PageGroups*>(this)->Find(group);
}

std::string PageGroups::NameOf(const VkSNMPRequest2Controls& group) const {
    const Group* found = Find(group);
    return found != nullptr ? found->name : std::string();
}

void PageGroups::BeginLoad() {
    ++load_;
    unread_.clear();
    knownSilent_ = DeviceKnownSilent();
    silent_ = knownSilent_;
}

void PageGroups::NoteUnread(const VkSNMPRequest2Controls& group) {
    const std::string name = NameOf(group);
    if (std::find(unread_.begin(), unread_.end(), name) == unread_.end()) unread_.push_back(name);
}

void PageGroups::RecordFailure(Group& group, int code) {
    NoteUnread(*group.request);
    if (code != VK_ERR_TIMEOUT) return;
    silent_ = true;
    NoteReadTimedOut();
}

bool PageGroups::Read(VkSNMPRequest2Controls& request) {
    Group* group = Find(request);
    if (group != nullptr) group->lastLoad = load_;
    if (silent_) {
        request.lastReadOk = false;  // not read in this load
        NoteUnread(request);
        if (group != nullptr) group->readFailed = true;
        return false;
    }
    request.request.ClearFailure();
    const bool ok = request.Get() && request.lastReadOk;
    if (group != nullptr) {
        group->readFailed = !ok;
        if (!ok) RecordFailure(*group, request.request.Failure().code);
    }
    return ok;
}

bool PageGroups::StartRead(VkSNMPRequest2Controls& request) {
    Group* group = Find(request);
    if (group != nullptr) group->lastLoad = load_;
    if (silent_) {
        request.lastReadOk = false;
        NoteUnread(request);
        return false;
    }
    // The page's own completion runs after the failure is noted, and is
    // back in place for the group's next read.
    VkSNMPDoneEvent pageHandler = request.OnGetDone;
    auto answered = std::make_shared<bool>(false);
    request.OnGetDone = [this, pageHandler, answered](VkSNMPRequest2Controls* sender, VkSNMPError* result) {
        *answered = true;
        sender->OnGetDone = pageHandler;
        if (result->code != VK_OK) {
            if (Group* g = Find(*sender)) RecordFailure(*g, result->code);
        } else if (!sender->lastReadOk) {
            NoteUnread(*sender);  // answered, but without a value it asked for
        }
        if (pageHandler) pageHandler(sender, result);
    };
    request.Get();
    if (!*answered && !request.busy) {  // nothing was sent, and nothing will answer
        request.OnGetDone = pageHandler;
        NoteUnread(request);
        return false;
    }
    return true;
}

void PageGroups::ReadFailedAgain() {
    for (size_t i = 0; i < groups_.size(); ++i) {
        Group& group = *groups_[i];
        if (group.readFailed && group.lastLoad != load_) Read(*group.request);
    }
}

bool PageGroups::WasRead(const VkSNMPRequest2Controls& group) const { return !group.busy && group.lastReadOk; }

std::string PageGroups::LoadText() const {
    if (knownSilent_) return DeviceKnownSilentText;
    if (silent_) return DeviceSilentText;
    std::string text;
    if (!unread_.empty()) {
        text = NotReadPrefix;
        for (size_t i = 0; i < unread_.size(); ++i) text += (i > 0 ? ", " : "") + unread_[i];
    }
    const std::string unknown = NotUnderstoodText();
    if (!unknown.empty()) text += (text.empty() ? "" : " ") + unknown;
    return text;
}

std::string PageGroups::EndText(const std::string& okText) const {
    const std::string text = LoadText();
    return text.empty() ? okText : text;
}

std::string PageGroups::NotUnderstoodText() const {
    // A request being deleted waits for its answers, and a page's completion
    // may ask for this meanwhile: the groups are no longer there to ask.
    if (closing_) return std::string();
    std::vector<std::string> names;
    for (const auto& group : groups_) {
        const VkSNMPRequest2Edits& request = *group->request;
        if (!WasRead(request)) continue;  // placeholders, named among the groups not read
        for (int item : request.NotUnderstood()) {
            const std::string& name = request.request.vars.Item(item)->name;
            if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
        }
    }
    if (names.empty()) return std::string();
    std::string text = NotUnderstoodPrefix;
    for (size_t i = 0; i < names.size(); ++i) text += (i > 0 ? ", " : "") + names[i];
    return text;
}

void SetRowAccess(VkSNMPRequest2Controls& group, std::initializer_list<int> rows, int32_t access) {
    for (int row : rows) group.request.vars.Item(row)->access = access;
}

void UseOnlyRows(VkSNMPRequest2Controls& group, std::initializer_list<int> rows) {
    VkSNMPVarList& vars = group.request.vars;
    for (int row = 0; row < vars.Count(); ++row)
        vars.Item(row)->access = std::find(rows.begin(), rows.end(), row) != rows.end() ? VkSNMPAccess::readwrite
                                                                                      : VkSNMPAccess::invalid;
}

#include "pages/common/page_groups.h"

#include <algorithm>

#include "library/common/messages.h"

const char* const DeviceSilentText = "The device does not answer: the rest of the settings were not read.";
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
    (*found)->request->request.enabled = false;
    groups_.erase(found);
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
    silent_ = false;
}

void PageGroups::NoteUnread(const VkSNMPRequest2Controls& group) {
    const std::string name = NameOf(group);
    if (std::find(unread_.begin(), unread_.end(), name) == unread_.end()) unread_.push_back(name);
}

void PageGroups::RecordFailure(Group& group, int code) {
    NoteUnread(*group.request);
    if (code == VK_ERR_TIMEOUT) silent_ = true;
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
    int failure = 0;
    VkSNMPErrorCallback previous = request.request.onError;
    request.request.onError = [&failure](const VkSNMPError& result) {
        if (result.code != VK_OK) failure = result.code;
    };
    bool ok = false;
    try {
        ok = request.Get() && request.lastReadOk;
    } catch (...) {
        request.request.onError = previous;
        throw;
    }
    request.request.onError = previous;
    if (group != nullptr) {
        group->readFailed = !ok;
        if (!ok) RecordFailure(*group, failure);
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

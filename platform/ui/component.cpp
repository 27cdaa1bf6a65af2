#include "platform/ui/component.h"

#include <algorithm>

namespace ui {

Component::Component(Component* owner) : owner_(owner) {
    if (owner_ != nullptr) owner_->owned_.push_back(this);
}

Component::~Component() {
    DeleteOwned();
    if (owner_ != nullptr) {
        auto& siblings = owner_->owned_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void Component::SetOwner(Component* owner) {
    if (owner_ != nullptr) {
        auto& siblings = owner_->owned_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    owner_ = owner;
    if (owner_ != nullptr) owner_->owned_.push_back(this);
}

void Component::SetName(const std::string& name) {
    name_ = name;
    NameChanged();
}

Component* Component::FindComponent(const std::string& name) const {
    for (Component* child : owned_) {
        if (child->name_ == name) return child;
    }
    for (Component* child : owned_) {
        if (Component* found = child->FindComponent(name)) return found;
    }
    return nullptr;
}

void Component::DeleteOwned() {
    // Each deletion removes the child from owned_, so take from the back.
    while (!owned_.empty()) delete owned_.back();
}

}  // namespace ui

#pragma once
// A component that owns one object that is not a component (a library
// object such as the TFTP transfer), so that the object is deleted with its
// owner's components, in their order.
//
//   auto* held = new ui::Owned<VkArmedTransfer>(page, std::make_unique<VkArmedTransfer>());
//   VkArmedTransfer& transfer = held->Get();

#include <memory>
#include <utility>

#include "platform/ui/component.h"

namespace ui {

template <class T>
class Owned : public Component {
public:
    Owned(Component* owner, std::unique_ptr<T> object)
        : Component(owner), object_(std::move(object)) {}
    T& Get() const { return *object_; }

private:
    std::unique_ptr<T> object_;
};

}  // namespace ui

#pragma once
// Something with an owner, a name and a tag. An owner deletes the components
// it owns when it is deleted, synchronously and last-created first; deleting a
// component takes it out of its owner's list. Nothing is ever left for later
// deletion: the program decides every lifetime.

#include <string>
#include <vector>

namespace ui {

class Component {
public:
    explicit Component(Component* owner);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Component* Owner() const { return owner_; }

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(owned_.size()); }
    Component* ComponentAt(int index) const { return owned_.at(static_cast<size_t>(index)); }

    // The first component of that name among those owned here, searched depth
    // first through their own components; null when there is none.
    Component* FindComponent(const std::string& name) const;

protected:
    // Deletes every owned component now. Classes that own a window call it
    // before they delete their window, since the owned controls live inside it.
    void DeleteOwned();
    // Hands the component to another owner (null: none), which deletes it
    // from then on.
    void SetOwner(Component* owner);
    virtual void NameChanged() {}

private:
    Component* owner_;
    std::vector<Component*> owned_;
    std::string name_;
    int tag_ = 0;
};

}  // namespace ui

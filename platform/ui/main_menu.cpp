#include "platform/ui/main_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "platform/ui/form.h"
#include "platform/ui/form_widget.h"
#include "platform/ui/handler_call.h"
#include "platform/ui/text.h"

namespace ui {

MainMenu::MainMenu(Form* form) : Component(form), form_(form), bar_(new QMenuBar(form->Widget())) {
    static_cast<FormWidget*>(form->Widget())->SetMenuBar(bar_);
    form->SetMenu(this);
}

MainMenu::~MainMenu() {
    DeleteOwned();
    if (form_->Menu() == this) {
        static_cast<FormWidget*>(form_->Widget())->SetMenuBar(nullptr);
        form_->SetMenu(nullptr);
    }
    delete bar_;
}

void MainMenu::NameChanged() { bar_->setObjectName(ToQt(Name())); }

MenuItem::MenuItem(MainMenu* parent) : MenuItem(parent, parent->Bar()) {}
MenuItem::MenuItem(MenuItem* parent) : MenuItem(parent, parent->Submenu()) {}

MenuItem::MenuItem(Component* owner, QWidget* container) : Component(owner), action_(new QAction(container)) {
    container->addAction(action_);
    QObject::connect(action_, &QAction::triggered, [this] {
        // The user's click must not flip the state: only OnClick decides.
        ShowChecked();
        Notify(OnClick, this);
    });
}

MenuItem::~MenuItem() {
    DeleteOwned();
    action_->blockSignals(true);
    delete submenu_;
    delete action_;
}

QMenu* MenuItem::Submenu() {
    if (submenu_ == nullptr) {
        submenu_ = new QMenu;
        submenu_->setObjectName(ToQt(Name()));
        action_->setMenu(submenu_);
    }
    return submenu_;
}

void MenuItem::SetCaption(const std::string& caption) {
    caption_ = caption;
    action_->setSeparator(caption == "-");
    action_->setText(ToQt(caption));
}

bool MenuItem::Enabled() const { return action_->isEnabled(); }
void MenuItem::SetEnabled(bool enabled) { action_->setEnabled(enabled); }
bool MenuItem::Visible() const { return action_->isVisible(); }
void MenuItem::SetVisible(bool visible) { action_->setVisible(visible); }

void MenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (checked && radio_ && Owner() != nullptr) {
        for (int i = 0; i < Owner()->ComponentCount(); ++i) {
            auto* sibling = dynamic_cast<MenuItem*>(Owner()->ComponentAt(i));
            if (sibling != nullptr && sibling != this && sibling->radio_ && sibling->group_ == group_) {
                sibling->checked_ = false;
                sibling->ShowChecked();
            }
        }
    }
    ShowChecked();
}

// A radio item sits in an exclusive action group of its own, which is what
// makes the menu draw a round mark instead of a check box. The group decides
// nothing: this item and its siblings keep their state as SetChecked sets it.
void MenuItem::SetRadioItem(bool radio) {
    radio_ = radio;
    if (radio && action_->actionGroup() == nullptr) {
        auto* group = new QActionGroup(action_);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        group->addAction(action_);
    } else if (!radio && action_->actionGroup() != nullptr) {
        delete action_->actionGroup();
    }
    ShowChecked();
}

void MenuItem::ShowChecked() {
    action_->setCheckable(checked_ || radio_);
    action_->setChecked(checked_);
}

void MenuItem::Click() {
    if (action_->isEnabled()) action_->trigger();
}

void MenuItem::NameChanged() {
    action_->setObjectName(ToQt(Name()));
    if (submenu_ != nullptr) submenu_->setObjectName(ToQt(Name()));
}

}  // namespace ui

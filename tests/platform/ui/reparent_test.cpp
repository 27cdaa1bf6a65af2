// Moving a control into another container: the new one shows and owns it,
// aligns it, and deleting the old one leaves it alone.

#include <QWidget>

#include <memory>

#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/panel.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

using uiReparent = uitest::UiTest;

TEST_F(uiReparent, AMovedControlBelongsToItsNewContainer) {
    ui::Form first(nullptr);
    auto second = std::make_unique<ui::Form>(nullptr);
    auto* from = new ui::Panel(&first);
    auto* panel = new ui::Panel(from);
    auto* edit = new ui::Edit(panel);
    edit->SetName("MovedEdit");
    panel->SetVisible(false);

    panel->SetParent(second.get());
    EXPECT_EQ(panel->Parent(), second.get());
    EXPECT_EQ(panel->Owner(), second.get());
    EXPECT_EQ(from->ComponentCount(), 0);
    EXPECT_EQ(panel->Widget()->parentWidget()->window(), second->Widget());
    EXPECT_FALSE(panel->Visible()) << "it keeps its visible flag";

    second->SetClientSize(200, 100);
    panel->SetVisible(true);
    panel->SetAlign(ui::Align::Client);
    EXPECT_EQ(panel->Width(), 200) << "aligned in its new container";

    // Back home, it outlives the container it was lent to.
    panel->SetParent(from);
    second.reset();
    EXPECT_EQ(first.FindComponent("MovedEdit"), edit);
    edit->SetText("still here");
    EXPECT_EQ(edit->Text(), "still here");
}

}  // namespace

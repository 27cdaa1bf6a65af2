// The forms' look and the measure of their texts: the form face is the one
// installed and is sized in pixels, design sizes keep their ratio to it, and
// the measure finds every kind of text its control cuts (and none it holds).

#include "tests/platform/ui/text_room.h"

#include <QApplication>
#include <QFontInfo>
#include <QStyle>
#include <QWidget>
#include <set>
#include <string>

#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/form_look.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiTextRoom : public uitest::UiTest {
public:
    uiTextRoom() : form_(nullptr) {
        form_.SetName("Form");
        form_.SetClientSize(500, 300);
    }

    template <class Control>
    Control* Make(const char* name, int left, int top, int width, int height) {
        auto* control = new Control(&form_);
        control->SetName(name);
        control->SetBounds(left, top, width, height);
        return control;
    }

    ui::Form form_;
};

// The face is the one installed (no stand-in), sized in pixels whatever the
// screen's dots per inch, and a design's sizes in points keep their ratio to it.
TEST_F(uiTextRoom, TheFormFaceIsInstalledAndSizedInPixels) {
    QFontInfo face(QApplication::font());
    EXPECT_EQ(face.family().toStdString(), ui::kFormFontFamily);
    EXPECT_EQ(face.pixelSize(), ui::kFormFontPixels);
    EXPECT_EQ(QApplication::font().pointSize(), -1) << "a size in points would follow the screen";
    EXPECT_EQ(QApplication::style()->name(), "fusion");
    auto* label = new ui::Label(&form_);
    const int points[][2] = {{8, 10}, {9, 11}, {14, 18}};
    for (const auto& p : points) {
        label->SetFontSize(p[0]);
        EXPECT_EQ(QFontInfo(label->Widget()->font()).pixelSize(), p[1]) << p[0] << " points";
        EXPECT_EQ(label->FontSize(), p[0]);
    }
}

TEST_F(uiTextRoom, TheMeasureFindsEveryTextItsControlCuts) {
    auto* combo = Make<ui::ComboBox>("CB_Wide", 10, 10, 100, 21);
    combo->AddItem("Auto 20/40 MHz");
    combo = Make<ui::ComboBox>("CB_Narrow", 10, 40, 60, 21);
    combo->AddItem("20MHz");
    combo->AddItem("Auto 20/40 MHz");
    auto* label = Make<ui::Label>("La_Fits", 150, 10, 0, 0);
    label->SetCaption("Default Gateway");
    Make<ui::Edit>("Ed_AfterFits", 250, 6, 100, 21);
    label = Make<ui::Label>("La_Overlaps", 150, 40, 0, 0);
    label->SetCaption("Default Gateway");
    Make<ui::Edit>("Ed_AfterOverlaps", 180, 36, 100, 21);
    label = Make<ui::Label>("La_BesideHidden", 150, 70, 0, 0);
    label->SetCaption("Default Gateway");
    Make<ui::Edit>("Ed_Hidden", 180, 66, 100, 21)->SetVisible(false);
    Make<ui::Button>("Bt_Wide", 10, 70, 75, 25)->SetCaption("Refresh");
    Make<ui::Button>("Bt_Narrow", 10, 100, 30, 25)->SetCaption("Refresh");
    Make<ui::CheckBox>("CK_Wide", 10, 130, 120, 17)->SetCaption("Enable WDS");
    Make<ui::CheckBox>("CK_Narrow", 10, 150, 40, 17)->SetCaption("Enable WDS");
    Make<ui::GroupBox>("GB_Narrow", 300, 100, 60, 40)->SetCaption("Wireless Network Settings");
    auto* hidden = Make<ui::Button>("Bt_Hidden", 10, 180, 20, 25);
    hidden->SetCaption("Not shown anyway");
    hidden->SetVisible(false);
    auto* list = Make<ui::ListView>("LV_Survey", 10, 210, 300, 80);
    list->AddColumn("Index", 0);
    list->AddColumn("Channel", 20);
    list->AddColumn("BSSID", ui::kColumnFitCaption);
    list->AddColumn("SSID", 40);
    ui::ListItem* row = list->AddItem();
    row->SetCaption("1 with a long hidden index");
    row->AddSubItem("6");
    row->AddSubItem("00907A123456");
    row->AddSubItem("a network name longer than forty pixels");
    form_.Show();

    std::vector<uitest::TextRoom> texts = uitest::MeasureTexts(form_.Widget());
    std::set<std::string> cut;
    for (const uitest::TextRoom& t : texts) {
        EXPECT_GT(t.needed, 0) << t.control << " " << t.text;
        EXPECT_GT(t.room, 0) << t.control << " " << t.text;
        if (!t.Fits()) cut.insert(t.control + " " + t.kind + " " + t.text);
    }
    const std::set<std::string> expected = {
        "Form/CB_Narrow combo entry Auto 20/40 MHz",
        "Form/La_Overlaps label Default Gateway",
        "Form/Bt_Narrow button Refresh",
        "Form/CK_Narrow check box Enable WDS",
        "Form/GB_Narrow group title Wireless Network Settings",
        "Form/LV_Survey column caption Channel",
        "Form/LV_Survey list cell a network name longer than forty pixels",
    };
    EXPECT_EQ(cut, expected) << uitest::CutTexts(texts);
    // What fits is measured too.
    std::set<std::string> measured;
    for (const uitest::TextRoom& t : texts) measured.insert(t.control + " " + t.kind + " " + t.text);
    for (const char* fits : {"Form/CB_Wide combo entry Auto 20/40 MHz", "Form/La_Fits label Default Gateway",
                             "Form/La_BesideHidden label Default Gateway", "Form/LV_Survey list cell 00907A123456",
                             "Form/LV_Survey column caption BSSID", "Form/CK_Wide check box Enable WDS"})
        EXPECT_EQ(measured.count(fits), 1u) << fits;
}

}  // namespace

// A small settings page built from the layer's controls, rendered offscreen
// and written as ui_demo_form.png beside the test program for a human look.

#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QWidget>
#include <iostream>
#include <string>

#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/main_menu.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/shape.h"
#include "platform/ui/status_bar.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiDemoForm : public uitest::UiTest {};

void Build(ui::Form& form) {
    form.SetName("FM_Demo");
    form.SetCaption("LAN Settings");
    form.SetBorderStyle(ui::BorderStyle::Single);
    form.SetClientSize(480, 360);
    auto* menu = new ui::MainMenu(&form);
    for (const char* caption : {"&Home", "&Advanced", "&Tools", "&Help"}) {
        (new ui::MenuItem(menu))->SetCaption(caption);
    }
    auto* group = new ui::GroupBox(&form);
    group->SetBounds(8, 8, 300, 120);
    group->SetCaption("LAN");
    const char* labels[] = {"IP Address", "Subnet Mask", "Gateway"};
    const char* values[] = {"192.168.1.2", "255.255.255.0", "192.168.1.254"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new ui::Label(group);
        label->SetBounds(10, 26 + i * 30, 90, 20);
        label->SetCaption(labels[i]);
        auto* edit = new ui::Edit(group);
        edit->SetBounds(110, 22 + i * 30, 170, 24);
        edit->SetText(values[i]);
    }
    auto* dhcp = new ui::ComboBox(&form);
    dhcp->SetBounds(320, 16, 150, 24);
    for (const char* t : {"Disabled", "Enabled"}) dhcp->AddItem(t);
    dhcp->SetItemIndex(1);
    auto* stp = new ui::CheckBox(&form);
    stp->SetBounds(320, 50, 150, 24);
    stp->SetCaption("Spanning Tree");
    stp->SetChecked(true);
    auto* band = new ui::RadioGroup(&form);
    band->SetBounds(320, 78, 150, 50);
    band->SetCaption("Band");
    band->SetColumns(2);
    band->AddItem("2.4G");
    band->AddItem("5G");
    band->SetItemIndex(0);
    auto* clients = new ui::ListView(&form);
    clients->SetBounds(8, 136, 464, 150);
    clients->SetGridLines(true);
    clients->AddColumn("index", 0);
    clients->AddColumn("MAC Address", 160);
    clients->AddColumn("Rate", 80);
    for (const char* mac : {"001122334455", "00AABBCCDDEE"}) {
        ui::ListItem* row = clients->AddItem();
        row->SetCaption("1");
        row->AddSubItem(mac);
        row->AddSubItem("54 Mbps");
    }
    clients->Item(1)->SetSelected(true);
    const ui::Color lamps[] = {ui::kColorLime, ui::kColorRed, ui::kColorYellow};
    for (int i = 0; i < 3; ++i) {
        auto* lamp = new ui::Shape(&form);
        lamp->SetBounds(8 + i * 24, 296, 16, 16);
        lamp->SetType(ui::ShapeType::Circle);
        lamp->SetPen(false);
        lamp->SetBrushColor(lamps[i]);
    }
    auto* save = new ui::Button(&form);
    save->SetBounds(310, 292, 76, 26);
    save->SetCaption("Save");
    auto* refresh = new ui::Button(&form);
    refresh->SetBounds(396, 292, 76, 26);
    refresh->SetCaption("Refresh");
    auto* status = new ui::StatusBar(&form);
    status->SetSimplePanel(true);
    status->SetSimpleText("Setting Success!");
}

TEST_F(uiDemoForm, RendersOffscreenToAPngOfItsSize) {
    ui::Form form(nullptr);
    Build(form);
    form.Show();
    QImage shot = form.Widget()->grab().toImage();
    EXPECT_EQ(shot.width(), 480);
    EXPECT_EQ(shot.height(), 360 + form.Widget()->height() - form.ClientHeight());
    EXPECT_EQ(form.ClientHeight(), 360);
    // Not blank: many colours, and the lamps in their own colours.
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 2) {
        for (int x = 0; x < shot.width(); x += 2) colours.insert(shot.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 20);
    int menuHeight = form.Widget()->height() - form.ClientHeight();
    EXPECT_EQ(QColor(shot.pixel(16, menuHeight + 304)), QColor(0, 255, 0));
    EXPECT_EQ(QColor(shot.pixel(40, menuHeight + 304)), QColor(255, 0, 0));
    std::string path = ui::Application::ExeFolder() + "/ui_demo_form.png";
    EXPECT_TRUE(shot.save(QString::fromStdString(path), "PNG"));
    std::cout << "demonstration form written to " << path << "\n";
}

}  // namespace

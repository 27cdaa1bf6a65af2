// The remaining controls: their properties and the events they fire.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include "platform/os/exception.h"
#include "platform/ui/form.h"
#include "platform/ui/group_box.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/main_menu.h"
#include "platform/ui/memo.h"
#include "platform/ui/page_control.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/scroll_box.h"
#include "platform/ui/shape.h"
#include "platform/ui/splitter.h"
#include "platform/ui/static_text.h"
#include "platform/ui/status_bar.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class uiControls : public uitest::UiTest {
public:
    uiControls() : form_(nullptr) { form_.SetClientSize(400, 300); }

    std::string TempFile(const std::string& name, const std::string& content) {
        std::string path = ::testing::TempDir() + name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    ui::Form form_;
};

// Device texts are shown exactly: no rich text, no accelerator "&".
TEST_F(uiControls, LabelsShowTheirCaptionAsPlainText) {
    auto* label = new ui::Label(&form_);
    label->SetCaption("<b>AP & Co</b>");
    EXPECT_EQ(label->Caption(), "<b>AP & Co</b>");
    EXPECT_EQ(static_cast<QLabel*>(label->Widget())->textFormat(), Qt::PlainText);
    EXPECT_GT(label->Width(), 20);  // auto size fits the caption
    auto* framed = new ui::StaticText(&form_);
    framed->SetBounds(10, 10, 50, 20);
    framed->SetCaption("a much longer text than fits");
    EXPECT_EQ(framed->Width(), 50);
}

// Colours reach the screen: a red bold caption and a navy panel.
TEST_F(uiControls, ColoursShowAsSet) {
    auto* label = new ui::Label(&form_);
    label->SetFontBold(true);
    label->SetFontSize(14);
    label->SetFontColor(ui::kColorRed);
    label->SetCaption("MMMM");
    auto* panel = new ui::Panel(&form_);
    panel->SetBounds(100, 100, 40, 40);
    panel->SetBackgroundColor(ui::kColorNavy);
    ShowActive(form_);
    QImage text = label->Widget()->grab().toImage();
    bool red = false;
    for (int y = 0; y < text.height() && !red; ++y) {
        for (int x = 0; x < text.width() && !red; ++x) red = text.pixelColor(x, y) == QColor(255, 0, 0);
    }
    EXPECT_TRUE(red);
    EXPECT_TRUE(label->FontBold());
    EXPECT_EQ(label->FontSize(), 14);
    EXPECT_EQ(panel->Widget()->grab().toImage().pixelColor(20, 20), QColor(0, 0, 128));
}

// Aligned panels fill their parent's edges and remaining area, and follow
// resizing.
TEST_F(uiControls, AlignedPanelsShareTheirParentsArea) {
    auto* bottom = new ui::Panel(&form_);
    bottom->SetHeight(30);
    bottom->SetAlign(ui::Align::Bottom);
    auto* right = new ui::Panel(&form_);
    right->SetWidth(116);
    right->SetAlign(ui::Align::Right);
    auto* client = new ui::Panel(&form_);
    client->SetAlign(ui::Align::Client);
    struct Expect {
        ui::Panel* panel;
        QRect at400x300;
        QRect at500x200;
    };
    const Expect expects[] = {
        {bottom, QRect(0, 270, 400, 30), QRect(0, 170, 500, 30)},
        {right, QRect(284, 0, 116, 270), QRect(384, 0, 116, 170)},
        {client, QRect(0, 0, 284, 270), QRect(0, 0, 384, 170)},
    };
    for (const Expect& e : expects) EXPECT_EQ(e.panel->Widget()->geometry(), e.at400x300);
    form_.SetClientSize(500, 200);
    for (const Expect& e : expects) EXPECT_EQ(e.panel->Widget()->geometry(), e.at500x200);
    right->SetVisible(false);
    EXPECT_EQ(client->Widget()->geometry(), QRect(0, 0, 500, 170));
}

TEST_F(uiControls, ControlsInsideAGroupBoxGoWithIt) {
    auto* group = new ui::GroupBox(&form_);
    group->SetCaption("RADIUS Server");
    auto* inner = new ui::Label(group);
    inner->SetName("La_Port");
    EXPECT_EQ(inner->Widget()->parentWidget(), group->Widget());
    EXPECT_EQ(form_.FindComponent("La_Port"), inner);
    EXPECT_EQ(group->Caption(), "RADIUS Server");
    group->SetEnabled(false);
    EXPECT_FALSE(inner->Widget()->isEnabled());
    delete group;
    EXPECT_EQ(form_.FindComponent("La_Port"), nullptr);
}

TEST_F(uiControls, MemoLinesAndListBoxFilesKeepEveryByte) {
    auto* memo = new ui::Memo(&form_);
    int changes = 0;
    memo->OnChange = [&](ui::Component*) { ++changes; };
    EXPECT_EQ(memo->LineCount(), 0);
    memo->AddLine("first \xE9");
    memo->AddLine("second");
    EXPECT_EQ(memo->LineCount(), 2);
    EXPECT_EQ(memo->Line(0), "first \xE9");
    EXPECT_EQ(memo->Text(), "first \xE9\nsecond");
    EXPECT_THROW(memo->Line(2), os::ListIndexError);
    EXPECT_GE(changes, 2);

    auto* list = new ui::ListBox(&form_);
    int clicks = 0;
    list->OnClick = [&](ui::Component*) { ++clicks; };
    ASSERT_TRUE(list->LoadFromFile(TempFile("ui_list.txt", "eth0\r\nwlan\xB0\nlast")));
    EXPECT_EQ(list->ItemCount(), 3);
    EXPECT_EQ(list->ItemText(0), "eth0");
    EXPECT_EQ(list->ItemText(1), "wlan\xB0");
    list->SetItemIndex(2);
    EXPECT_EQ(clicks, 0);  // the program's choice is not a click
    ShowActive(form_);
    QTest::keyClick(list->Widget(), Qt::Key_Up);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_FALSE(list->LoadFromFile("/nonexistent/ui_list.txt"));
    EXPECT_EQ(list->ItemCount(), 3);
}

TEST_F(uiControls, ARadioButtonClicksWhenItBecomesChecked) {
    auto* first = new ui::RadioButton(&form_);
    auto* second = new ui::RadioButton(&form_);
    int firstClicks = 0;
    first->OnClick = [&](ui::Component*) { ++firstClicks; };
    first->SetChecked(true);
    second->SetChecked(true);
    EXPECT_FALSE(first->Checked());
    first->SetChecked(true);
    first->SetChecked(false);
    EXPECT_FALSE(first->Checked());
    EXPECT_EQ(firstClicks, 2);
}

TEST_F(uiControls, PageControlReportsOnlyTheUsersPageChange) {
    auto* pages = new ui::PageControl(&form_);
    pages->SetBounds(0, 0, 400, 300);
    auto* general = new ui::TabSheet(pages);
    general->SetCaption("General");
    auto* advanced = new ui::TabSheet(pages);
    advanced->SetCaption("Advanced");
    int changes = 0;
    pages->OnChange = [&](ui::Component*) { ++changes; };
    pages->SetActivePageIndex(1);
    EXPECT_EQ(changes, 0);
    ShowActive(form_);
    QTabBar* bar = static_cast<QTabWidget*>(pages->Widget())->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    EXPECT_EQ(pages->Page(1), advanced);
    delete general;
    EXPECT_EQ(pages->PageCount(), 1);
    EXPECT_EQ(static_cast<QTabWidget*>(pages->Widget())->tabText(0), "Advanced");
}

TEST_F(uiControls, StatusBarShowsSimpleTextOrPanels) {
    auto* bar = new ui::StatusBar(&form_);
    EXPECT_EQ(bar->Alignment(), ui::Align::Bottom);
    EXPECT_EQ(bar->Top() + bar->Height(), form_.ClientHeight());
    bar->AddPanel(120);
    bar->AddPanel(80);
    bar->SetPanelText(0, "Setting Success!");
    EXPECT_EQ(bar->PanelText(0), "Setting Success!");
    EXPECT_THROW(bar->SetPanelText(2, "x"), os::ListIndexError);
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Get Error!");
    EXPECT_EQ(bar->SimpleText(), "Get Error!");
}

// A form's message line is the simple text while the bar shows it or has no
// panels, and the first panel otherwise; the other place stays untouched.
TEST_F(uiControls, StatusBarMessageGoesWhereTheBarShowsIt) {
    auto* bare = new ui::StatusBar(&form_);
    bare->ShowMessage("Get OK!");
    EXPECT_EQ(bare->SimpleText(), "Get OK!");
    EXPECT_EQ(bare->Message(), "Get OK!");

    auto* bar = new ui::StatusBar(&form_);
    bar->AddPanel(120);
    bar->AddPanel(80);
    bar->ShowMessage("Setting Success!");
    EXPECT_EQ(bar->PanelText(0), "Setting Success!");
    EXPECT_EQ(bar->PanelText(1), "");
    EXPECT_EQ(bar->SimpleText(), "");
    EXPECT_EQ(bar->Message(), "Setting Success!");

    bar->SetSimplePanel(true);
    bar->ShowMessage("Get Error!");
    EXPECT_EQ(bar->SimpleText(), "Get Error!");
    EXPECT_EQ(bar->PanelText(0), "Setting Success!");
    EXPECT_EQ(bar->Message(), "Get Error!");
}

// A status text too long for its panel shows whole as the panel's tool tip,
// in a simple bar and in a panel alike, and only while it is cut.
TEST_F(uiControls, AStatusTextTooLongForItsPanelIsItsToolTip) {
    struct Case {
        const char* name;
        bool simple;
        int formWidth;
        const char* text;
        bool tip;
    };
    const char* const longText = "The device's values have not been read yet: Save writes nothing.";
    const Case cases[] = {
        {"short, simple", true, 362, "Get OK!", false},
        {"long, simple, narrow form", true, 150, longText, true},
        {"long, simple, wide form", true, 600, longText, false},
        {"short, panel", false, 362, "Get OK!", false},
        {"long, panel, narrow form", false, 150, longText, true},
        {"long, panel, wide form", false, 600, longText, false},
    };
    auto* bar = new ui::StatusBar(&form_);
    bar->AddPanel(50);
    // The tip of the one panel showing.
    auto shownTip = [bar] {
        QStringList tips;
        for (QLabel* panel : bar->Widget()->findChildren<QLabel*>())
            if (panel->isVisible()) tips.push_back(panel->toolTip());
        return tips.size() == 1 ? tips[0] : QString("%1 panels showing").arg(tips.size());
    };
    form_.Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bar->SetSimplePanel(c.simple);
        form_.SetClientSize(c.formWidth, 100);
        RunUntil([&] { return form_.Widget()->width() == c.formWidth; });
        if (c.simple)
            bar->SetSimpleText(c.text);
        else
            bar->SetPanelText(0, c.text);
        App().ProcessMessages();  // the bar lays its panels out
        EXPECT_EQ(shownTip(), c.tip ? QString(c.text) : QString());
    }
    // The tip follows the panel's width when the window changes.
    bar->SetSimplePanel(true);
    bar->SetSimpleText(longText);
    form_.SetClientSize(150, 100);
    EXPECT_TRUE(RunUntil([&] { return shownTip() == longText; }));
    form_.SetClientSize(600, 100);
    EXPECT_TRUE(RunUntil([&] { return shownTip().isEmpty(); }));
}

TEST_F(uiControls, ShapeKeepsItsBrushColourAndImageItsPicture) {
    auto* lamp = new ui::Shape(&form_);
    lamp->SetBounds(10, 10, 20, 20);
    lamp->SetType(ui::ShapeType::Circle);
    lamp->SetPen(false);
    lamp->SetBrushColor(ui::kColorLime);
    EXPECT_EQ(lamp->BrushColor(), ui::kColorLime);
    ShowActive(form_);
    QImage shot = lamp->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(0, 255, 0));
    EXPECT_NE(shot.pixelColor(0, 0), QColor(0, 255, 0));  // outside the circle

    QImage picture(497, 97, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    std::string path = ::testing::TempDir() + "ui_device.png";
    ASSERT_TRUE(picture.save(QString::fromStdString(path)));
    auto* image = new ui::Image(&form_);
    EXPECT_FALSE(image->LoadFromFile("/nonexistent.bmp"));
    ASSERT_TRUE(image->LoadFromFile(path));
    EXPECT_EQ(image->PictureWidth(), 497);
    EXPECT_EQ(image->PictureHeight(), 97);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

// The main window sets its lamps on every blink tick: only a change repaints.
TEST_F(uiControls, AShapeRepaintsOnlyWhenWhatItShowsChanges) {
    auto* lamp = new ui::Shape(&form_);
    lamp->SetBounds(10, 10, 20, 20);
    lamp->SetBrushColor(ui::kColorLime);
    ShowActive(form_);
    QApplication::processEvents();
    PaintCounter paints(lamp->Widget());
    lamp->SetBrushColor(ui::kColorLime);
    lamp->SetType(lamp->Type());
    lamp->SetPen(lamp->HasPen());
    QApplication::processEvents();
    EXPECT_EQ(paints.count, 0);
    struct Change {
        const char* what;
        std::function<void()> apply;
    };
    const Change changes[] = {
        {"colour", [&] { lamp->SetBrushColor(ui::kColorBlack); }},
        {"type", [&] { lamp->SetType(ui::ShapeType::Circle); }},
        {"pen", [&] { lamp->SetPen(false); }},
    };
    for (const Change& change : changes) {
        int before = paints.count;
        change.apply();
        QApplication::processEvents();
        EXPECT_GT(paints.count, before) << change.what;
    }
}

TEST_F(uiControls, MenuEntriesNestHideAndCheckAsRadioItems) {
    auto* menu = new ui::MainMenu(&form_);
    EXPECT_EQ(form_.ClientHeight(), 300);  // the bar comes on top
    auto* advanced = new ui::MenuItem(menu);
    advanced->SetCaption("&Advanced");
    auto* filter = new ui::MenuItem(advanced);
    filter->SetCaption("Filter");
    auto* acl = new ui::MenuItem(filter);
    acl->SetName("Mac1");
    acl->SetCaption("Wireless MAC ACL");
    auto* arp = new ui::MenuItem(advanced);
    arp->SetName("ARPSpoofingPreventionSettings1");
    arp->SetVisible(false);
    int opened = 0;
    acl->OnClick = [&](ui::Component* sender) {
        EXPECT_EQ(sender, acl);
        ++opened;
    };
    acl->Click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(form_.FindComponent("Mac1"), acl);
    EXPECT_EQ(form_.Widget()->findChild<QAction*>("Mac1"), nullptr);  // under a submenu
    EXPECT_EQ(advanced->Action()->menu()->actions().size(), 2);
    EXPECT_FALSE(arp->Visible());
    arp->SetVisible(true);
    EXPECT_TRUE(arp->Action()->isVisible());

    auto* band24 = new ui::MenuItem(advanced);
    auto* band5 = new ui::MenuItem(advanced);
    for (ui::MenuItem* item : {band24, band5}) {
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    band24->SetChecked(true);
    band5->SetChecked(true);
    EXPECT_FALSE(band24->Checked());
    EXPECT_FALSE(band24->Action()->isChecked());
    band5->OnClick = [](ui::Component*) {};
    band5->Click();  // a click leaves the state to the handler
    EXPECT_TRUE(band5->Checked());
    EXPECT_TRUE(band5->Action()->isChecked());
    // Radio items are drawn with a round mark: the menu does so for the
    // checkable actions of an exclusive group; other entries get none.
    for (ui::MenuItem* item : {band24, band5}) {
        ASSERT_NE(item->Action()->actionGroup(), nullptr);
        EXPECT_TRUE(item->Action()->actionGroup()->isExclusive());
        EXPECT_TRUE(item->Action()->isCheckable());
    }
    EXPECT_EQ(acl->Action()->actionGroup(), nullptr);
    band24->SetRadioItem(false);
    EXPECT_EQ(band24->Action()->actionGroup(), nullptr);
}

}  // namespace

namespace {

class uiLayoutControls : public uitest::UiTest {
public:
    uiLayoutControls() : form_(nullptr) { form_.SetClientSize(400, 300); }
    ui::Form form_;
};

TEST_F(uiLayoutControls, AScrollBoxRangeCoversItsControls) {
    auto* box = new ui::ScrollBox(&form_);
    box->SetBounds(0, 0, 200, 100);
    auto* far = new ui::Label(box);
    far->SetAutoSize(false);
    far->SetBounds(10, 400, 150, 20);
    EXPECT_EQ(far->Widget()->parentWidget()->parentWidget(), static_cast<QScrollArea*>(box->Widget())->viewport());
    EXPECT_EQ(box->RangeHeight(), 420);
    far->SetTop(500);
    EXPECT_EQ(box->RangeHeight(), 520);
    delete far;
    EXPECT_EQ(box->RangeHeight(), 0);
}

// Dragging a splitter resizes the aligned control beside it; the client
// control takes the rest.
TEST_F(uiLayoutControls, ASplitterResizesTheControlBesideIt) {
    auto* buttons = new ui::Panel(&form_);
    buttons->SetWidth(116);
    buttons->SetAlign(ui::Align::Right);
    auto* splitter = new ui::Splitter(&form_, ui::Align::Right);
    auto* client = new ui::Panel(&form_);
    client->SetAlign(ui::Align::Client);
    EXPECT_EQ(splitter->Left(), 400 - 116 - 3);
    EXPECT_EQ(client->Width(), 400 - 116 - 3);
    ShowActive(form_);
    QWidget* bar = splitter->Widget();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(1 - 40, 50), bar->mapToGlobal(QPointF(1 - 40, 50)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1 - 40, 50));
    EXPECT_EQ(buttons->Width(), 156);
    EXPECT_EQ(client->Width(), 400 - 156 - 3);
    splitter->MoveBy(500);
    EXPECT_EQ(buttons->Width(), 0);
}

}  // namespace

#include "shell/about_form.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <iostream>
#include <string>

#include "platform/ui/button.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

class AboutFormTest : public uitest::UiTest {};

}  // namespace

TEST_F(AboutFormTest, ShowsTheModelAndReleaseInTheirPlaces) {
    TAboutForm box(nullptr);
    EXPECT_EQ(box.Caption(), "Help\\About");
    EXPECT_EQ(box.ClientWidth(), 350);
    EXPECT_EQ(box.ClientHeight(), 98);
    EXPECT_EQ(box.Border(), ui::BorderStyle::Single);
    EXPECT_EQ(box.Position(), ui::FormPosition::OwnerFormCenter);

    const std::pair<ui::Label* TAboutForm::*, std::string> texts[] = {
        {&TAboutForm::Label1, "VAP-7720 Management Module"},
        {&TAboutForm::Label2, "Release Version:"},
        {&TAboutForm::La_FwVer, "v1.00"},
        {&TAboutForm::Label4, "R03(2011/12/021)"},
    };
    for (const auto& [label, text] : texts) EXPECT_EQ((box.*label)->Caption(), text);

    struct Place {
        ui::Control* control;
        const char* name;
        int left, top;
        bool visible;
    };
    const Place places[] = {
        {box.Label1, "Label1", 41, 12, true},   {box.Label2, "Label2", 12, 37, true},
        {box.La_FwVer, "La_FwVer", 101, 37, true}, {box.Label4, "Label4", 134, 37, false},
        {box.Image1, "Image1", 4, -1, true},   {box.BT_Ok, "BT_Ok", 288, 57, true},
    };
    for (const Place& p : places) {
        EXPECT_EQ(box.FindComponent(p.name), p.control) << p.name;
        EXPECT_EQ(p.control->Left(), p.left) << p.name;
        EXPECT_EQ(p.control->Top(), p.top) << p.name;
        EXPECT_EQ(p.control->Visible(), p.visible) << p.name;
    }
    EXPECT_EQ(box.Image1->Width(), 32);
    EXPECT_EQ(box.Image1->Height(), 32);
    EXPECT_EQ(box.BT_Ok->Width(), 51);
    EXPECT_EQ(box.BT_Ok->Height(), 25);
    EXPECT_EQ(box.BT_Ok->Caption(), "OK");
    EXPECT_TRUE(box.Label1->FontBold());
    EXPECT_GT(box.Label1->FontSize(), box.Label2->FontSize());
    EXPECT_EQ(box.Label4->FontColor(), ui::kColorRed);
    // The release texts stand apart: each ends before the next begins.
    EXPECT_LT(box.Label2->Left() + box.Label2->Width(), box.La_FwVer->Left());
    EXPECT_LT(box.La_FwVer->Left() + box.La_FwVer->Width(), box.Label4->Left());
    EXPECT_LE(box.Label1->Left() + box.Label1->Width(), box.ClientWidth());
}

TEST_F(AboutFormTest, OnlyShiftAltF3OnTheOkButtonRevealsTheBuildTag) {
    const std::pair<Qt::KeyboardModifiers, bool> cases[] = {
        {Qt::ShiftModifier | Qt::AltModifier, true},
        {Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, true},
        {Qt::ShiftModifier, false},
        {Qt::AltModifier, false},
        {Qt::NoModifier, false},
    };
    for (const auto& [modifiers, revealed] : cases) {
        TAboutForm box(nullptr);
        ShowActive(box);
        ASSERT_TRUE(box.BT_Ok->Focused());  // the OK button has the focus when the box opens
        QTest::keyClick(box.BT_Ok->Widget(), Qt::Key_F3, modifiers);
        EXPECT_EQ(box.Label4->Visible(), revealed) << modifiers;
        EXPECT_EQ(box.Label4->Showing(), revealed) << modifiers;
    }
    TAboutForm box(nullptr);
    ShowActive(box);
    QTest::keyClick(box.BT_Ok->Widget(), Qt::Key_F2, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_FALSE(box.Label4->Visible());
}

TEST_F(AboutFormTest, OkClosesTheModalBox) {
    TAboutForm box(nullptr);
    Later(50, [&box] { box.BT_Ok->Click(); });
    box.ShowModal();
    EXPECT_FALSE(box.Widget()->isVisible());
}

// The OK button has the focus when the box opens: Return and Space press it,
// which closes the box.
TEST_F(AboutFormTest, ReturnOrSpaceOnTheFocusedOkClosesTheModalBox) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        TAboutForm box(nullptr);
        int clicks = 0;
        ui::NotifyEvent ok = box.BT_Ok->OnClick;
        box.BT_Ok->OnClick = [&clicks, ok](ui::Component* sender) {
            ++clicks;
            ok(sender);
        };
        bool focused = false;
        Later(50, [&box, &focused, &clicks, key] {
            focused = box.BT_Ok->Focused();
            QTest::keyClick(box.BT_Ok->Widget(), key);
            if (clicks == 0) box.Close();  // the key did nothing: end the loop all the same
        });
        box.ShowModal();
        EXPECT_TRUE(focused) << key;
        EXPECT_EQ(clicks, 1) << key;
        EXPECT_FALSE(box.Widget()->isVisible());
    }
}

TEST_F(AboutFormTest, RendersWithItsPictureAndTheRevealedTag) {
    TAboutForm box(nullptr);
    ShowActive(box);
    ASSERT_TRUE(box.Image1->HasPicture()) << "vap7720_about.png must lie beside the test program";
    QTest::keyClick(box.BT_Ok->Widget(), Qt::Key_F3, Qt::ShiftModifier | Qt::AltModifier);
    QImage shot = box.Widget()->grab().toImage();
    EXPECT_EQ(shot.width(), 350);
    int top = shot.height() - box.ClientHeight();
    // The picture's green lamp at (11, 21) of the picture, placed at (4, -1).
    EXPECT_EQ(QColor(shot.pixel(4 + 11, top - 1 + 21)), QColor(0, 255, 0));
    // Red text of the tag somewhere inside its label.
    bool red = false;
    for (int y = 0; y < box.Label4->Height(); ++y) {
        for (int x = 0; x < box.Label4->Width(); ++x) {
            QColor c(shot.pixel(box.Label4->Left() + x, top + box.Label4->Top() + y));
            red = red || (c.red() > 150 && c.green() < 90 && c.blue() < 90);
        }
    }
    EXPECT_TRUE(red);
    std::string path = ui::Application::ExeFolder() + "/about_box.png";
    EXPECT_TRUE(shot.save(QString::fromStdString(path), "PNG"));
    std::cout << "About box written to " << path << "\n";
}

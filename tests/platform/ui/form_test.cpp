#include "platform/ui/form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/os/exception.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "tests/platform/ui/ui_test_support.h"

namespace {

using Log = std::vector<std::string>;

class uiForm : public uitest::UiTest {
protected:
    // A form whose close query refuses the first `refusals` requests.
    std::unique_ptr<ui::Form> LoggingForm(Log& log, int refusals) {
        auto form = std::make_unique<ui::Form>(nullptr);
        form->SetClientSize(200, 100);
        auto left = std::make_shared<int>(refusals);
        form->OnCloseQuery = [&log, left](ui::Component*, bool& canClose) {
            canClose = (*left)-- <= 0;
            log.push_back(canClose ? "query: yes" : "query: no");
        };
        form->OnClose = [&log](ui::Component*, ui::CloseAction&) { log.push_back("close"); };
        return form;
    }
};

// Close(), the close box and Esc all only request the close; the modal loop
// runs the close query, and a refused close keeps the form open until the
// next request.
TEST_F(uiForm, EveryWayOfClosingAModalFormPassesThroughTheCloseQuery) {
    struct Case {
        const char* name;
        std::function<void(ui::Form&)> request;
    };
    const Case cases[] = {
        {"Close()", [](ui::Form& form) { form.Close(); }},
        {"close box", [](ui::Form& form) { form.Widget()->close(); }},
        {"Esc", [](ui::Form& form) { QTest::keyClick(form.Widget(), Qt::Key_Escape); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log log;
        auto form = LoggingForm(log, 1);
        bool visibleAfterRefusal = false;
        Later(20, [&] {
            c.request(*form);
            Later(20, [&] {
                visibleAfterRefusal = form->Widget()->isVisible();
                c.request(*form);
            });
        });
        EXPECT_EQ(form->ShowModal(), ui::kModalCancel);
        EXPECT_TRUE(visibleAfterRefusal);
        EXPECT_FALSE(form->Widget()->isVisible());
        EXPECT_EQ(log, (Log{"query: no", "query: yes", "close"}));
    }
}

// A handler that calls Close() and then lets messages run (as a list fill
// does) finishes before the close handlers run.
TEST_F(uiForm, CloseFromAHandlerRunsTheCloseHandlersOnlyAfterTheHandlerReturns) {
    Log log;
    auto form = LoggingForm(log, 0);
    auto* button = new ui::Button(form.get());
    button->SetName("Bt_Close");
    button->OnClick = [&](ui::Component*) {
        form->Close();
        log.push_back("handler: Close called");
        ui::Application::Instance()->ProcessMessages();
        ui::Application::Instance()->WaitForMessages(20);
        log.push_back("handler: returns");
    };
    Later(20, [&] { QTest::mouseClick(button->Widget(), Qt::LeftButton); });
    form->ShowModal();
    EXPECT_EQ(log, (Log{"handler: Close called", "handler: returns", "query: yes", "close"}));
}

TEST_F(uiForm, ACloseHandlerThatKeepsTheFormOpenResetsTheModalResult) {
    ui::Form form(nullptr);
    int closeCalls = 0;
    int resultAfterRefusal = -1;
    form.OnClose = [&](ui::Component*, ui::CloseAction& action) {
        if (++closeCalls == 1) action = ui::CloseAction::None;
    };
    Later(20, [&] {
        form.SetModalResult(ui::kModalOk);
        Later(20, [&] {
            resultAfterRefusal = form.ModalResult();
            form.SetModalResult(ui::kModalYes);
        });
    });
    EXPECT_EQ(form.ShowModal(), ui::kModalYes);
    EXPECT_EQ(resultAfterRefusal, ui::kModalNone);
    EXPECT_EQ(closeCalls, 2);
}

TEST_F(uiForm, AnExceptionInTheCloseQueryIsShownAndTheFormStaysOpen) {
    ui::Form form(nullptr);
    int queries = 0;
    form.OnCloseQuery = [&](ui::Component*, bool&) {
        if (++queries == 1) throw os::Exception("The transfer is still running!", -7);
    };
    Dialogs().ExpectBox("UiTest", "The transfer is still running!", ui::Answer::Ok);
    bool openAfterFailure = false;
    Later(20, [&] {
        form.Close();
        Later(20, [&] {
            openAfterFailure = form.Widget()->isVisible();
            form.Close();
        });
    });
    form.ShowModal();
    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(queries, 2);
}

TEST_F(uiForm, AButtonWithAModalResultEndsTheModalLoopWithIt) {
    ui::Form form(nullptr);
    auto* ok = new ui::Button(&form);
    ok->SetModalResult(ui::kModalOk);
    int clicks = 0;
    ok->OnClick = [&](ui::Component*) { ++clicks; };
    Later(20, [&] { ok->Click(); });
    EXPECT_EQ(form.ShowModal(), ui::kModalOk);
    EXPECT_EQ(clicks, 1);
}

// The creation step runs once, after construction, and before the form shows.
TEST_F(uiForm, TheCreationStepRunsOnceBeforeTheFormShows) {
    struct Page : ui::Form {
        explicit Page(Log& log) : ui::Form(nullptr), log_(log) { log_.push_back("constructed"); }
        void DoCreate() override {
            log_.push_back("created");
            ui::Form::DoCreate();
        }
        Log& log_;
    };
    Log log;
    std::unique_ptr<Page> page(ui::NewForm<Page>(log));
    page->OnShow = [&](ui::Component*) { log.push_back("shown"); };
    page->Show();
    page->Hide();
    page->Show();
    EXPECT_EQ(log, (Log{"constructed", "created", "shown", "shown"}));
}

TEST_F(uiForm, ShowMakesTheFormVisibleWithItsCaptionAndClientSize) {
    ui::Form form(nullptr);
    form.SetCaption("Status");
    form.SetClientSize(320, 200);
    form.Show();
    EXPECT_TRUE(form.Widget()->isVisible());
    EXPECT_EQ(form.ClientWidth(), 320);
    EXPECT_EQ(form.ClientHeight(), 200);
    EXPECT_EQ(form.Caption(), "Status");
}

// Fixed borders keep the size the program gives; only a sizeable form offers
// the maximise box.
TEST_F(uiForm, BorderStylesDecideResizingAndBoxes) {
    struct Case {
        ui::BorderStyle style;
        bool resizable;
        bool maximizeBox;
    };
    const Case cases[] = {
        {ui::BorderStyle::Sizeable, true, true},
        {ui::BorderStyle::Single, false, false},
        {ui::BorderStyle::Dialog, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        ui::Form form(nullptr);
        form.SetBorderStyle(c.style);
        form.SetClientSize(300, 200);
        QWidget* w = form.Widget();
        EXPECT_EQ(w->minimumSize() != w->maximumSize(), c.resizable);
        EXPECT_EQ(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint), c.maximizeBox);
        EXPECT_EQ(form.ClientWidth(), 300);
        form.SetBorderIcons(false, false);
        EXPECT_FALSE(w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }
}

TEST_F(uiForm, CentringPlacesTheFormInTheMiddleOfTheScreenOrItsOwner) {
    ui::Form owner(nullptr);
    owner.SetBounds(100, 100, 400, 300);
    ui::Form::SetMainForm(&owner);
    owner.Show();
    auto* child = new ui::Form(&owner);
    child->SetClientSize(100, 50);
    child->SetPosition(ui::FormPosition::MainFormCenter);
    child->Show();
    QRect ownerRect = owner.Widget()->geometry();
    QRect childRect = child->Widget()->geometry();
    EXPECT_LE(std::abs(childRect.center().x() - ownerRect.center().x()), 1);
    EXPECT_LE(std::abs(childRect.center().y() - ownerRect.center().y()), 1);
    ui::Form::SetMainForm(nullptr);
}

// A shown form that grows past the screen's bottom or right edge moves back
// onto the screen, as far as needed; one taller than the screen gets a window
// that fits and its client area, at the size asked for, scrolls.
TEST_F(uiForm, AGrowingFormKeepsToTheScreenAndScrollsWhenTallerThanIt) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* name;
        QSize grown;      // the client size it grows to
        bool scrolls;     // taller or wider than the screen
    };
    const Case cases[] = {
        {"grows downwards", QSize(200, area.height() * 3 / 4), false},
        {"grows to the right", QSize(area.width() * 3 / 4, 100), false},
        {"taller than the screen", QSize(300, area.height() + 200), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::Form form(nullptr);
        form.SetBorderStyle(ui::BorderStyle::Single);
        form.SetClientSize(200, 100);
        ui::Edit bottom(&form);  // a control at the client area's far corner
        bottom.SetBounds(c.grown.width() - 60, c.grown.height() - 20, 50, 18);
        form.Show();
        QWidget* w = form.Widget();
        w->move(area.right() - w->frameGeometry().width() - 10, area.bottom() - w->frameGeometry().height() - 10);
        form.SetClientSize(c.grown.width(), c.grown.height());
        const QRect frame = w->frameGeometry();
        EXPECT_TRUE(area.contains(frame)) << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                          << frame.height();
        EXPECT_EQ(form.ClientWidth(), c.grown.width());
        EXPECT_EQ(form.ClientHeight(), c.grown.height());
        auto* scroll = w->findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        EXPECT_EQ(scroll->verticalScrollBar()->maximum() > 0, c.scrolls);
        if (c.scrolls) {  // the far control can be brought into view
            scroll->ensureWidgetVisible(bottom.Widget());
            const QPoint corner = bottom.Widget()->mapTo(w, QPoint(0, 0));
            EXPECT_LT(corner.y() + bottom.Height(), w->height());
        }
    }
}

// Controls and owned forms go with their owner, at once; every one is found
// by name, as a component and as a Qt object.
TEST_F(uiForm, OwnedComponentsAreDeletedWithTheOwnerAndFoundByName) {
    auto* form = new ui::Form(nullptr);
    form->SetName("FM_Test");
    auto* edit = new ui::Edit(form);
    edit->SetName("Ed_Name");
    auto* about = new ui::Form(form);
    about->SetName("AboutForm");
    EXPECT_EQ(form->FindComponent("Ed_Name"), edit);
    EXPECT_EQ(form->FindComponent("AboutForm"), about);
    EXPECT_EQ(form->Widget()->findChild<QWidget*>("Ed_Name"), edit->Widget());
    EXPECT_EQ(form->Widget()->objectName(), "FM_Test");
    QPointer<QWidget> editWidget(edit->Widget());
    QPointer<QWidget> aboutWidget(about->Widget());
    delete edit;
    EXPECT_EQ(form->FindComponent("Ed_Name"), nullptr);
    EXPECT_TRUE(editWidget.isNull());
    delete form;
    EXPECT_TRUE(aboutWidget.isNull());
}

}  // namespace

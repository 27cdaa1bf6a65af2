#include "platform/ui/application.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

#include "platform/os/exception.h"
#include "platform/ui/dialog_service.h"
#include "platform/ui/edit_widget.h"
#include "platform/ui/focus_exit_guard.h"
#include "platform/ui/form_look.h"
#include "platform/ui/message_loop.h"

namespace ui {

namespace {

Application* instance = nullptr;

std::string LocalBytes(const QString& path) {
    QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Settings of Qt's that keep an idle window from waking more than it must;
// a value the user has set is left alone:
// - Qt's own message loop instead of GLib's: each wake-up costs less (GLib's
//   loop polls and scans its sources several times per pass);
// - on X, no shared-memory images: with them every repaint of a lamp or the
//   status line waits for a round trip to the X server (and wakes Qt's X
//   reader thread), while our windows are small enough to send their few
//   changed pixels over the connection.
void ChooseQtSettings() {
    for (const char* name : {"QT_NO_GLIB", "QT_XCB_NO_MITSHM"})
        if (!qEnvironmentVariableIsSet(name)) qputenv(name, "1");
}

}  // namespace

// Qt's application with the layer's hooks on event dispatch: the focus-exit
// guard sees every event first, and no exception leaves notify (a backstop:
// the layer already catches around every handler it calls).
class Application::QtApplication : public QApplication {
public:
    QtApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override {
        QPointer<EditWidget> checked;
        try {
            if (guard_.Intercept(receiver, event, checked)) return true;
            bool result = QApplication::notify(receiver, event);
            FocusExitGuard::Finish(checked);
            return result;
        } catch (const std::exception& error) {
            FocusExitGuard::Finish(checked);
            Application::ShowException(error);
        } catch (...) {
            FocusExitGuard::Finish(checked);
            Application::ShowException(std::runtime_error("Unknown exception"));
        }
        return true;
    }

private:
    FocusExitGuard guard_;
};

Application::Application(int& argc, char** argv) {
    if (instance != nullptr) throw std::logic_error("a second application object");
    ChooseQtSettings();
    qt_ = std::make_unique<QtApplication>(argc, argv);
    instance = this;
    loop_ = std::make_unique<MessageLoop>(*this);
    os::SetEventLoop(loop_.get());
    // Closing the last window must not end a loop by itself: the program ends
    // its loops with Terminate.
    QApplication::setQuitOnLastWindowClosed(false);
    UseFormLook();
}

Application::~Application() {
    SetCursor(Cursor::Default);
    os::SetEventLoop(nullptr);
    instance = nullptr;
}

Application* Application::Instance() { return instance; }

// Kept for our own boxes only: Qt's display name would be appended to every
// window caption on some platforms.
void Application::SetTitle(const std::string& title) { title_ = title; }

void Application::Run() {
    while (!terminated_) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

void Application::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Application::WaitForMessages(int milliseconds) {
    // The timer bounds the wait; its own event ends it at the latest.
    QTimer bound;
    bound.setSingleShot(true);
    bound.start(milliseconds < 0 ? 0 : milliseconds);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void Application::Terminate() {
    terminated_ = true;
    // Also ends loops that Qt runs itself, such as a real message box.
    QCoreApplication::exit(0);
    WakeUp();
}

void Application::ShowException(const std::exception& error) {
    auto* ours = dynamic_cast<const os::Exception*>(&error);
    std::string text = ours != nullptr ? ours->Message() : std::string(error.what());
    if (instance == nullptr) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    try {
        MessageBox(text, instance->title_, Buttons::Ok, Icon::Error);
    } catch (...) {
        // The display itself failed; there is nowhere left to show it.
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

void Application::SetCursor(Cursor cursor) {
    if (cursor == cursor_) return;
    if (cursor_ != Cursor::Default) QApplication::restoreOverrideCursor();
    if (cursor != Cursor::Default) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    cursor_ = cursor;
}

std::string Application::ExePath() { return LocalBytes(QCoreApplication::applicationFilePath()); }

std::string Application::ExeName() {
    return LocalBytes(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

std::string Application::ExeFolder() { return LocalBytes(QCoreApplication::applicationDirPath()); }

void Application::WakeUp() {
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        dispatcher->wakeUp();
    }
}

}  // namespace ui

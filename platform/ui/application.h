#pragma once
// The application object: one per process. It owns Qt's application, keeps
// the program's title, runs the message loop, processes pending messages on
// request, ends the program on Terminate and shows exceptions that no handler
// caught. Every form must be deleted before it. While it lives, its message
// loop is the installed os::EventLoop (platform/ui/message_loop.h).

#include <exception>
#include <memory>
#include <string>

namespace ui {

enum class Cursor { Default, HourGlass };

class MessageLoop;

class Application {
public:
    // argc and argv must outlive the object (Qt keeps references to them).
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one application object; null before it is made and after it is gone.
    static Application* Instance();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);  // the caption of its message boxes

    // Runs the message loop until Terminate. Returns at once when Terminate was
    // called before.
    void Run();

    // Handles every pending message and returns without waiting.
    void ProcessMessages();

    // Handles pending messages, waiting at most `milliseconds` (not scaled
    // here) for the first one to arrive. For loops that wait for something a
    // message will bring, without spinning.
    void WaitForMessages(int milliseconds);

    // Ends the message loop and every modal loop, also when called before they
    // start: a later Run or ShowModal returns at once.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Shows the exception's message (os::Exception::Message, else what()) in
    // an error box captioned with the title. The loop goes on afterwards.
    static void ShowException(const std::exception& error);

    // The screen cursor: one value, not a stack.
    void SetCursor(Cursor cursor);
    Cursor CurrentCursor() const { return cursor_; }

    // The running program's file path, its file name and its folder (ending
    // without a separator).
    static std::string ExePath();
    static std::string ExeName();
    static std::string ExeFolder();

    // Wakes a loop that waits for messages, so it looks at its exit condition.
    static void WakeUp();

private:
    class QtApplication;
    std::unique_ptr<QtApplication> qt_;
    std::unique_ptr<MessageLoop> loop_;
    std::string title_;
    bool terminated_ = false;
    Cursor cursor_ = Cursor::Default;
};

}  // namespace ui

#pragma once
// A dialog service for tests. It records every message box (caption, text,
// buttons, icon), every file dialog request and every beep, and answers from a
// script of expected boxes and chosen files, in order. A box or file dialog
// that the script does not expect, or one with another caption or text, is
// reported through the failure reporter (tests pass one that fails the test).
// While installed it replaces the service the program uses; its destructor
// puts the previous one back and reports expected boxes that never came.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/dialog_service.h"

namespace ui {

struct RecordedBox {
    std::string caption;
    std::string text;
    Buttons buttons;
    Icon icon;
};

class ScriptedDialogs : public DialogService {
public:
    using FailureReporter = std::function<void(const std::string& failure)>;

    explicit ScriptedDialogs(FailureReporter reportFailure);
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    // The next box must have this caption and text; it is answered with
    // `answer`. `whileOpen` runs while the box is "open", the way a real box
    // runs its own message loop (for example to let timers fire).
    void ExpectBox(const std::string& caption, const std::string& text, Answer answer,
                   std::function<void()> whileOpen = {});
    // The next open or save dialog chooses `path`; an empty path cancels.
    void ExpectFile(const std::string& path);

    const std::vector<RecordedBox>& Boxes() const { return boxes_; }
    const std::vector<FileDialogRequest>& FileRequests() const { return fileRequests_; }
    int BeepCount() const { return beeps_; }
    // Boxes and file choices scripted but not yet shown.
    size_t PendingCount() const { return expectedBoxes_.size() + expectedFiles_.size(); }

    Answer ShowMessageBox(const std::string& caption, const std::string& text, Buttons buttons,
                          Icon icon) override;
    bool ChooseOpenFile(const FileDialogRequest& request, std::string& path) override;
    bool ChooseSaveFile(const FileDialogRequest& request, std::string& path) override;
    void Beep() override { ++beeps_; }

private:
    struct ExpectedBox {
        std::string caption;
        std::string text;
        Answer answer;
        std::function<void()> whileOpen;
    };

    bool ChooseFile(const FileDialogRequest& request, std::string& path);

    FailureReporter reportFailure_;
    DialogService* previous_;
    std::deque<ExpectedBox> expectedBoxes_;
    std::deque<std::string> expectedFiles_;
    std::vector<RecordedBox> boxes_;
    std::vector<FileDialogRequest> fileRequests_;
    int beeps_ = 0;
};

}  // namespace ui

#include "platform/ui/scripted_dialogs.h"

#include <utility>

namespace ui {

namespace {

bool Offers(Buttons buttons, Answer answer) {
    switch (buttons) {
        case Buttons::Ok: return answer == Answer::Ok;
        case Buttons::OkCancel: return answer == Answer::Ok || answer == Answer::Cancel;
        case Buttons::YesNo: return answer == Answer::Yes || answer == Answer::No;
    }
    return false;
}

// What closing an unexpected box would answer.
Answer Dismissal(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkCancel: return Answer::Cancel;
        case Buttons::YesNo: return Answer::No;
        case Buttons::Ok: break;
    }
    return Answer::Ok;
}

std::string Describe(const std::string& caption, const std::string& text) {
    return "[" + caption + "] \"" + text + "\"";
}

}  // namespace

ScriptedDialogs::ScriptedDialogs(FailureReporter reportFailure)
    : reportFailure_(std::move(reportFailure)), previous_(SetDialogService(this)) {}

ScriptedDialogs::~ScriptedDialogs() {
    SetDialogService(previous_);
    for (const ExpectedBox& box : expectedBoxes_) {
        reportFailure_("expected message box never shown: " + Describe(box.caption, box.text));
    }
    for (const std::string& path : expectedFiles_) {
        reportFailure_("expected file dialog never shown (would choose \"" + path + "\")");
    }
}

void ScriptedDialogs::ExpectBox(const std::string& caption, const std::string& text, Answer answer,
                                std::function<void()> whileOpen) {
    expectedBoxes_.push_back({caption, text, answer, std::move(whileOpen)});
}

void ScriptedDialogs::ExpectFile(const std::string& path) { expectedFiles_.push_back(path); }

Answer ScriptedDialogs::ShowMessageBox(const std::string& caption, const std::string& text,
                                       Buttons buttons, Icon icon) {
    boxes_.push_back({caption, text, buttons, icon});
    if (expectedBoxes_.empty()) {
        reportFailure_("unexpected message box: " + Describe(caption, text));
        return Dismissal(buttons);
    }
    ExpectedBox expected = std::move(expectedBoxes_.front());
    expectedBoxes_.pop_front();
    if (expected.caption != caption || expected.text != text) {
        reportFailure_("message box " + Describe(caption, text) + " where " +
                       Describe(expected.caption, expected.text) + " was expected");
    }
    if (!Offers(buttons, expected.answer)) {
        reportFailure_("scripted answer is not a button of " + Describe(caption, text));
        return Dismissal(buttons);
    }
    if (expected.whileOpen) expected.whileOpen();
    return expected.answer;
}

bool ScriptedDialogs::ChooseOpenFile(const FileDialogRequest& request, std::string& path) {
    return ChooseFile(request, path);
}

bool ScriptedDialogs::ChooseSaveFile(const FileDialogRequest& request, std::string& path) {
    return ChooseFile(request, path);
}

bool ScriptedDialogs::ChooseFile(const FileDialogRequest& request, std::string& path) {
    fileRequests_.push_back(request);
    if (expectedFiles_.empty()) {
        reportFailure_("unexpected file dialog: \"" + request.title + "\"");
        return false;
    }
    std::string chosen = expectedFiles_.front();
    expectedFiles_.pop_front();
    if (chosen.empty()) return false;
    path = chosen;
    return true;
}

}  // namespace ui

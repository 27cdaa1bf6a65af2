#include "platform/ui/qt_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "platform/ui/text.h"

namespace ui {

namespace {

QMessageBox::Icon QtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Error: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

Answer FromQtButton(int button, Buttons buttons) {
    switch (button) {
        case QMessageBox::Ok: return Answer::Ok;
        case QMessageBox::Cancel: return Answer::Cancel;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: break;
    }
    if (buttons == Buttons::OkCancel) return Answer::Cancel;
    if (buttons == Buttons::YesNo) return Answer::No;
    return Answer::Ok;
}

// File names are bytes of the file system, not Latin-1 text.
std::string PathBytes(const QString& path) {
    QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString PathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

QString StartPath(const FileDialogRequest& request) {
    if (request.fileName.empty()) return PathText(request.initialFolder);
    if (request.initialFolder.empty()) return PathText(request.fileName);
    return PathText(request.initialFolder + "/" + request.fileName);
}

}  // namespace

Answer QtDialogs::ShowMessageBox(const std::string& caption, const std::string& text,
                                 Buttons buttons, Icon icon) {
    QPointer<QWidget> previous = QApplication::activeWindow();
    QMessageBox box(QtIcon(icon), ToQt(caption), ToQt(text), QtButtons(buttons), previous);
    box.setTextFormat(Qt::PlainText);
    Answer answer = FromQtButton(box.exec(), buttons);
    // Give the window the box came from its activation back (and with it the
    // focus to its focused control); not every platform does it by itself.
    if (previous) previous->activateWindow();
    return answer;
}

bool QtDialogs::ChooseOpenFile(const FileDialogRequest& request, std::string& path) {
    QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), ToQt(request.title),
                                                  StartPath(request),
                                                  ToQt(QtFileFilter(request.filter)));
    if (chosen.isEmpty()) return false;
    path = PathBytes(chosen);
    return true;
}

bool QtDialogs::ChooseSaveFile(const FileDialogRequest& request, std::string& path) {
    QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), ToQt(request.title),
                                                  StartPath(request),
                                                  ToQt(QtFileFilter(request.filter)));
    if (chosen.isEmpty()) return false;
    path = PathBytes(chosen);
    return true;
}

void QtDialogs::Beep() { QApplication::beep(); }

std::string QtFileFilter(const std::string& filter) {
    std::string result;
    size_t start = 0;
    while (start < filter.size()) {
        size_t bar = filter.find('|', start);
        std::string description = filter.substr(start, bar == std::string::npos ? bar : bar - start);
        std::string patterns;
        if (bar != std::string::npos) {
            size_t end = filter.find('|', bar + 1);
            patterns = filter.substr(bar + 1, end == std::string::npos ? end : end - bar - 1);
            start = end == std::string::npos ? filter.size() : end + 1;
        } else {
            start = filter.size();
        }
        for (char& c : patterns) {
            if (c == ';') c = ' ';
        }
        if (!result.empty()) result += ";;";
        result += patterns.empty() ? description : description + " (" + patterns + ")";
    }
    return result;
}

}  // namespace ui

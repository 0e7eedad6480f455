#include "ScriptedDialogs.h"

namespace kolekt::test {

ScriptedMessageBox::ScriptedMessageBox() {
    setMessageBoxSeam(this);
}
ScriptedMessageBox::~ScriptedMessageBox() {
    setMessageBoxSeam(nullptr);
}

QStringList ScriptedMessageBox::texts() const {
    QStringList result;
    for (const ShownMessage& message : shown_) {
        result << message.text;
    }
    return result;
}

MessageAnswer ScriptedMessageBox::show(QWidget*, const QString& text, MessageButtons buttons,
                                       MessageIcon icon) {
    shown_.append({text, buttons, icon, {}});
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

int ScriptedMessageBox::offer(QWidget*, const QString& text, const QStringList& offers,
                              MessageIcon icon) {
    shown_.append({text, MessageButtons::Ok, icon, offers});
    if (offers_.empty())
        return -1;
    const int index = offers_.front();
    offers_.pop_front();
    return index;
}

ScriptedFileDialog::ScriptedFileDialog() {
    setFileDialogSeam(this);
}
ScriptedFileDialog::~ScriptedFileDialog() {
    setFileDialogSeam(nullptr);
}

QString ScriptedFileDialog::openFile(QWidget*, const OpenFileRequest& request) {
    requests_.append(request);
    return nextChoice();
}

QString ScriptedFileDialog::saveFile(QWidget*, const SaveFileRequest& request) {
    saveRequests_.append(request);
    return nextChoice();
}

QString ScriptedFileDialog::nextChoice() {
    if (choices_.empty())
        return {};
    QString choice = choices_.front();
    choices_.pop_front();
    return choice;
}

} // namespace kolekt::test

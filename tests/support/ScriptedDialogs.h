// Test stand-ins for the message box and file dialog seams. Installed on
// construction, removed on destruction.
#pragma once

#include "ui/common/FileDialog.h"
#include "ui/common/MessageBox.h"

#include <QList>
#include <QString>
#include <deque>

namespace kolekt::test {

struct ShownMessage {
    QString text;
    MessageButtons buttons;
    MessageIcon icon;
    QStringList offers; // the buttons of a message that offers what to do instead
};

class ScriptedMessageBox : public MessageBoxSeam {
public:
    ScriptedMessageBox();
    ~ScriptedMessageBox() override;

    // Answers given in order; when none is queued a box answers Ok (or Yes for Yes/No).
    void queueAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    // Offers chosen in order (-1 for OK); when none is queued a message that offers answers OK.
    void queueOffer(int index) { offers_.push_back(index); }
    const QList<ShownMessage>& shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

    MessageAnswer show(QWidget* parent, const QString& text, MessageButtons buttons,
                       MessageIcon icon) override;
    int offer(QWidget* parent, const QString& text, const QStringList& offers,
              MessageIcon icon) override;

private:
    std::deque<MessageAnswer> answers_;
    std::deque<int> offers_;
    QList<ShownMessage> shown_;
};

class ScriptedFileDialog : public FileDialogSeam {
public:
    ScriptedFileDialog();
    ~ScriptedFileDialog() override;

    // The next openFile or saveFile returns this path (empty = cancel).
    void queueChoice(const QString& path) { choices_.push_back(path); }
    const QList<OpenFileRequest>& requests() const { return requests_; }
    const QList<SaveFileRequest>& saveRequests() const { return saveRequests_; }

    QString openFile(QWidget* parent, const OpenFileRequest& request) override;
    QString saveFile(QWidget* parent, const SaveFileRequest& request) override;

private:
    QString nextChoice();

    std::deque<QString> choices_;
    QList<OpenFileRequest> requests_;
    QList<SaveFileRequest> saveRequests_;
};

} // namespace kolekt::test

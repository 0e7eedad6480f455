// The small window shown while a mail goes to the mail server: what is happening, a busy bar
// and Cancel. It stays until the transfer has ended, however it is asked to close, so that no
// command of the window under it runs meanwhile.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kolekt {

class TransferProgressDialog : public QDialog {
    Q_OBJECT

public:
    // cancel is called when the user cancels: with Cancel, Esc or the close box.
    TransferProgressDialog(const QString& server, std::function<void()> cancel, QWidget* owner);

    // Closes the window once the transfer has ended.
    void finish();
    // For a series of mails the one window stays: it says which mail goes, done of total, and
    // Cancel reaches the transfer under way.
    void showStep(const QString& text, int done, int total);
    void setCancel(std::function<void()> cancel);

    void reject() override;

private:
    std::function<void()> cancel_;
    QLabel* label_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
    bool finished_ = false;
};

} // namespace kolekt

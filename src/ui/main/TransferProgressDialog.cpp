#include "ui/main/TransferProgressDialog.h"

#include "ui/common/MessageBox.h"
#include "ui/common/UiText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kolekt {

TransferProgressDialog::TransferProgressDialog(const QString& server, std::function<void()> cancel,
                                               QWidget* owner)
    : QDialog(owner), cancel_(std::move(cancel)) {
    setWindowTitle(applicationName());
    setWindowModality(Qt::ApplicationModal);
    const QString what = loadUiText(TextId::SendingMail, {server});
    label_ = new QLabel(what, this);
    label_->setTextFormat(Qt::PlainText);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 0); // busy: the server says nothing of how far it is
    bar_->setTextVisible(false);
    bar_->setAccessibleName(what);
    auto* buttons = new QDialogButtonBox(this);
    cancelButton_ =
        buttons->addButton(loadUiText(TextId::CancelButton), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &TransferProgressDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cancelButton_->setFocus();
}

void TransferProgressDialog::showStep(const QString& text, int done, int total) {
    label_->setText(text);
    bar_->setAccessibleName(text);
    bar_->setRange(0, total);
    bar_->setValue(done);
}

void TransferProgressDialog::setCancel(std::function<void()> cancel) {
    cancel_ = std::move(cancel);
}

void TransferProgressDialog::finish() {
    finished_ = true;
    QDialog::reject();
}

void TransferProgressDialog::reject() {
    if (finished_) {
        QDialog::reject();
        return;
    }
    // The transfer ends within a second of being told; the window goes when it has.
    cancelButton_->setEnabled(false);
    cancel_();
}

} // namespace kolekt

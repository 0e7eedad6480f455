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
    auto* label = new QLabel(what, this);
    label->setTextFormat(Qt::PlainText);
    auto* bar = new QProgressBar(this);
    bar->setRange(0, 0); // busy: the server says nothing of how far it is
    bar->setTextVisible(false);
    bar->setAccessibleName(what);
    auto* buttons = new QDialogButtonBox(this);
    cancelButton_ =
        buttons->addButton(loadUiText(TextId::CancelButton), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &TransferProgressDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(bar);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cancelButton_->setFocus();
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

#include "services/ReturnFile.h"

#include "collection/CollectionStore.h"
#include "collection/ReturnPath.h"
#include "services/MailMessage.h"
#include "ui/common/MessageBox.h"
#include "ui/common/RecordText.h"
#include "ui/common/UiText.h"

#include <QFile>

namespace kolekt {

namespace {

constexpr int kTextSaved = 1038;
constexpr int kTextOfferStart = 1039;
constexpr int kTextOfferNo = 1040;
constexpr int kTextOfferOr = 1041;
constexpr int kTextSubject = 1042;
constexpr int kTextBody = 1043;
constexpr int kTextGroup = 1058;
constexpr int kTextFirstMonth = 102;

} // namespace

void createReturnFile(CollectionStore& store, const MailSettings& settings, QWidget* owner) {
    if (!isCollectionPath(store.filePath())) {
        return;
    }
    const std::string path = returnPath(store.filePath());
    if (!store.saveCollection(path)) {
        return;
    }
    const QString shownPath = QFile::decodeName(QByteArray::fromStdString(path));
    QString message = loadUiText(kTextSaved);
    message.replace(QLatin1String("%1"), shownPath);

    const QString address = fromRecordText(store.secretaryAddress(), store.languageCode());
    if (!address.contains(QLatin1Char('@'))) {
        messageBox(message, MessageButtons::Ok, MessageIcon::None, owner);
        return;
    }
    message +=
        loadUiText(kTextOfferStart) + address + loadUiText(kTextOfferOr) + loadUiText(kTextOfferNo);
    if (messageBox(message, MessageButtons::YesNo, MessageIcon::Question, owner) !=
        MessageAnswer::Yes) {
        return;
    }

    const QString month = loadUiText(kTextFirstMonth + store.month());
    const QString group =
        QStringLiteral("%1 %2").arg(loadUiText(kTextGroup)).arg(store.groupNumber());
    MailMessage mail(settings);
    if (mail.takeError() != mail_error::kNone) {
        return;
    }
    mail.addRecipients(address);
    mail.setSenderName(QStringLiteral("Kolekt"));
    mail.setSubject(loadUiText(kTextSubject) + QStringLiteral(" - ") + month +
                    QStringLiteral(" - ") + group);
    mail.setBody(month + QLatin1Char(' ') + loadUiText(kTextBody) + QLatin1Char(' ') + group);
    mail.addAttachment(shownPath);
    mail.sendMail();
}

} // namespace kolekt

#include "services/ReturnFile.h"

#include "collection/CollectionPath.h"
#include "collection/CollectionStore.h"
#include "resources/TextTables.h"
#include "services/MailMessage.h"
#include "ui/common/MessageBox.h"
#include "ui/common/RecordText.h"
#include "ui/common/UiText.h"

#include <QFile>

namespace kolekt {

void createReturnFile(CollectionStore& store, const MailSettings& settings, QWidget* owner) {
    if (!isCollectionPath(store.filePath())) {
        return;
    }
    const std::string path = returnPath(store.filePath());
    if (!store.saveCollection(path)) {
        return;
    }
    const QString shownPath = QFile::decodeName(QByteArray::fromStdString(path));
    QString message = loadUiText(TextId::UpdatesSaved, {shownPath});

    const QString address = fromRecordText(store.secretaryAddress(), store.languageCode());
    if (!address.contains(QLatin1Char('@'))) {
        messageBox(message, MessageButtons::Ok, MessageIcon::None, owner);
        return;
    }
    message += loadUiText(TextId::OfferMailStart) + address + loadUiText(TextId::OfferMailOr) +
               loadUiText(TextId::OfferMailLater);
    if (messageBox(message, MessageButtons::YesNo, MessageIcon::Question, owner) !=
        MessageAnswer::Yes) {
        return;
    }

    const QString month = QString::fromStdString(monthName(store.month()));
    const QString group =
        loadUiText(TextId::Group) + QLatin1Char(' ') + QString::number(store.groupNumber());
    MailMessage mail(settings);
    if (mail.takeError() != mail_error::kNone) {
        return;
    }
    mail.addRecipients(address);
    mail.setSenderName(QStringLiteral("Kolekt"));
    mail.setSubject(loadUiText(TextId::ReturnMailSubject) + QStringLiteral(" - ") + month +
                    QStringLiteral(" - ") + group);
    mail.setBody(month + QLatin1Char(' ') + loadUiText(TextId::ReturnMailBody) + QLatin1Char(' ') +
                 group);
    mail.addAttachment(shownPath);
    mail.sendMail();
}

} // namespace kolekt

#include "services/SmtpTransport.h"

#include "services/HandOff.h"

#include <QFileInfo>
#include <QUrl>
#include <curl/curl.h>
#include <memory>

namespace kolekt {

namespace {

constexpr long kConnectTimeoutSeconds = 30;
constexpr long kTransferTimeoutSeconds = 300;

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

template <typename T> using CurlPtr = std::unique_ptr<T, CurlDeleter>;

// A header value in plain ASCII as it is, anything else as an RFC 2047 word.
QByteArray headerText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e) {
            return "=?UTF-8?B?" + utf8.toBase64() + "?=";
        }
    }
    return utf8;
}

bool appendTo(CurlPtr<curl_slist>& list, const QByteArray& line) {
    curl_slist* grown = curl_slist_append(list.get(), line.constData());
    if (grown == nullptr) {
        return false;
    }
    if (!list) {
        list.reset(grown);
    }
    return true;
}

QByteArray angleAddress(const QString& address) {
    return '<' + address.toUtf8() + '>';
}

} // namespace

SmtpTransport::SmtpTransport(MailSettings settings) : settings_(std::move(settings)) {}

bool SmtpTransport::isUsable(const MailSettings& settings) {
    const QUrl url(settings.smtpUrl, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("smtp") || scheme == QLatin1String("smtps")) &&
           !settings.from.isEmpty();
}

bool SmtpTransport::logOn(HandOffHost& host) {
    if (settings_.user.isEmpty()) {
        return true;
    }
    const std::optional<QString> password =
        host.askPassword(settings_.user, QUrl(settings_.smtpUrl).host());
    if (!password) {
        return false;
    }
    password_ = *password;
    return true;
}

SendResult SmtpTransport::send(const OutgoingMail& mail) {
    CurlPtr<CURL> curl(curl_easy_init());
    if (!curl) {
        return SendResult::Failed;
    }
    CURL* handle = curl.get();

    const QByteArray url = settings_.smtpUrl.toUtf8();
    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(handle, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, kTransferTimeoutSeconds);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);

    const QByteArray user = settings_.user.toUtf8();
    const QByteArray password = password_.toUtf8();
    if (!user.isEmpty()) {
        curl_easy_setopt(handle, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, password.constData());
    }

    const QByteArray from = angleAddress(settings_.from);
    curl_easy_setopt(handle, CURLOPT_MAIL_FROM, from.constData());

    CurlPtr<curl_slist> recipients;
    QStringList toHeader;
    for (const MailRecipient& recipient : mail.recipients) {
        const QString address = plainAddress(recipient);
        if (!appendTo(recipients, angleAddress(address))) {
            return SendResult::Failed;
        }
        toHeader << address;
    }
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients.get());

    QByteArray fromHeader = "From: ";
    if (!mail.originator.name.isEmpty()) {
        fromHeader += headerText(mail.originator.name) + ' ';
    }
    fromHeader += angleAddress(settings_.from);
    CurlPtr<curl_slist> headers;
    if (!appendTo(headers, "Subject: " + headerText(mail.subject)) ||
        !appendTo(headers, fromHeader) ||
        !appendTo(headers, "To: " + toHeader.join(QStringLiteral(", ")).toUtf8())) {
        return SendResult::Failed;
    }
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());

    CurlPtr<curl_mime> mime(curl_mime_init(handle));
    if (!mime) {
        return SendResult::Failed;
    }
    const QByteArray body = mail.noteText.toUtf8();
    curl_mimepart* text = curl_mime_addpart(mime.get());
    curl_mime_data(text, body.constData(), static_cast<std::size_t>(body.size()));
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "quoted-printable");
    for (const MailAttachment& attachment : mail.attachments) {
        const QFileInfo file(attachment.pathName);
        const QByteArray path = QFile::encodeName(file.absoluteFilePath());
        const QByteArray name =
            (attachment.fileName.isEmpty() ? file.fileName() : attachment.fileName).toUtf8();
        curl_mimepart* part = curl_mime_addpart(mime.get());
        if (curl_mime_filedata(part, path.constData()) != CURLE_OK) {
            return SendResult::Failed;
        }
        curl_mime_filename(part, name.constData());
        curl_mime_type(part, "application/octet-stream");
        curl_mime_encoder(part, "base64");
    }
    curl_easy_setopt(handle, CURLOPT_MIMEPOST, mime.get());

    return curl_easy_perform(handle) == CURLE_OK ? SendResult::Delivered : SendResult::Failed;
}

} // namespace kolekt

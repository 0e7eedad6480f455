#include "services/SmtpTransport.h"

#include "collection/CollectionStore.h"
#include "services/HandOff.h"
#include "services/MailHeaders.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QUrl>
#include <QUuid>
#include <atomic>
#include <curl/curl.h>
#include <memory>

namespace kolekt {

namespace {

// A backstop for the whole transfer; a silent server is caught by the server timeout long before.
constexpr long kTransferTimeoutSeconds = 600;

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

template <typename T> using CurlPtr = std::unique_ptr<T, CurlDeleter>;

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

bool isLoopbackHost(const QString& host) {
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
        host == QLatin1String("::1")) {
        return true;
    }
    const QStringList parts = host.split(QLatin1Char('.'));
    if (parts.size() != 4 || parts[0] != QLatin1String("127")) {
        return false;
    }
    for (const QString& part : parts) {
        bool number = !part.isEmpty() && part.size() <= 3;
        for (const QChar c : part) {
            number = number && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        }
        if (!number || part.toInt() > 255) {
            return false;
        }
    }
    return true;
}

// The password only ever travels encrypted: smtps:// is encrypted from the start; with
// smtp:// a log-on needs STARTTLS, unless the settings allow plain text to a local relay.
long tlsRequirement(const MailSettings& settings, const QUrl& url) {
    const bool plainTextAllowed = settings.allowPlainText && isLoopbackHost(url.host());
    return settings.user.isEmpty() || plainTextAllowed ? CURLUSESSL_TRY : CURLUSESSL_ALL;
}

// Body lines end in CRLF on the wire, whatever the text used.
QByteArray withCrlf(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lines.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return lines.toUtf8();
}

QByteArray messageId(const QString& from) {
    const QString domain = from.mid(from.lastIndexOf(QLatin1Char('@')) + 1);
    return '<' + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@' +
           domain.toUtf8() + '>';
}

int abortWhenCancelled(void* cancelled, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::atomic_bool*>(cancelled)->load() ? 1 : 0;
}

// Runs the transfer on a worker thread while this thread's event loop keeps running, so the
// windows repaint and the host's Cancel is heard; curl asks about cancelling at least once a
// second, also while it waits for the server.
CURLcode performOffThread(CURL* handle, HandOffHost& host, const QString& server) {
    std::atomic_bool cancelled{false};
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &abortWhenCancelled);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &cancelled);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);

    CURLcode code = CURLE_OK;
    const std::unique_ptr<QThread> worker(
        QThread::create([handle, &code] { code = curl_easy_perform(handle); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    host.beginTransfer(server, [&cancelled] { cancelled = true; });
    worker->start();
    loop.exec();
    worker->wait();
    host.endTransfer();
    return code;
}

HandOffResult sendingResult(CURLcode code, const QString& server) {
    using Kind = HandOffResult::Kind;
    switch (code) {
    case CURLE_OK:
        return {};
    case CURLE_ABORTED_BY_CALLBACK:
        return {Kind::Cancelled, TextId::MailCancelled, {}};
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
        return {Kind::Failed, TextId::MailServerUnreachable, server};
    case CURLE_OPERATION_TIMEDOUT:
        return {Kind::Failed, TextId::MailServerTimedOut, server};
    case CURLE_LOGIN_DENIED:
        return {Kind::Failed, TextId::MailLogOnRefused, server};
    case CURLE_USE_SSL_FAILED:
        return {Kind::Failed, TextId::MailServerWithoutStartTls, server};
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
        return {Kind::Failed, TextId::MailServerNotTrusted, server};
    case CURLE_SEND_ERROR:
    case CURLE_WEIRD_SERVER_REPLY:
        return {Kind::Failed, TextId::MailRefused, server};
    default:
        break;
    }
    return {Kind::Failed, TextId::SendMailFailed, {}};
}

} // namespace

// curl keeps the connection in the handle between transfers.
struct SmtpTransport::Connection {
    CurlPtr<CURL> curl{curl_easy_init()};
};

SmtpTransport::SmtpTransport(MailSettings settings) : settings_(std::move(settings)) {}

SmtpTransport::~SmtpTransport() = default;

bool SmtpTransport::isUsable(const MailSettings& settings) {
    const QUrl url(settings.smtpUrl, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("smtp") || scheme == QLatin1String("smtps")) &&
           CollectionStore::hasValidEmail(settings.from.toStdString());
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

HandOffResult SmtpTransport::send(const OutgoingMail& mail, HandOffHost& host) {
    const HandOffResult failed{HandOffResult::Kind::Failed, TextId::SendMailFailed, {}};
    if (!connection_) {
        connection_ = std::make_unique<Connection>();
    }
    CURL* handle = connection_->curl.get();
    if (handle == nullptr) {
        return failed;
    }

    const QUrl serverUrl(settings_.smtpUrl);
    const QByteArray url = settings_.smtpUrl.toUtf8();
    const long serverTimeout = static_cast<long>(settings_.serverTimeout.count());
    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(handle, CURLOPT_USE_SSL, tlsRequirement(settings_, serverUrl));
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, serverTimeout);
    curl_easy_setopt(handle, CURLOPT_SERVER_RESPONSE_TIMEOUT, serverTimeout);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, serverTimeout);
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
            return failed;
        }
        toHeader << address;
    }
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients.get());

    QByteArray fromHeader = "From: ";
    if (!mail.originator.name.isEmpty()) {
        fromHeader += displayName(mail.originator.name) + ' ';
    }
    fromHeader += angleAddress(settings_.from);
    CurlPtr<curl_slist> headers;
    if (!appendTo(headers,
                  "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1()) ||
        !appendTo(headers, "Message-ID: " + messageId(settings_.from)) ||
        !appendTo(headers, fromHeader) ||
        !appendTo(headers, "To: " + toHeader.join(QStringLiteral(", ")).toUtf8()) ||
        !appendTo(headers, "Subject: " + headerText(mail.subject))) {
        return failed;
    }
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());

    CurlPtr<curl_mime> mime(curl_mime_init(handle));
    if (!mime) {
        return failed;
    }
    const QByteArray body = withCrlf(mail.noteText);
    curl_mimepart* text = curl_mime_addpart(mime.get());
    curl_mime_data(text, body.constData(), static_cast<std::size_t>(body.size()));
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "quoted-printable");
    for (const MailAttachment& attachment : mail.attachments) {
        const QFileInfo file(attachment.pathName);
        const QByteArray path = QFile::encodeName(file.absoluteFilePath());
        const QString name = attachment.fileName.isEmpty() ? file.fileName() : attachment.fileName;
        curl_mimepart* part = curl_mime_addpart(mime.get());
        if (curl_mime_filedata(part, path.constData()) != CURLE_OK) {
            return failed;
        }
        if (isPlainFileName(name)) {
            curl_mime_filename(part, name.toLatin1().constData());
        } else {
            // curl writes a file name as it is; one beyond plain ASCII goes in its own header.
            CurlPtr<curl_slist> disposition;
            if (!appendTo(disposition,
                          "Content-Disposition: attachment; " + encodedFileNameParameter(name))) {
                return failed;
            }
            curl_mime_headers(part, disposition.release(), 1);
        }
        curl_mime_type(part, "application/octet-stream");
        curl_mime_encoder(part, "base64");
    }
    curl_easy_setopt(handle, CURLOPT_MIMEPOST, mime.get());

    const CURLcode code = performOffThread(handle, host, serverUrl.host());
    // The handle outlives this mail's lists and parts; it must not point at them.
    curl_easy_setopt(handle, CURLOPT_MIMEPOST, nullptr);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, nullptr);
    return sendingResult(code, serverUrl.host());
}

} // namespace kolekt

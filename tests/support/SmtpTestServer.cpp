#include "SmtpTestServer.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace kolekt::test {

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kStopTimeoutMs = 5000;

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

} // namespace

SmtpTestServer::SmtpTestServer(const QString& password) {
    start(password.isNull() ? QStringList() : QStringList{QStringLiteral("--password"), password});
}

SmtpTestServer::SmtpTestServer(Silent) {
    start({QStringLiteral("--silent")});
}

void SmtpTestServer::start(const QStringList& options) {
    const QStringList arguments =
        QStringList{QStringLiteral(KOLEKT_SMTP_TEST_SERVER), inbox_.path()} + options;
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(KOLEKT_TEST_PYTHON), arguments);
    if (!process_.waitForStarted(kStartTimeoutMs)) {
        return;
    }
    while (!process_.canReadLine() && process_.state() == QProcess::Running) {
        process_.waitForReadyRead(kStartTimeoutMs);
    }
    port_ = process_.readLine().trimmed().toInt();
}

SmtpTestServer::~SmtpTestServer() {
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    process_.closeWriteChannel();
    if (!process_.waitForFinished(kStopTimeoutMs)) {
        process_.kill();
        process_.waitForFinished(kStopTimeoutMs);
    }
}

int SmtpTestServer::receivedCount() const {
    return static_cast<int>(
        QDir(inbox_.path()).entryList({QStringLiteral("*.json")}, QDir::Files).size());
}

QJsonObject SmtpTestServer::received(int index) const {
    return QJsonDocument::fromJson(
               readFile(QDir(inbox_.path()).filePath(QStringLiteral("%1.json").arg(index))))
        .object();
}

QByteArray SmtpTestServer::raw(int index) const {
    return readFile(QDir(inbox_.path()).filePath(QStringLiteral("%1.eml").arg(index)));
}

QByteArray SmtpTestServer::attachment(int message, int index) const {
    return readFile(
        QDir(inbox_.path()).filePath(QStringLiteral("%1.attach%2").arg(message).arg(index)));
}

int SmtpTestServer::logOnAttempts() const {
    return static_cast<int>(
        readFile(QDir(inbox_.path()).filePath(QStringLiteral("auth.log"))).count('\n'));
}

} // namespace kolekt::test

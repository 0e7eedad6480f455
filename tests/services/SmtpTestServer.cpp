#include "SmtpTestServer.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace kolekt::test {

namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kStopTimeoutMs = 5000;

} // namespace

SmtpTestServer::SmtpTestServer(const QString& password) {
    QStringList arguments{QStringLiteral(KOLEKT_SMTP_TEST_SERVER), inbox_.path()};
    if (!password.isNull()) {
        arguments << QStringLiteral("--password") << password;
    }
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
    QFile file(QDir(inbox_.path()).filePath(QStringLiteral("%1.json").arg(index)));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

QByteArray SmtpTestServer::attachment(int message, int index) const {
    QFile file(QDir(inbox_.path()).filePath(QStringLiteral("%1.attach%2").arg(message).arg(index)));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

} // namespace kolekt::test

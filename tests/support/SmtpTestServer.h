// A real SMTP server on 127.0.0.1 for the tests (tests/services/smtp_test_server.py),
// started for one test and stopped with it.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace kolekt::test {

class SmtpTestServer {
public:
    // With a password the server offers AUTH without TLS and requires it with that password.
    explicit SmtpTestServer(const QString& password = QString());
    // A server that accepts connections and never answers.
    struct Silent {};
    explicit SmtpTestServer(Silent);
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer&) = delete;
    SmtpTestServer& operator=(const SmtpTestServer&) = delete;

    bool isRunning() const { return port_ != 0; }
    QString url() const { return QStringLiteral("smtp://127.0.0.1:%1").arg(port_); }

    int receivedCount() const;
    // The index-th message: mailFrom, rcptTos, subject (decoded), rawSubject (as it arrived),
    // date, messageId, from, to, body, attachments.
    QJsonObject received(int index) const;
    // The index-th message as it arrived.
    QByteArray raw(int index) const;
    QByteArray attachment(int message, int index) const;
    // How many times a client sent AUTH, and with it a password.
    int logOnAttempts() const;

private:
    void start(const QStringList& options);

    QTemporaryDir inbox_;
    QProcess process_;
    int port_ = 0;
};

} // namespace kolekt::test

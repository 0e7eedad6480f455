#include "ui/main/PasswordKeyring.h"

#ifdef KOLEKT_HAVE_KEYRING
#include <QEventLoop>
#include <qt6keychain/keychain.h>
#endif

namespace kolekt {

#ifdef KOLEKT_HAVE_KEYRING

namespace {

const QString kService = QStringLiteral("Kolekt mail");

QString keyOf(const QString& user, const QString& server) {
    return user + QLatin1Char('@') + server;
}

// The jobs answer through the event loop; the windows repaint meanwhile.
void runJob(QKeychain::Job& job) {
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}

} // namespace

bool keyringBuiltIn() {
    return true;
}

std::optional<QString> keptPassword(const QString& user, const QString& server) {
    QKeychain::ReadPasswordJob job(kService);
    job.setKey(keyOf(user, server));
    runJob(job);
    if (job.error() != QKeychain::NoError)
        return std::nullopt;
    return job.textData();
}

QString keepPassword(const QString& user, const QString& server, const QString& password) {
    QKeychain::WritePasswordJob job(kService);
    job.setKey(keyOf(user, server));
    job.setTextData(password);
    runJob(job);
    return job.error() == QKeychain::NoError ? QString() : job.errorString();
}

void forgetPassword(const QString& user, const QString& server) {
    QKeychain::DeletePasswordJob job(kService);
    job.setKey(keyOf(user, server));
    runJob(job);
}

#else

bool keyringBuiltIn() {
    return false;
}

std::optional<QString> keptPassword(const QString&, const QString&) {
    return std::nullopt;
}

QString keepPassword(const QString&, const QString&, const QString&) {
    return {};
}

void forgetPassword(const QString&, const QString&) {}

#endif

} // namespace kolekt

#include "app/TerminationSignals.h"

#include <QSignalSpy>
#include <csignal>
#include <gtest/gtest.h>

namespace kolekt {
namespace {

TEST(TerminationSignals, ArriveAsAQtSignalOnTheMainThread) {
    TerminationSignals watcher;
    QSignalSpy spy(&watcher, &TerminationSignals::received);
    for (int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        std::raise(signalNumber);
        ASSERT_TRUE(spy.wait(5000));
        EXPECT_EQ(spy.takeFirst().at(0).toInt(), signalNumber);
    }
}

TEST(TerminationSignals, GiveTheHandlersBackWhenDestroyed) {
    struct sigaction before = {};
    ::sigaction(SIGTERM, nullptr, &before);
    { TerminationSignals watcher; }
    struct sigaction after = {};
    ::sigaction(SIGTERM, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
}

} // namespace
} // namespace kolekt

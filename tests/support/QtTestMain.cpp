// gtest main for tests that need a QApplication. Chooses the offscreen platform
// when none is set, so the tests also run where there is no display, and gives
// them a data folder of their own.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    }
    // Collections that could not be saved go under the data folder; the tests, and the programs
    // they start, must neither see nor add to the user's own.
    QTemporaryDir dataDir;
    if (dataDir.isValid())
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataDir.path()));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

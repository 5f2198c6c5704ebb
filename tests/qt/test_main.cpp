// The Qt tests need one QApplication for the whole run; windows are drawn offscreen.

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    // A run may name its own offscreen screens (QT_QPA_PLATFORM=offscreen:configfile=...).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

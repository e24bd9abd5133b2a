#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>

// Qt's font and platform plugins keep a few allocations until process exit;
// they are not ours to fix.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n"
           "leak:libQt6Gui\n"
           "leak:libQt6Core\n"
           "leak:libQt6Widgets\n"
           "leak:libdbus\n"
           "leak:libglib\n"
           "leak:libpq\n"
           "leak:libgssapi\n"
           "leak:libkrb5\n";
}

int main(int argc, char** argv)
{
    // Must be decided before QApplication exists: test discovery runs this
    // binary too, with no display at hand.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

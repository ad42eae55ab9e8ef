// The one entry point of every test program: offscreen unless told otherwise,
// one application object of the kind the program links, then GoogleTest.
#pragma once

#include <QByteArray>
#include <gtest/gtest.h>

template <typename Application> int runTests(int argc, char **argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

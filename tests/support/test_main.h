// The one entry point of every test program: offscreen unless told otherwise,
// one application object of the kind the program links, then GoogleTest.
#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

template <typename Application> int runTests(int argc, char **argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Undo histories, settings and saved patterns go to folders of the run's own,
    // never the user's or another run's.
    QTemporaryDir home;
    for (const char *variable : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        qputenv(variable, (home.path() + QLatin1Char('/') + QLatin1String(variable)).toLocal8Bit());
    Application app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

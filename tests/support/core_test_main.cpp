// Core test entry point: a QGuiApplication (fonts, offscreen) and no widgets.
#include "support/test_main.h"

#include <QGuiApplication>

int main(int argc, char **argv) { return runTests<QGuiApplication>(argc, argv); }

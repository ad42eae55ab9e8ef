// Window test entry point: one QApplication for the whole run.
#include "support/test_main.h"

#include <QApplication>

int main(int argc, char **argv) { return runTests<QApplication>(argc, argv); }

#include "app/TelemetryOption.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    handleTelemetryOption(argc, argv);
    QApplication app(argc, argv);
    return 0;
}

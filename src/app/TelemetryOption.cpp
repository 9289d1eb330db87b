#include "app/TelemetryOption.h"
void handleTelemetryOption(int, char *[]) {}

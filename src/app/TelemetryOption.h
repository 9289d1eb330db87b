#pragma once

// Handles "--telemetry"/"-t" before any Qt application exists. Returns when
// the option is absent; otherwise ends the process.
void handleTelemetryOption(int argc, char *argv[]);

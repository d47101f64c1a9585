#pragma once

#include <QString>

// Peak resident memory of this process (VmHWM), in MB; negative when unknown.
double peakResidentMB();

// The peak memory of a front-end that loads the installation at root, measured in a
// fresh process (this program, run with --memory-probe root) so that nothing measured
// before counts; MB, negative with *error set on failure.
double peakMemoryOfLoad(const QString &program, const QString &root, QString *error);

#pragma once

#include "install/installdatabase.h"
#include "install/installsample.h"
#include "shared/consoles.h"

#include <QList>
#include <QString>
#include <QStringList>

// The sample's per-console extras: one emulator (a harmless script that logs how it was
// started), its parameter sets, two documents, and the files the sample games point at.
namespace InstallSampleFiles {

// Directories the extras need, relative to the root ("\console\gameboy\emulator", "\docs").
QStringList directories();

// Rows of emulatori, setting and documents of one console.
QList<InstallDatabase::Rows> rows(const QString &root, const Consoles::Console &console);

// The emulator script, the documents, the screenshots and rom files of the games.
bool write(const QString &root, const Consoles::Console &console, const QList<InstallSample::Game> &games,
           QString *error);

// Full path of a console's emulator script.
QString emulatorPath(const QString &root, const Consoles::Console &console);

} // namespace InstallSampleFiles

#pragma once

#include <QString>
#include <QStringList>

namespace Report {
class Run;
}

// Very long stored values, on an installation of 1,000 games: a game whose notes are
// 1,000,000 characters on one line, shown (a click on it until everything is drawn) and
// saved with one more character; and how much a game named with 10,000,000 characters
// adds to the load.
namespace LongFields {

void measure(Report::Run &run, QStringList &problems, const QString &workDir, int repetitions);

} // namespace LongFields

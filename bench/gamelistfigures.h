#pragma once

#include <QString>
#include <QStringList>

namespace Report {
class Run;
}

// ludora4-gamelist's work through its library, on an installation of its own: a gamelist
// of 32,767 entries without pictures imported into an empty catalogue, the catalogue of
// 32,767 games exported, and pictures imported (milliseconds per picture).
namespace GamelistFigures {

void measure(Report::Run &run, QStringList &problems, const QString &workDir, int repetitions);

} // namespace GamelistFigures

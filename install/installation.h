#pragma once

#include <QString>

// The installation maker: lays out a whole installation directory (databases with their
// schema, console directories, pictures, the converter stand-in, the plug-in registry).
namespace Installation {

// Where the built programs an installation carries are found. An empty path means
// "beside the running program" (and, for Emuset, the build tree's emuset/ beside it).
struct BuiltPrograms {
    QString converter;
    QString emuset;
};

struct Options {
    bool sample = false;
    int gamesPerConsole = 0;
    BuiltPrograms programs;
};

// Lays out a new installation at root; refuses (false, error set) when one is already there.
bool create(const QString &root, const Options &options, QString *error);

} // namespace Installation

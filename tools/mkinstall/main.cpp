// ludora4-mkinstall DIR [--sample] [--games N]: lays out a new installation in DIR.

#include "install/installation.h"
#include "shared/paths.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

struct Arguments {
    QString root;
    Installation::Options options;
};

bool parse(const QStringList &args, Arguments *out)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--sample")) {
            out->options.sample = true;
        } else if (arg == QLatin1String("--games") && i + 1 < args.size()) {
            bool ok = false;
            out->options.gamesPerConsole = args.at(++i).toInt(&ok);
            if (!ok || out->options.gamesPerConsole <= 0)
                return false;
        } else if (!arg.startsWith(QLatin1String("--")) && out->root.isEmpty()) {
            out->root = arg;
        } else {
            return false;
        }
    }
    return !out->root.isEmpty();
}

int usage()
{
    std::fputs("usage: ludora4-mkinstall DIR [--sample] [--games N]\n"
               "  Lays out a new Ludora4 installation in DIR (created when missing).\n"
               "  --sample   invented games, emulators, parameter sets, documents and screenshots\n"
               "  --games N  N generated games in the active console (N > 0)\n",
               stderr);
    return 2;
}

QString summary(const Arguments &arguments)
{
    QString text = QStringLiteral("Installation made in ") + arguments.root;
    if (arguments.options.sample)
        text += QStringLiteral(", with sample content");
    if (arguments.options.gamesPerConsole > 0)
        text += QStringLiteral(", %1 games in the active console").arg(arguments.options.gamesPerConsole);
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    // The pictures are painted with QPainter, which needs a GUI application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The arguments are read as text: a name that is not valid UTF-8 would be read as
    // another name, and the installation made elsewhere.
    for (int i = 1; i < argc; ++i) {
        if (!Paths::roundTrips(argv[i])) {
            std::fprintf(stderr, "ludora4-mkinstall: %s: the name is not valid UTF-8; choose another name\n",
                         qPrintable(Paths::shownBytes(argv[i])));
            return 2;
        }
    }

    Arguments arguments;
    if (!parse(QCoreApplication::arguments(), &arguments))
        return usage();
    QString error;
    if (!Installation::create(arguments.root, arguments.options, &error)) {
        std::fprintf(stderr, "ludora4-mkinstall: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(summary(arguments)));
    return 0;
}

// I_View32 INPUT /c=OUTPUT: reads an image in any format Qt reads (BMP, PNG, JPEG, GIF,
// ...) and writes it to OUTPUT as a GIF. INPUT is never changed; OUTPUT appears whole or
// not at all, so INPUT and OUTPUT may be the same GIF.

#include "gif/gifwriter.h"
#include "shared/regularfile.h"

#include <QCoreApplication>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <fcntl.h>

#ifdef Q_OS_WIN
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define close _close
#define open _open
const char nullDevice[] = "NUL";
#else
#include <unistd.h>
const char nullDevice[] = "/dev/null";
#endif

namespace {

const QLatin1String outputSwitch("/c=");

// Image libraries print their own complaints on standard error; while the image is
// read and written they go nowhere, so a failure is told in exactly one line of ours.
class QuietStandardError {
public:
    QuietStandardError()
    {
        std::fflush(stderr);
        m_saved = dup(2);
        const int null = open(nullDevice, O_WRONLY);
        if (null >= 0) {
            dup2(null, 2);
            close(null);
        }
    }
    ~QuietStandardError()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            dup2(m_saved, 2);
            close(m_saved);
        }
    }
    QuietStandardError(const QuietStandardError &) = delete;
    QuietStandardError &operator=(const QuietStandardError &) = delete;

private:
    int m_saved = -1;
};

int fail(const QString &line, int code)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
    return code;
}

int usage() { return fail(QStringLiteral("usage: I_View32 INPUT /c=OUTPUT"), 2); }

// The whole image is read (and the file closed) before anything is written.
bool convert(const QString &input, const QString &output, QString *error)
{
    QString why;
    const QImage image = RegularFile::image(input, &why);
    if (image.isNull()) {
        *error = QStringLiteral("cannot read ") + why;
        return false;
    }
    if (GifWriter::write(image, output, error))
        return true;
    *error = QStringLiteral("cannot write ") + *error;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3 || args.at(1).isEmpty() || !args.at(2).startsWith(outputSwitch, Qt::CaseInsensitive)
        || args.at(2).size() == outputSwitch.size())
        return usage();
    const QString input = args.at(1);
    const QString output = args.at(2).mid(outputSwitch.size());

    QString error;
    bool converted = false;
    {
        QuietStandardError quiet;
        converted = convert(input, output, &error);
    }
    return converted ? 0 : fail(QStringLiteral("I_View32: ") + error, 1);
}

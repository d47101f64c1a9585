#include "frontend/chooser/filechooser.h"

#include "frontend/chooser/chooserfolders.h"
#include "frontend/chooser/frmbrowser.h"
#include "frontend/session/session.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"
#include "shared/widgets/filelists.h"

#include <QDir>
#include <QScreen>

FileChooser::FileChooser(QWidget *window, Session &session) : QObject(window), m_window(window), m_session(session)
{}

// The open chooser is reused; one closed a moment ago only waits for its deletion. A new
// one checks for the plug-in registry, as its load always has.
FrmBrowser *FileChooser::show(const QString &caption)
{
    if (m_browser && !m_browser->isVisible()) {
        disconnect(m_browser, nullptr, this, nullptr);
        m_browser = nullptr;
    }
    if (!m_browser) {
        m_browser = new FrmBrowser(m_window);
        connect(m_browser, &FrmBrowser::fileClicked, this, &FileChooser::fileClicked);
        placeOverWindow(m_browser);
        if (Paths::probe(m_session.pluginRegistry()).isEmpty())
            m_session.dialogs().critical(InstallationPaths::notFoundMessage(m_session.pluginRegistry()));
    }
    m_browser->setWindowTitle(caption);
    m_browser->show();
    m_browser->raise();
    return m_browser;
}

// Centred over the main window, and wholly on the window's screen.
void FileChooser::placeOverWindow(QWidget *chooser) const
{
    QRect frame(QPoint(), chooser->size());
    frame.moveCenter(m_window->frameGeometry().center());
    if (const QScreen *screen = m_window->screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(qBound(room.left(), frame.left(), qMax(room.left(), room.right() - frame.width())));
        frame.moveTop(qBound(room.top(), frame.top(), qMax(room.top(), room.bottom() - frame.height())));
    }
    chooser->move(frame.topLeft());
}

void FileChooser::startIn(FrmBrowser *browser, const QString &caption, const QString &directory)
{
    m_purpose = ChooserFolders::purpose(caption);
    m_purposeFolder = directory;
    const QString remembered = ChooserFolders::remembered(m_purpose, directory);
    if ((remembered.isEmpty() || !browser->lists()->setPath(remembered)) && !directory.isEmpty())
        browser->lists()->setPath(Paths::resolve(directory));
}

void FileChooser::open(const QString &caption, const QString &directory, const QString &pattern, Picked picked)
{
    FrmBrowser *browser = show(caption);
    startIn(browser, caption, directory);
    browser->lists()->setPattern(pattern);
    m_picked = std::move(picked);
}

void FileChooser::openKeepingFolder(const QString &caption, const QString &pattern, const QString &directory,
                                    Picked picked)
{
    m_picked = std::move(picked);
    FrmBrowser *browser = show(caption);
    browser->lists()->setPattern(pattern);
    startIn(browser, caption, directory);
}

void FileChooser::fileClicked(const QString &directory, const QString &fileName)
{
    ChooserFolders::remember(m_purpose, m_purposeFolder, directory);
    if (m_picked)
        m_picked(directory, fileName);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    if (m_browser)
        m_browser->close();
}

QString FileChooser::path(const QString &directory, const QString &fileName)
{
    return QDir::toNativeSeparators(QDir(directory).filePath(fileName));
}

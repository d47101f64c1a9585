// The file chooser's purposes: who opens it, and what a click on a file does.
#include "frontend/frmmain.h"

#include "frontend/frmbrowser.h"
#include "shared/paths.h"
#include "shared/widgets/filelists.h"

#include <QDir>

namespace {

using Action = void (FrmMain::*)(const QString &directory, const QString &fileName);

struct Purpose {
    int code;
    Action action;
};

const Purpose purposes[] = {
    {FrmMain::PurposeConvertSnapshot, &FrmMain::chooseSnapshotToConvert},
    {FrmMain::PurposeNewGameRom, &FrmMain::chooseNewGameRom},
    {FrmMain::PurposeGameRom, &FrmMain::chooseGameRom},
    {FrmMain::PurposeScreenFile, &FrmMain::chooseScreenFile},
    {FrmMain::PurposeUnfoldr, &FrmMain::choosePluginExecutable},
    {FrmMain::PurposeEmuset, &FrmMain::choosePluginExecutable},
    {FrmMain::PurposeCartload, &FrmMain::choosePluginExecutable},
    {FrmMain::PurposeSnapshift, &FrmMain::choosePluginExecutable},
    {FrmMain::PurposeDocument, &FrmMain::chooseDocumentFile},
};

} // namespace

// The open chooser is reused; one closed a moment ago only waits for its deletion.
FrmBrowser *FrmMain::showChooser()
{
    if (m_browser && !m_browser->isVisible()) {
        disconnect(m_browser, nullptr, this, nullptr);
        m_browser = nullptr;
    }
    if (!m_browser) {
        m_browser = new FrmBrowser(this);
        connect(m_browser, &FrmBrowser::fileClicked, this, &FrmMain::chooserFileClicked);
        m_browser->load();
    }
    m_browser->show();
    m_browser->raise();
    return m_browser;
}

// The callers of the record, snapshot and conversion purposes: show, caption,
// directory, pattern, and the purpose last.
void FrmMain::openChooser(int purpose, const QString &caption, const QString &directory, const QString &pattern)
{
    FrmBrowser *browser = showChooser();
    browser->setWindowTitle(caption);
    browser->lists()->setPath(Paths::resolve(directory));
    browser->lists()->setPattern(pattern);
    m_state.ChooserPurpose = purpose;
}

// The callers of the plug-in and document purposes: purpose and caption first, the
// window takes the caption when it loads.
void FrmMain::openChooserWithCaption(int purpose, const QString &caption, const QString &pattern,
                                     const QString &directory)
{
    m_state.ChooserPurpose = purpose;
    m_state.ChooserCaption = caption;
    const bool loaded = m_browser;
    FrmBrowser *browser = showChooser();
    if (loaded)
        browser->setWindowTitle(caption);
    browser->lists()->setPattern(pattern);
    if (!directory.isEmpty())
        browser->lists()->setPath(Paths::resolve(directory));
}

void FrmMain::chooserFileClicked(const QString &directory, const QString &fileName)
{
    for (const Purpose &purpose : purposes) {
        if (purpose.code == m_state.ChooserPurpose) {
            (this->*purpose.action)(directory, fileName);
            break;
        }
    }
    show();
    raise();
    activateWindow();
    if (m_browser)
        m_browser->close();
}

QString FrmMain::chooserPath(const QString &directory, const QString &fileName)
{
    return QDir::toNativeSeparators(QDir(directory).filePath(fileName));
}

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class FrmBrowser;
class QWidget;
class Session;

// The main window's one file chooser, opened by the pages with what a click on a file
// does. An open chooser is reused for the next request; a click carries out the last one.
// Each purpose starts in the folder its last choice was made in (ChooserFolders), else in
// the caller's folder.
class FileChooser : public QObject {
    Q_OBJECT
public:
    using Picked = std::function<void(const QString &directory, const QString &fileName)>;

    FileChooser(QWidget *window, Session &session);

    // Shows the chooser with a caption, in a folder, listing the files of a pattern.
    void open(const QString &caption, const QString &directory, const QString &pattern, Picked picked);
    // As open(), but without a folder the chooser stays in the one it shows.
    void openKeepingFolder(const QString &caption, const QString &pattern, const QString &directory,
                           Picked picked);

    // The native path of a file the chooser listed.
    static QString path(const QString &directory, const QString &fileName);

private:
    FrmBrowser *show(const QString &caption);
    void placeOverWindow(QWidget *chooser) const;
    void fileClicked(const QString &directory, const QString &fileName);
    // Shows the purpose's remembered folder, else directory when there is one.
    void startIn(FrmBrowser *browser, const QString &caption, const QString &directory);

    QWidget *m_window;
    Session &m_session;
    QPointer<FrmBrowser> m_browser;
    Picked m_picked;
    QString m_purpose;       // of the last opening
    QString m_purposeFolder; // the folder its caller gave
};

#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;

// The drive, directory and file lists of the choosers, filled synchronously from the
// file system: Drive1 lists the roots (on Linux "/" and the mounted volumes), Dir1 the
// directories of the current one ("..", then its subdirectories; a click enters one),
// File1 the files matching the pattern without regard to case (a click is the choice).
class FileLists : public QWidget {
    Q_OBJECT
public:
    explicit FileLists(QWidget *parent = nullptr);

    // The directory shown; false (nothing changes) when it does not exist.
    bool setPath(const QString &directory);
    QString path() const { return m_path; }
    // Patterns separated by ';', e.g. "*.*" or "ludora4".
    void setPattern(const QString &pattern);
    QString pattern() const { return m_pattern; }
    // Lists hidden directories too (none by default); the lists are filled again.
    void setShowHidden(bool show);

    QComboBox *Drive1 = nullptr;
    QListWidget *Dir1 = nullptr;
    QListWidget *File1 = nullptr;
    QLabel *Label1 = nullptr;

signals:
    // A file was clicked: its directory and its name as stored on disk.
    void fileClicked(const QString &directory, const QString &fileName);

private:
    void fillDrives();
    void fillDirectories();
    void fillFiles();
    void driveChosen(int index);
    void directoryClicked(QListWidgetItem *item);
    void fileItemClicked(QListWidgetItem *item);

    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    bool m_showHidden = false;
    QLabel *m_pathLabel = nullptr;
};

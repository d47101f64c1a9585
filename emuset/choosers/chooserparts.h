#pragma once

#include <QObject>
#include <QString>

#include <functional>

class FileLists;
class QVBoxLayout;
class QWidget;

namespace Emuset {

// What Emuset's choosers share below their lists: a path box (TxtPath) that takes a typed
// or pasted path, "Show hidden folders" (ChkHidden), Cancel (CmdCancel), and Esc, which
// closes the chooser as Cancel does; and the folder each purpose was last used in, kept
// in the settings file.
class ChooserParts : public QObject {
public:
    using Chosen = std::function<void(const QString &directory, const QString &fileName)>;

    // A click on a file of the lists, or a typed path to a file, is handed to chosen (its
    // directory and its name as stored on disk). A typed path to a directory opens it in
    // the lists; anything else is said under the box (LabPathError). A relative path is
    // read from the directory shown, "~" as the home directory.
    ChooserParts(QWidget *chooser, QVBoxLayout *layout, FileLists *lists, Chosen chosen);

    // Shows the folder last remembered for the purpose, or defaultFolder when none is
    // or it no longer exists; with neither, the lists stay where they are. remember()
    // then keeps a folder for this purpose.
    void startIn(const QString &purpose, const QString &defaultFolder);
    // Keeps the folder of an accepted choice for the next opening.
    void remember(const QString &directory) const;

private:
    FileLists *m_lists;
    QString m_purpose;
};

} // namespace Emuset

#include "frontend/record/importprogress.h"

#include <QCoreApplication>

ImportProgress::ImportProgress(QWidget *window, const QString &label)
    : m_dialog(label, QStringLiteral("Cancel"), 0, 1, window)
{
    m_dialog.setObjectName(QStringLiteral("FrmGamelistProgress"));
    m_dialog.setWindowTitle(QStringLiteral("Import gamelist"));
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(500);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setMinimumWidth(360);
}

GamelistImport::Progress ImportProgress::callback()
{
    return [this](qsizetype done, qsizetype total) { return step(done, total); };
}

bool ImportProgress::step(qsizetype done, qsizetype total)
{
    m_dialog.setMaximum(int(qMax<qsizetype>(total, 1)));
    m_dialog.setValue(int(done));
    // Once shown, the modal dialog keeps the main window's input away itself.
    QCoreApplication::processEvents(m_dialog.isVisible() ? QEventLoop::AllEvents
                                                         : QEventLoop::ExcludeUserInputEvents);
    return !m_dialog.wasCanceled();
}

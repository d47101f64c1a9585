#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class BenchDialogs;
class BenchLauncher;
class QAbstractItemView;
class QMainWindow;
class QTimer;
class QWidget;

// The real front-end, started in this process on one installation, and the clock that
// times what a person does with it. A figure ends when the game list has been painted:
// what the person sees, not only what the handler did.
class FrontEndRun : public QObject {
    Q_OBJECT
public:
    FrontEndRun(const QString &root, BenchDialogs &dialogs, BenchLauncher &launcher, const QElapsedTimer &clock);
    ~FrontEndRun() override;

    // Runs the start procedure and waits for the main window. The time, in ms, from the
    // splash timer's tick to the window shown with its list filled, its record shown and
    // the list painted once; negative when the window did not come.
    double start();
    // Closes the main window, waits until it is gone and closes the database connections.
    void close();
    QMainWindow *main() const;

    // Runs an action and handles events until the game list has been painted; ms.
    double timeUntilPainted(const std::function<void()> &action);
    // Handles what is pending (paints included), untimed.
    void settle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool waitForPaint();
    bool isGameListViewport(QObject *object) const;

    QString m_root;
    BenchDialogs &m_dialogs;
    BenchLauncher &m_launcher;
    const QElapsedTimer &m_clock;
    QPointer<QMainWindow> m_main;
    // The game list "LstGames" of the window last looked at, and its views (one per view mode).
    mutable QPointer<QMainWindow> m_viewsOf;
    mutable QPointer<QWidget> m_list;
    mutable QList<QPointer<QAbstractItemView>> m_views;
    QPointer<QTimer> m_splashTimer;
    qint64 m_tickAt = -1;
    bool m_painted = false;
};

// Milliseconds between two readings of a nanosecond clock.
inline double millis(qint64 from, qint64 to) { return double(to - from) / 1e6; }

#pragma once

#include <QWidget>

class QLabel;

namespace Emuset {

// "About...": version, what Emuset is for, the pictures and the credits.
class FrmAbout : public QWidget {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr; // the version
};

} // namespace Emuset

#pragma once

#include "shared/boundcontrol.h"

#include <QString>

#include <memory>

class DataSource;
class QWidget;

// The binding of an ordinary input widget: QLineEdit, QComboBox, QLabel, QCheckBox,
// QPlainTextEdit or QTextEdit (plain text). A check box holds 1 or 0.
std::unique_ptr<BoundControl> boundWidget(QWidget *control);

// Binds a widget to a column of a data source.
void bindWidget(DataSource &source, QWidget *control, const QString &column);

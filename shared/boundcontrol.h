#pragma once

#include <QVariant>

// A control bound to a column of a DataSource, seen without its widget type: the data
// source pushes the current row's value into it and reads it back on update().
class BoundControl {
public:
    virtual ~BoundControl() = default;
    // False once the control has been deleted; the data source then leaves it out.
    virtual bool exists() const = 0;
    // The value the control holds, as it would be stored.
    virtual QVariant value() const = 0;
    // Shows a value (Null shows as empty).
    virtual void show(const QVariant &value) = 0;
};

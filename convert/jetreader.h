#pragma once

#include "convert/tablesource.h"

#include <QHash>

#include <memory>

namespace Convert {

// The user tables of a Jet (Access 97 to 2003) file and their rows, read with libmdb.
// Numbers and dates are taken from the row's bytes (no text round trip loses a digit);
// texts come through libmdb's conversion to UTF-8. Jet keeps no difference between an
// empty text and none, so both come as NULL.
class JetReader : public TableSource {
public:
    explicit JetReader(const QString &path);
    ~JetReader() override;
    JetReader(const JetReader &) = delete;
    JetReader &operator=(const JetReader &) = delete;

    // Opens the file; false when libmdb cannot read it as a Jet file.
    bool open();
    bool tables(QList<Table> *tables) override;
    bool readRows(const Table &table, const RowSink &sink) override;
    QString error() const override { return m_error; }

private:
    struct Handle;
    bool fail(const QString &text);

    QString m_path;
    std::unique_ptr<Handle> m_handle;
    QString m_error;
};

} // namespace Convert

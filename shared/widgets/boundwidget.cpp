#include "shared/widgets/boundwidget.h"

#include "shared/datasource.h"
#include "shared/sql.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {

// A control that already shows the value is left alone: a record is shown several times
// in a row while the list moves, and setting a text anew lays it out again.
class BoundWidget final : public BoundControl {
public:
    explicit BoundWidget(QWidget *control) : m_control(control) {}

    bool exists() const override { return !m_control.isNull(); }

    QVariant value() const override
    {
        QWidget *control = m_control;
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            return edit->text();
        if (auto *combo = qobject_cast<QComboBox *>(control))
            return combo->currentText();
        if (auto *label = qobject_cast<QLabel *>(control))
            return label->text();
        if (auto *check = qobject_cast<QCheckBox *>(control))
            return check->isChecked() ? 1 : 0;
        if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
            return plain->toPlainText();
        if (auto *rich = qobject_cast<QTextEdit *>(control))
            return rich->toPlainText();
        return {};
    }

    void show(const QVariant &value) override
    {
        QWidget *control = m_control;
        const QString text = value.isNull() ? QString() : value.toString();
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            if (edit->text() != text)
                edit->setText(text);
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            showInCombo(combo, text);
        } else if (auto *label = qobject_cast<QLabel *>(control)) {
            if (label->text() != text)
                label->setText(text);
        } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
            check->setChecked(Sql::isYes(value));
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(control)) {
            if (plain->toPlainText() != text)
                plain->setPlainText(text);
        } else if (auto *rich = qobject_cast<QTextEdit *>(control)) {
            if (rich->toPlainText() != text)
                rich->setPlainText(text);
        }
    }

private:
    static void showInCombo(QComboBox *combo, const QString &text)
    {
        const int index = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (combo->currentIndex() != index)
            combo->setCurrentIndex(index);
        if (combo->isEditable() && combo->currentText() != text)
            combo->setEditText(text);
    }

    QPointer<QWidget> m_control;
};

} // namespace

std::unique_ptr<BoundControl> boundWidget(QWidget *control) { return std::make_unique<BoundWidget>(control); }

void bindWidget(DataSource &source, QWidget *control, const QString &column)
{
    source.bind(boundWidget(control), column);
}

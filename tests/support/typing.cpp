#include "tests/support/typing.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBoundaryFinder>

void typeText(QWidget *widget, const QString &text)
{
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (characters.toNextBoundary() != -1) {
        const qsizetype end = characters.position();
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(start, end - start), Qt::NoModifier);
        start = end;
    }
}

void replaceText(QWidget *widget, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        widget = combo->lineEdit();
    if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        line->setFocus();
        line->selectAll();
        if (text.isEmpty())
            QTest::keyClick(line, Qt::Key_Delete);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget)) {
        plain->setFocus();
        plain->selectAll();
        if (text.isEmpty())
            QTest::keyClick(plain, Qt::Key_Delete);
    }
    typeText(widget, text);
}

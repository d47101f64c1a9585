#pragma once

#include "help/helpbook.h"

#include <QWidget>

class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The mini help of both programs: a tree of topics on the left, the chosen topic's
// lines on the right in a fixed-width font. Caption, sizes and topics come from a book.
class FrmHelp : public QWidget {
    Q_OBJECT
public:
    explicit FrmHelp(const HelpBook &book, QWidget *parent = nullptr);

    QTreeWidget *TreeView1 = nullptr;
    QListWidget *Text1 = nullptr;

private:
    void addNodes();
    void nodeClicked(QTreeWidgetItem *node);
    void showTopic(const HelpTopic &topic);
    void fitTextFont();

    HelpBook m_book;
};

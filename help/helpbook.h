#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// What one program's help window shows: caption, sizes and its topics. Sizes are in
// twips, as the window's design gives them.
struct HelpTopic {
    QString key;       // "R", "R1", ...
    QString node;      // the text of the node in the tree
    QStringList lines; // one entry of the text list per line
};

struct HelpBook {
    QString caption;
    QSize client;            // client area
    QRect tree;              // TreeView1: left, top, width, height
    QRect text;              // Text1
    QList<HelpTopic> topics; // tree order; the first is the root, the others its children
};

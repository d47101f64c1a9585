#include "help/frmhelp.h"

#include "shared/twips.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QTreeWidget>

namespace {

QRect pixels(const QRect &twips)
{
    return {Twips::toPixels(twips.x()), Twips::toPixels(twips.y()), Twips::toPixels(twips.width()),
            Twips::toPixels(twips.height())};
}

QFont fixedFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

int longestLine(const QList<HelpTopic> &topics)
{
    qsizetype longest = 1;
    for (const HelpTopic &topic : topics) {
        for (const QString &line : topic.lines)
            longest = qMax(longest, line.size());
    }
    return int(longest);
}

} // namespace

FrmHelp::FrmHelp(const HelpBook &book, QWidget *parent) : QWidget(parent, Qt::Window), m_book(book)
{
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(book.caption);
    setFixedSize(Twips::toPixels(book.client.width()), Twips::toPixels(book.client.height()));

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setGeometry(pixels(book.tree));
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(false); // tree lines and text: no plus/minus buttons
    TreeView1->setIndentation(16);
    TreeView1->setFrameStyle(QFrame::Box | QFrame::Plain);
    TreeView1->setFont(QFont(QStringLiteral("Tahoma")));

    Text1 = new QListWidget(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(pixels(book.text));
    Text1->setFont(fixedFont());
    Text1->setSelectionMode(QAbstractItemView::NoSelection);
    fitTextFont();

    addNodes();
    connect(TreeView1, &QTreeWidget::itemClicked, this, &FrmHelp::nodeClicked);
}

// The lines are laid out in columns; the font is made small enough that the longest
// line fits the list without scrolling sideways.
void FrmHelp::fitTextFont()
{
    QFont font = Text1->font();
    const int room = Text1->width() - 2 * Text1->frameWidth() - Text1->verticalScrollBar()->sizeHint().width() - 6;
    const QString longest(longestLine(m_book.topics), QLatin1Char('M'));
    for (int size = 10; size > 6; --size) {
        font.setPointSize(size);
        if (QFontMetrics(font).horizontalAdvance(longest) <= room)
            break;
    }
    Text1->setFont(font);
}

void FrmHelp::addNodes()
{
    if (m_book.topics.isEmpty())
        return;
    QTreeWidgetItem *root = nullptr;
    QTreeWidgetItem *last = nullptr;
    for (int i = 0; i < m_book.topics.size(); ++i) {
        const HelpTopic &topic = m_book.topics[i];
        last = root ? new QTreeWidgetItem(root) : new QTreeWidgetItem(TreeView1);
        last->setText(0, topic.node);
        last->setData(0, Qt::UserRole, topic.key);
        if (!root)
            root = last;
    }
    TreeView1->scrollToItem(last);
    TreeView1->expandAll();
    showTopic(m_book.topics.first());
}

void FrmHelp::nodeClicked(QTreeWidgetItem *node)
{
    const QString key = node->data(0, Qt::UserRole).toString();
    for (const HelpTopic &topic : std::as_const(m_book.topics)) {
        if (topic.key == key) {
            showTopic(topic);
            return;
        }
    }
}

void FrmHelp::showTopic(const HelpTopic &topic)
{
    Text1->clear();
    Text1->addItems(topic.lines);
}

#include "frontend/common/formparts.h"

#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/formbuilder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace FormParts {

using Form::named;

QString arrayName(const char *name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

QRadioButton *option(const QString &name, const QString &text, QLayout *into)
{
    auto *radio = named(new QRadioButton(text), name);
    into->addWidget(radio);
    return radio;
}

QComboBox *combo(const QString &name)
{
    auto *box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Its width comes from the form, not from its longest entry.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(10);
    return box;
}

ClickableLabel *picture(const QString &name, QSize size, const QPixmap &pixmap)
{
    auto *label = named(new ClickableLabel, name);
    label->setScaledContents(true);
    label->setFixedSize(size);
    label->setPixmap(pixmap);
    return label;
}

ClickableLabel *framedPicture(const QString &name, QSize size)
{
    ClickableLabel *label = picture(name, size, {});
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return label;
}

void frameAsValue(QLabel *label, const QString &name)
{
    label->setObjectName(name);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumWidth(60);
}

QLabel *wrapped(const QString &text, const QString &name)
{
    auto *label = new QLabel(text);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setWordWrap(true);
    // Keep the height-for-width flag that word wrapping sets.
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
    return label;
}

QPlainTextEdit *textArea(const QString &name, int height)
{
    auto *area = named(new QPlainTextEdit, name);
    area->setMinimumHeight(height);
    return area;
}

QGroupBox *frameAround(const QString &title, QWidget *content)
{
    QGroupBox *box = Form::frame({}, title);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(content);
    return box;
}

void addRow(QGridLayout *grid, const QString &caption, QWidget *field)
{
    const int row = grid->count() == 0 ? 0 : grid->rowCount();
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(field, row, 1);
}

QWidget *withLayout(QLayout *layout)
{
    auto *widget = new QWidget;
    layout->setContentsMargins(0, 0, 0, 0);
    widget->setLayout(layout);
    return widget;
}

void keepSpaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace FormParts

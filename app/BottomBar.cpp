#include "BottomBar.h"

#include "Accessibility.h"
#include "FindField.h"
#include "rows/PictureHolder.h"
#include "entry/SpinButton.h"
#include "glyphs/UiFonts.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace {

constexpr int kMessageGap = 16;

}  // namespace

BottomBar::BottomBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("P1"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(palette);

    l1_ = new QLabel(tr("Number"), this);
    l1_->setObjectName(QStringLiteral("l1"));
    l1_->setFont(UiFont(13));
    l1_->move(24, 12);
    l1_->adjustSize();  // sized to its caption, as the message line is

    ze1_ = new QLineEdit(QStringLiteral("0"), this);
    ze1_->setObjectName(QStringLiteral("ze1"));
    ze1_->setGeometry(80, 10, 113, 22);
    ze1_->setMaxLength(std::numeric_limits<int>::max());  // any length of text
    l1_->setBuddy(ze1_);                                  // names the field for a screen reader

    spinButton1_ = new SpinButton(this);
    spinButton1_->setObjectName(QStringLiteral("SpinButton1"));
    spinButton1_->setGeometry(200, 4, 20, 32);

    findField_ = new FindField(this);
    findField_->setGeometry(kFindFieldLeft, 10, kFindFieldWidth, 22);
    findLabel_ = new QLabel(tr("Find"), this);
    findLabel_->setObjectName(QStringLiteral("findLabel"));
    findLabel_->setFont(UiFont(13));
    findLabel_->adjustSize();
    findLabel_->move(kFindFieldLeft - 7 - findLabel_->width(), 12);
    findLabel_->setBuddy(findField_);

    l3_ = new QLabel(this);
    l3_->setObjectName(QStringLiteral("l3"));
    l3_->move(248, 12);
    setMessage(QStringLiteral("."));

    zI2_ = new PictureHolder(QStringLiteral("zI2"), this);
    zI2_->setGeometry(552, 32, 105, 105);
    zI1_ = new PictureHolder(QStringLiteral("zI1"), this);
    zI1_->setGeometry(624, 32, 105, 105);
}

void BottomBar::setMessage(const QString& text)
{
    if (text == l3_->text())
        return;
    l3_->setText(text);
    l3_->setMaximumWidth(findLabel_->x() - kMessageGap - l3_->x());  // never over the find field
    l3_->adjustSize();
    AnnounceMessage(l3_);
}

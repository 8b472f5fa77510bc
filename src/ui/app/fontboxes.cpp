#include "ui/app/fontboxes.h"

#include <QComboBox>
#include <QFontDatabase>

namespace pelinor::ui {

namespace {

QFontDatabase::WritingSystem writingSystemOfCharset(int charset)
{
    switch (charset) {
    case 128:
        return QFontDatabase::Japanese;
    case 129:
        return QFontDatabase::Korean;
    case 161:
        return QFontDatabase::Greek;
    case 163:
        return QFontDatabase::Vietnamese;
    case 204:
        return QFontDatabase::Cyrillic;
    case 222:
        return QFontDatabase::Thai;
    default:
        return QFontDatabase::Latin;
    }
}

} // namespace

void fillFontBox(QComboBox* box, int fontMode, int charset)
{
    box->clear();
    QStringList names;
    if (fontMode == 1) {
        for (const QString& family : QFontDatabase::families(writingSystemOfCharset(charset))) {
            if (!family.startsWith(QLatin1Char('@')) && !family.startsWith(QLatin1Char('$'))
                && QFontDatabase::isScalable(family))
                names.append(family);
        }
    } else {
        for (const QString& family : QFontDatabase::families()) {
            if (!family.startsWith(QLatin1Char('@')))
                names.append(family);
        }
    }
    box->addItems(names);
}

bool selectFontInBox(QComboBox* box, const QString& name)
{
    const int index = box->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    box->setCurrentIndex(index);
    return true;
}

void fillSizeBox(QComboBox* box, int from, int to)
{
    for (int size = from; size <= to; ++size)
        box->addItem(QString::number(size));
}

} // namespace pelinor::ui

#include "core/transfer/targettitle.h"

#include <algorithm>

namespace pelinor::core {

namespace {

// Blanks as the title comparison trims them: spaces and control characters, nothing beyond U+0020.
QStringView trimmedBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

bool isTrackableTitle(QStringView title, bool mediaPlayer, QStringView lastSoundName)
{
    if (title == u"Program Manager" || title == u"Pelinor")
        return false;
    if (mediaPlayer && (title == u"Windows Media Player" || title == lastSoundName))
        return false;
    if (trimmedBlanks(title) == u"スタート メニュー")
        return false;
    return !title.startsWith(u"Pelinor");
}

QString targetTitle(const QString& title)
{
    if (title.size() <= kMaxTargetTitleLength)
        return title;
    qsizetype length = kMaxTargetTitleLength;
    if (title.at(length - 1).isHighSurrogate())
        --length;
    return title.left(length);
}

QString soundNameForTitle(const QString& soundFile)
{
    const qsizetype slash = std::max(soundFile.lastIndexOf(QLatin1Char('/')), soundFile.lastIndexOf(QLatin1Char('\\')));
    const QString name = soundFile.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.left(dot) : name;
}

} // namespace pelinor::core

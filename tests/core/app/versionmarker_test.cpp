#include "core/app/versionmarker.h"

#include <gtest/gtest.h>

using namespace pelinor::core;

TEST(VersionMarker, NameFollowsTheVersionText)
{
    const struct {
        QString version;
        QString name;
    } cases[] = {
        {u"3.6"_qs, u"Leaf360.txt"_qs}, {u"Ver3.6"_qs, u"Leaf360.txt"_qs}, {u" Ver 3.6 "_qs, u"Leaf360.txt"_qs},
        {u"3"_qs, u"Leaf300.txt"_qs}, {u"36"_qs, u"Leaf360.txt"_qs}, {u"360"_qs, u"Leaf360.txt"_qs},
        {u"3.60"_qs, u"Leaf360.txt"_qs}, {u"0.5"_qs, u"Leaf50.txt"_qs}, // the number, not the digits: "05" is 5
        {u"10.0"_qs, u"Leaf100.txt"_qs}, // only the first "." goes
        {u"3.6.1"_qs, u"Leaf999.txt"_qs}, {u"3.61"_qs, u"Leaf361.txt"_qs},
        {u"VerVer3.6"_qs, u"Leaf999.txt"_qs}, // only the first "Ver" goes
        {u"ver3.6"_qs, u"Leaf999.txt"_qs}, // and only in that case
        {u"3 . 6"_qs, u"Leaf999.txt"_qs}, // inner spaces stay and count
        {QString(), u"Leaf999.txt"_qs},
        // A rest that is not a plain number cannot be scaled and takes the catch-all number.
        {u"3.a"_qs, u"Leaf999.txt"_qs}, {u"-1"_qs, u"Leaf999.txt"_qs}, {u"+5"_qs, u"Leaf999.txt"_qs},
        {u"\uFF13.\uFF16"_qs, u"Leaf999.txt"_qs}, // full-width digits
    };
    for (const auto& c : cases)
        EXPECT_EQ(versionMarkerName(c.version).toStdString(), c.name.toStdString()) << c.version.toStdString();
}

TEST(VersionMarker, ThisVersionsMarker)
{
    EXPECT_EQ(versionMarkerName(programVersion()), u"Leaf360.txt"_qs);
}

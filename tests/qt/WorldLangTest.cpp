#include <gen/qt/world_lang.h>

#include <gtest/gtest.h>

#include <QRegularExpression>

using namespace gen::qt;

TEST(WorldLang, EveryTwoLetterCodeOnceAndTheTwentyInDisplayOrder)
{
    // A repeated code in the source table would silently drop an entry.
    EXPECT_EQ(get_map_world_lang().size(), 185u);
    QRegularExpression const twoLetters("^[a-z]{2}$");
    for (auto const& [key, name] : get_map_world_lang()) {
        EXPECT_TRUE(twoLetters.match(key).hasMatch() && !name.isEmpty()) << key.toStdString();
    }
    EXPECT_EQ(get_map_world_lang().at("nb"), QString::fromUtf8("Norwegian Bokm\xc3\xa5l"));
    QStringList codes;
    for (auto const& [code, name] : create_vector_world_lang_20()) {
        codes << code;
        EXPECT_EQ(get_map_world_lang().at(code), name);
        EXPECT_EQ(get_map_world_lang_20().at(code), name);
    }
    EXPECT_EQ(codes.join(' '), "en de zh es hi ar bn pt ru ja fr ms id it ko tr vi pa ur te");
    EXPECT_EQ(get_map_world_lang_20().size(), 20u);
}

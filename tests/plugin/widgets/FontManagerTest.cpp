#include "theory/Define_ChordName.h"
#include "widgets/FontManager.h"

#include "WidgetTestHelpers.h"

#include <gtest/gtest.h>

namespace
{

using nubo::FontManager;

juce::String outlineOf (juce::Typeface& typeface, juce::juce_wchar c)
{
    juce::Array<int> glyphs;
    juce::Array<float> offsets;
    typeface.getGlyphPositions (juce::String::charToString (c), glyphs, offsets);

    juce::Path outline;

    if (glyphs.isEmpty() || ! typeface.getOutlineForGlyph (glyphs[0], outline))
        return {};

    return outline.toString();
}

/** True when every character of text has its own outline: not empty and not the missing-glyph box
    that two characters outside the subsets share. */
bool hasOutlines (juce::Typeface& typeface, const juce::String& text)
{
    const auto missing = outlineOf (typeface, 0x9b31);

    if (missing != outlineOf (typeface, 0x9b32))
        return false;

    for (auto c : text)
    {
        const auto outline = outlineOf (typeface, c);

        if (outline.isEmpty() || outline == missing)
            return false;
    }

    return true;
}

class FontManagerTest : public ::testing::Test
{
protected:
    void SetUp() override { FontManager::clearCache(); }
    void TearDown() override { FontManager::clearCache(); }
};

TEST_F (FontManagerTest, KeysNameFamilySizeStyleAndKerning)
{
    EXPECT_EQ (FontManager::makeKey (FontManager::MIG1BT, 18, 1, 0.0f), "M1T_18_BOLD_0.000000");
    EXPECT_EQ (FontManager::makeKey (FontManager::NOTO_SANS_CJK, 14, 0, 0.1f), "NTK_14_PLAIN_0.100000");
    EXPECT_EQ (FontManager::makeKey (FontManager::GENEI_ANTIQUE, 9, 2, 0.0f), "GEAQ_9_ITALIC_0.000000");
    EXPECT_EQ (FontManager::makeKey (FontManager::OS_DEFAULT, 12, 3, 0.0f), "OS_DEF_12_0.000000");
    EXPECT_EQ (FontManager::makeKey ((FontManager::FONT_NAMES) 3, 12, 0, 0.0f), "_12_PLAIN_0.000000");
}

TEST_F (FontManagerTest, SameRequestIsServedFromTheCache)
{
    auto& first = FontManager::getFont (FontManager::MIG1BT, 18, juce::Font::bold, 0.0f);
    auto& second = FontManager::getFont (FontManager::MIG1BT, 18, juce::Font::bold, 0.0f);

    EXPECT_EQ (&first, &second);
    EXPECT_EQ (FontManager::getCacheSize(), 1u);
    EXPECT_FLOAT_EQ (first.getHeight(), 18.0f);
    EXPECT_EQ (first.getTypefacePtr(), FontManager::getEmbeddedTypeface (FontManager::EmbeddedFace::miguBold));

    FontManager::getFont (FontManager::MIG1BT, 18, juce::Font::plain, 0.0f);
    EXPECT_EQ (FontManager::getCacheSize(), 2u);
}

TEST_F (FontManagerTest, EmbeddedFacesAreSharedAndCoverTheLabels)
{
    using Face = FontManager::EmbeddedFace;

    for (auto face : { Face::miguRegular, Face::miguBold, Face::notoRegular, Face::notoMedium })
    {
        auto typeface = FontManager::getEmbeddedTypeface (face);
        ASSERT_NE (typeface, nullptr);
        EXPECT_EQ (typeface, FontManager::getEmbeddedTypeface (face));

        // Each sign and a Japanese label must have a real outline, not the missing-glyph box.
        EXPECT_TRUE (hasOutlines (*typeface, nubo::test::utf8 (u8"C\uff03D\u266d\u25b37\u57fa\u672c\u5f62")));
        // A character no label uses is left out of the subset.
        EXPECT_FALSE (hasOutlines (*typeface, nubo::test::utf8 (u8"C\u9b31")));
    }

    const auto& noto = FontManager::getFont (FontManager::NOTO_SANS_CJK, 14, juce::Font::plain, 0.1f);
    EXPECT_FLOAT_EQ (noto.getExtraKerningFactor(), 0.1f);
    EXPECT_EQ (noto.getTypefacePtr(), FontManager::getEmbeddedTypeface (Face::notoRegular));
    EXPECT_EQ (FontManager::getFont (FontManager::NOTO_SANS_CJK, 14, juce::Font::bold, 0.0f).getTypefacePtr(),
               FontManager::getEmbeddedTypeface (Face::notoMedium));
}

TEST_F (FontManagerTest, ClearingTheCacheKeepsTheEmbeddedTypefaces)
{
    const auto before = FontManager::getFont (FontManager::NOTO_SANS_CJK, 12, juce::Font::plain, 0.0f).getTypefacePtr();
    FontManager::clearCache();
    EXPECT_EQ (FontManager::getCacheSize(), 0u);

    const auto after = FontManager::getFont (FontManager::NOTO_SANS_CJK, 12, juce::Font::plain, 0.0f).getTypefacePtr();
    EXPECT_EQ (before, after) << "the typeface is made once and shared";
}

TEST_F (FontManagerTest, ItalicEmbeddedRequestFallsBackToTheDefaultFont)
{
    const auto& italic = FontManager::getFont (FontManager::MIG1BT, 20, juce::Font::italic, 0.0f);

    EXPECT_FLOAT_EQ (italic.getHeight(), juce::Font().getHeight());
    EXPECT_NE (italic.getTypefacePtr(), FontManager::getEmbeddedTypeface (FontManager::EmbeddedFace::miguRegular));
    EXPECT_EQ (FontManager::getCacheSize(), 1u);
    EXPECT_EQ (&italic, &FontManager::getFont (FontManager::MIG1BT, 20, juce::Font::italic, 0.0f));
}

TEST_F (FontManagerTest, SystemFamiliesUseTheRequestedSizeAndStyle)
{
    const auto& os = FontManager::getFont (FontManager::OS_DEFAULT, 0, juce::Font::bold, 0.1f);
    EXPECT_FLOAT_EQ (os.getHeight(), 0.1f);
    EXPECT_TRUE (os.isBold());

    const auto& calibri = FontManager::getFont (FontManager::GENEI_ANTIQUE, 16, juce::Font::plain, 0.0f);
    EXPECT_FLOAT_EQ (calibri.getHeight(), 16.0f);
    EXPECT_EQ (calibri.getTypefaceName(), "Calibri");
}

TEST_F (FontManagerTest, PopUpMenuLooksPickTheirFontByLanguage)
{
    nubo::_PopUpMenu_LookAndFeel_f51a22fdcb27 byLanguage;
    nubo::_PopUpMenu_LookAndFeel_15e388911991 alwaysNoto;

    const int previous = nubo::Define_ChordName::m_laguageMode;
    const auto noto = FontManager::getEmbeddedTypeface (FontManager::EmbeddedFace::notoMedium);
    const auto migu = FontManager::getEmbeddedTypeface (FontManager::EmbeddedFace::miguRegular);

    nubo::Define_ChordName::m_laguageMode = 0;
    EXPECT_EQ (byLanguage.getPopupMenuFont().getTypefacePtr(), migu);
    EXPECT_EQ (alwaysNoto.getPopupMenuFont().getTypefacePtr(), noto);

    nubo::Define_ChordName::m_laguageMode = 1;
    EXPECT_EQ (byLanguage.getPopupMenuFont().getTypefacePtr(), noto);
    EXPECT_FLOAT_EQ (byLanguage.getPopupMenuFont().getHeight(), 18.0f);

    nubo::Define_ChordName::m_laguageMode = previous;
}

} // namespace

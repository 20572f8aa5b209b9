#include "widgets/FontManager.h"

#include "NuboFontData.h"
#include "theory/Define_ChordName.h"

#include <array>
#include <cstdio>

namespace nubo
{

const juce::String FontManager::m_FontName_MIG1BT ("M1T");
const juce::String FontManager::m_FontName_GENEI_ANTIQUE ("GEAQ");
const juce::String FontManager::m_FontName_NOTO_SANS_CJK ("NTK");
const juce::String FontManager::m_FontName_OS_DEFAULT ("OS_DEF");

const juce::String FontManager::m_STR_ID_PLAIN ("PLAIN");
const juce::String FontManager::m_STR_ID_BOLD ("BOLD");
const juce::String FontManager::m_STR_ID_ITALIC ("ITALIC");

namespace
{
    /** The cache and the embedded faces. It may die (at exit) before JUCE shuts down, or after:
        the shutdown hook checks that it still lives. */
    struct FontStore
    {
        FontStore() noexcept { alive = true; }
        ~FontStore() { alive = false; }

        std::map<juce::String, juce::Font> map;
        std::array<juce::Typeface::Ptr, 4> faces;
        static inline bool alive = false;
    };

    FontStore& store()
    {
        static FontStore s;
        return s;
    }

    std::array<juce::Typeface::Ptr, 4>& embeddedFaces()
    {
        return store().faces;
    }

    /** Empties the font cache when JUCE shuts down, before the typeface machinery goes away. */
    struct FontCacheShutdown final : public juce::DeletedAtShutdown
    {
        ~FontCacheShutdown() override { FontManager::releaseAll(); }
    };

    void registerShutdownOnce()
    {
        static bool registered = false;

        if (! registered)
        {
            registered = true;
            new FontCacheShutdown();
        }
    }

    juce::Font embeddedFont (FontManager::EmbeddedFace face, int size, float extraKerning)
    {
        juce::Font font (FontManager::getEmbeddedTypeface (face));
        font.setHeight ((float) size);
        font.setExtraKerningFactor (extraKerning);
        return font;
    }
} // namespace

std::map<juce::String, juce::Font>& FontManager::fontMap()
{
    return store().map;
}

juce::Typeface::Ptr FontManager::getEmbeddedTypeface (EmbeddedFace face)
{
    auto& slot = embeddedFaces()[(size_t) face];

    if (slot == nullptr)
    {
        registerShutdownOnce();

        switch (face)
        {
            case EmbeddedFace::miguRegular:
                slot = juce::Typeface::createSystemTypefaceFor (NuboFontData::MiguRegular_ttf, (size_t) NuboFontData::MiguRegular_ttfSize);
                break;
            case EmbeddedFace::miguBold:
                slot = juce::Typeface::createSystemTypefaceFor (NuboFontData::MiguBold_ttf, (size_t) NuboFontData::MiguBold_ttfSize);
                break;
            case EmbeddedFace::notoRegular:
                slot = juce::Typeface::createSystemTypefaceFor (NuboFontData::NotoSansCJKjpRegular_otf, (size_t) NuboFontData::NotoSansCJKjpRegular_otfSize);
                break;
            case EmbeddedFace::notoMedium:
                slot = juce::Typeface::createSystemTypefaceFor (NuboFontData::NotoSansCJKjpMedium_otf, (size_t) NuboFontData::NotoSansCJKjpMedium_otfSize);
                break;
        }
    }

    return slot;
}

juce::String FontManager::makeKey (FONT_NAMES family, int size, int style, float extraKerning)
{
    juce::String key;

    switch (family)
    {
        case MIG1BT:
            key = m_FontName_MIG1BT;
            break;
        case GENEI_ANTIQUE:
            key = m_FontName_GENEI_ANTIQUE;
            break;
        case NOTO_SANS_CJK:
            key = m_FontName_NOTO_SANS_CJK;
            break;
        case OS_DEFAULT:
            key = m_FontName_OS_DEFAULT;
            break;
        default:
            break;
    }

    key << "_" << size;

    if (style == 0)
        key << "_" << m_STR_ID_PLAIN;
    else if (style == 1)
        key << "_" << m_STR_ID_BOLD;
    else if (style == 2)
        key << "_" << m_STR_ID_ITALIC;

    char kerning[64] {};
    std::snprintf (kerning, sizeof (kerning), "%.6f", (double) extraKerning);
    key << "_" << kerning;
    return key;
}

juce::Font& FontManager::getFont (FONT_NAMES family, int size, juce::Font::FontStyleFlags style, float extraKerning)
{
    auto& map = fontMap();
    const auto key = makeKey (family, size, (int) style, extraKerning);

    if (auto found = map.find (key); found != map.end())
        return found->second;

    registerShutdownOnce();

    const bool plain = style == juce::Font::plain;
    const bool bold = style == juce::Font::bold;

    if (family == MIG1BT && (plain || bold))
        return map.emplace (key, embeddedFont (plain ? EmbeddedFace::miguRegular : EmbeddedFace::miguBold, size, extraKerning)).first->second;

    if (family == NOTO_SANS_CJK && (plain || bold))
        return map.emplace (key, embeddedFont (plain ? EmbeddedFace::notoRegular : EmbeddedFace::notoMedium, size, extraKerning)).first->second;

    if (family == GENEI_ANTIQUE)
        return map.emplace (key, juce::Font ("Calibri", (float) size, style).withExtraKerningFactor (extraKerning)).first->second;

    if (family == OS_DEFAULT)
    {
        const auto height = juce::jlimit (0.1f, 10000.0f, (float) size);
        return map.emplace (key, juce::Font (juce::Font::getDefaultSansSerifFontName(), height, style).withExtraKerningFactor (extraKerning)).first->second;
    }

    return map[key];
}

size_t FontManager::getCacheSize()
{
    return fontMap().size();
}

void FontManager::clearCache()
{
    fontMap().clear();
}

void FontManager::releaseAll()
{
    if (! FontStore::alive)
        return;

    clearCache();

    for (auto& face : embeddedFaces())
        face = nullptr;
}

juce::Font _PopUpMenu_LookAndFeel_ByLanguage::getPopupMenuFont()
{
    if (Define_ChordName::m_laguageMode == 0)
        return FontManager::getFont (FontManager::MIG1BT, 18, juce::Font::plain, 0.0f);

    return FontManager::getFont (FontManager::NOTO_SANS_CJK, 18, juce::Font::bold, 0.0f);
}

juce::Font _PopUpMenu_LookAndFeel_NotoBold::getPopupMenuFont()
{
    return FontManager::getFont (FontManager::NOTO_SANS_CJK, 18, juce::Font::bold, 0.0f);
}

} // namespace nubo

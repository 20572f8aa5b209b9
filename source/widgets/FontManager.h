#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <map>

namespace nubo
{

/** Serves the editor's typefaces by family, size, style and kerning, each combination built once. */
class FontManager
{
public:
    enum FONT_NAMES
    {
        MIG1BT = 0,
        GENEI_ANTIQUE = 1,
        NOTO_SANS_CJK = 2,
        OS_DEFAULT = 4
    };

    static const juce::String m_FontName_MIG1BT;
    static const juce::String m_FontName_GENEI_ANTIQUE;
    static const juce::String m_FontName_NOTO_SANS_CJK;
    static const juce::String m_FontName_OS_DEFAULT;

    static const juce::String m_STR_ID_PLAIN;
    static const juce::String m_STR_ID_BOLD;
    static const juce::String m_STR_ID_ITALIC;

    /** The cached font for that combination; callers copy it. Message thread only. */
    static juce::Font& getFont (FONT_NAMES family, int size, juce::Font::FontStyleFlags style, float extraKerning);

    /** The cache key of a combination, e.g. "M1T_18_BOLD_0.000000". */
    static juce::String makeKey (FONT_NAMES family, int size, int style, float extraKerning);

    /** Number of cached fonts. */
    static size_t getCacheSize();

    /** Empties the cache (the editor does this when it is destroyed); the embedded typefaces stay. */
    static void clearCache();

    /** Empties the cache and lets go of the embedded typefaces (done when JUCE shuts down). */
    static void releaseAll();

    /** The four embedded faces, created once from their data and shared. */
    enum class EmbeddedFace
    {
        miguRegular,
        miguBold,
        notoRegular,
        notoMedium
    };
    static juce::Typeface::Ptr getEmbeddedTypeface (EmbeddedFace face);

private:
    static std::map<juce::String, juce::Font>& fontMap();
};

/** Pop-up menu looks: each belongs to one setting roulette's menu and only picks its font. */
class _PopUpMenu_LookAndFeel_ByLanguage : public juce::LookAndFeel_V4
{
public:
    /** Japanese mode: Migu, plain; English mode: Noto Sans CJK, bold. Decided by the chord-name
        language mode at the moment the menu asks. */
    juce::Font getPopupMenuFont() override;
};

class _PopUpMenu_LookAndFeel_NotoBold : public juce::LookAndFeel_V4
{
public:
    juce::Font getPopupMenuFont() override;
};

/** Inversion-type roulette menu. */
class _PopUpMenu_LookAndFeel_f51a22fdcb27 final : public _PopUpMenu_LookAndFeel_ByLanguage
{};
/** Main-key selector menu. */
class _PopUpMenu_LookAndFeel_15e388911991 final : public _PopUpMenu_LookAndFeel_NotoBold
{};
/** Octave roulette menu. */
class _PopUpMenu_LookAndFeel_f026f748bb37 final : public _PopUpMenu_LookAndFeel_ByLanguage
{};
/** MIDI-channel roulette menu. */
class _PopUpMenu_LookAndFeel_a4d099a822f6 final : public _PopUpMenu_LookAndFeel_ByLanguage
{};
/** Note-order roulette menu. */
class _PopUpMenu_LookAndFeel_b0ed1c481e7b final : public _PopUpMenu_LookAndFeel_ByLanguage
{};
/** Spelling-rule roulette menu. */
class _PopUpMenu_LookAndFeel_f7d_79bbbbcafa36 final : public _PopUpMenu_LookAndFeel_NotoBold
{};

} // namespace nubo

#include "theory/Define_ChordName.h"

#include "theory/ChordToneTable.h"
#include "theory/Utf8Text.h"

namespace nubo
{

int Define_ChordName::m_laguageMode = 1;

namespace
{
    constexpr int numTriads = 5, numSevenths = 10, numNinths = 36, numElevenths = 12, numThirteenths = 12;
    constexpr int firstSeventh = numTriads;
    constexpr int firstNinth = firstSeventh + numSevenths;
    constexpr int firstEleventh = firstNinth + numNinths;
    constexpr int firstThirteenth = firstEleventh + numElevenths;
    static_assert (firstThirteenth + numThirteenths == ChordToneTable::numEntries);

    bool isEnglish() noexcept
    {
        return Define_ChordName::m_laguageMode == 1;
    }

    /** Names of the table entries [first, first + count). */
    juce::StringArray tableNames (int first, int count)
    {
        juce::StringArray names;
        names.ensureStorageAllocated (count);

        for (int i = first; i < first + count; ++i)
            names.add (utf8Text (ChordToneTable::getEntry (i).name));

        return names;
    }

    /** Positions from..to (1-based, inclusive) of a group list. */
    juce::StringArray groupRange (const juce::StringArray& group, int from, int to)
    {
        juce::StringArray part;

        for (int i = from; i <= to; ++i)
            part.add (group[i - 1]);

        return part;
    }

    juce::StringArray concat (std::initializer_list<juce::StringArray> lists)
    {
        juce::StringArray all;

        for (const auto& list : lists)
            all.addArray (list);

        return all;
    }

    const juce::StringArray& triads()
    {
        static const auto l = tableNames (0, numTriads);
        return l;
    }
    const juce::StringArray& sevenths()
    {
        static const auto l = tableNames (firstSeventh, numSevenths);
        return l;
    }
    const juce::StringArray& ninths()
    {
        static const auto l = tableNames (firstNinth, numNinths);
        return l;
    }
    const juce::StringArray& elevenths()
    {
        static const auto l = tableNames (firstEleventh, numElevenths);
        return l;
    }
    const juce::StringArray& thirteenths()
    {
        static const auto l = tableNames (firstThirteenth, numThirteenths);
        return l;
    }

    /** Japanese (index 0) and English (index 1) forms of the four inversion types. */
    const juce::StringArray& inversionNames (bool english)
    {
        static const juce::StringArray lists[2] = {
            utf8TextList ({ u8"基本形", u8"第１転", u8"第２転", u8"第３転" }),
            juce::StringArray { "Normal", "Inversion 1", "Inversion 2", "Inversion 3" }
        };
        return lists[english ? 1 : 0];
    }

    const juce::StringArray& noteOrderNames (bool english)
    {
        static const juce::StringArray lists[2] = {
            utf8TextList ({ u8"標準", u8"偶数音", u8"奇数音", u8"ベース,トップ", u8"トップ音", u8"ベース音" }),
            juce::StringArray { "Normal", "Even", "Odd", "Bass,Top", "Top", "Bass" }
        };
        return lists[english ? 1 : 0];
    }

    /** The name at the same position in the current language's list when name belongs to the
        other language's list; otherwise name itself. */
    juce::String translate (const juce::String& name, const juce::StringArray& from, const juce::StringArray& to)
    {
        const auto index = from.indexOf (name);
        return index >= 0 ? to[index] : name;
    }
} // namespace

juce::StringArray Define_ChordName::get3rdChordNameList()
{
    return triads();
}
juce::StringArray Define_ChordName::get4thChordNameList()
{
    return sevenths();
}
juce::StringArray Define_ChordName::get9thChordNameList()
{
    return ninths();
}
juce::StringArray Define_ChordName::get11thChordNameList()
{
    return elevenths();
}
juce::StringArray Define_ChordName::get13thChordNameList()
{
    return thirteenths();
}

juce::StringArray Define_ChordName::getAllChordNameList()
{
    static const auto list = concat ({ triads(), sevenths(), ninths(), elevenths(), thirteenths() });
    return list;
}

juce::StringArray Define_ChordName::getAllSus4ChordnameList()
{
    static const auto list = concat ({ utf8TextList ({ "aug", "dim", "sus4", u8"△7sus4", "7sus4", "sus4Add9", u8"△7sus4Add9", "7sus4Add9",
                                                       u8"sus4Add¯9", u8"sus4△7Add¯9", u8"sus47Add¯9" }),
                                       groupRange (ninths(), 31, 36) });
    return list;
}

juce::StringArray Define_ChordName::getAllMinorChordNameList()
{
    static const auto list = concat ({ utf8TextList ({ "min", u8"m△7", "m7", u8"m△7¯5", u8"m7¯5" }),
                                       groupRange (ninths(), 7, 12), groupRange (elevenths(), 7, 12), groupRange (thirteenths(), 7, 12) });
    return list;
}

juce::StringArray Define_ChordName::getAllMajorChordNameList()
{
    static const auto list = concat ({ utf8TextList ({ "Maj", u8"△7", "7", u8"△7¯5", u8"7¯5" }),
                                       groupRange (ninths(), 1, 6), groupRange (elevenths(), 1, 6), groupRange (thirteenths(), 1, 6) });
    return list;
}

juce::StringArray Define_ChordName::getTentionChordNameList()
{
    static const auto list = concat ({ ninths(), elevenths(), thirteenths() });
    return list;
}

juce::StringArray Define_ChordName::get3rdAnd4thChordNameList()
{
    static const auto list = concat ({ triads(), sevenths() });
    return list;
}

juce::StringArray Define_ChordName::getChordTypeList()
{
    return inversionNames (isEnglish());
}

juce::StringArray Define_ChordName::getFifthPitchNameList()
{
    static const auto list = utf8TextList ({ "C", "G", "D", "A", "E", "B", u8"F＃", u8"D♭", u8"A♭", u8"E♭", u8"B♭", "F" });
    return list;
}

juce::StringArray Define_ChordName::getFifthPitchNameListMinor()
{
    static const auto list = utf8TextList ({ "Am", "Em", "Bm", u8"F＃m", u8"D♭m", u8"A♭m", u8"E♭m", u8"B♭m", "Fm", "Cm", "Gm", "Dm" });
    return list;
}

juce::String Define_ChordName::convertInvertChordTypeByLanguage (const juce::String& name)
{
    const auto english = isEnglish();
    return translate (name, inversionNames (! english), inversionNames (english));
}

juce::StringArray Define_ChordName::getNoteReplaceTypeList_WithoutSync()
{
    return noteOrderNames (isEnglish());
}

juce::String Define_ChordName::convertNoteOrderReplaceName_JA_EN (const juce::String& name)
{
    const auto english = isEnglish();
    return translate (name, noteOrderNames (! english), noteOrderNames (english));
}

} // namespace nubo

#include "theory/ChordToneTable.h"

#include <string_view>
#include <unordered_map>

namespace nubo
{

namespace
{
    // Semitones above the root. Triads and sevenths are fixed; every other name reads as its
    // tokens: "m" third 3, "sus4" fourth 5 in place of the third, "¯5" fifth 6, "△7" adds 11 and
    // "7" adds 10 after the fifth, then "Add9" 14, "Add¯9" 13, "Add11" 17, "Add¯11" 16,
    // "Add13" 21, "Add¯13" 20.
    constexpr ChordToneTable::Entry entries[ChordToneTable::numEntries] = {
        { u8"Maj", 3, { 0, 4, 7 } },
        { u8"min", 3, { 0, 3, 7 } },
        { u8"aug", 3, { 0, 4, 8 } },
        { u8"dim", 3, { 0, 3, 6 } },
        { u8"sus4", 3, { 0, 5, 7 } },
        { u8"△7", 4, { 0, 4, 7, 11 } },
        { u8"7", 4, { 0, 4, 7, 10 } },
        { u8"m△7", 4, { 0, 3, 7, 11 } },
        { u8"m7", 4, { 0, 3, 7, 10 } },
        { u8"△7sus4", 4, { 0, 5, 7, 11 } },
        { u8"7sus4", 4, { 0, 5, 7, 10 } },
        { u8"△7¯5", 4, { 0, 4, 6, 11 } },
        { u8"7¯5", 4, { 0, 4, 6, 10 } },
        { u8"m△7¯5", 4, { 0, 3, 6, 11 } },
        { u8"m7¯5", 4, { 0, 3, 6, 10 } },
        { u8"Add9", 4, { 0, 4, 7, 14 } },
        { u8"△7Add9", 5, { 0, 4, 7, 11, 14 } },
        { u8"7Add9", 5, { 0, 4, 7, 10, 14 } },
        { u8"Add¯9", 4, { 0, 4, 7, 13 } },
        { u8"△7Add¯9", 5, { 0, 4, 7, 11, 13 } },
        { u8"7Add¯9", 5, { 0, 4, 7, 10, 13 } },
        { u8"mAdd9", 4, { 0, 3, 7, 14 } },
        { u8"m△7Add9", 5, { 0, 3, 7, 11, 14 } },
        { u8"m7Add9", 5, { 0, 3, 7, 10, 14 } },
        { u8"mAdd¯9", 4, { 0, 3, 7, 13 } },
        { u8"m△7Add¯9", 5, { 0, 3, 7, 11, 13 } },
        { u8"m7Add¯9", 5, { 0, 3, 7, 10, 13 } },
        { u8"sus4Add9", 4, { 0, 5, 7, 14 } },
        { u8"△7sus4Add9", 5, { 0, 5, 7, 11, 14 } },
        { u8"7sus4Add9", 5, { 0, 5, 7, 10, 14 } },
        { u8"sus4Add¯9", 4, { 0, 5, 7, 13 } },
        { u8"sus4△7Add¯9", 5, { 0, 5, 7, 11, 13 } },
        { u8"sus47Add¯9", 5, { 0, 5, 7, 10, 13 } },
        { u8"Add9¯5", 4, { 0, 4, 6, 14 } },
        { u8"△7Add9¯5", 5, { 0, 4, 6, 11, 14 } },
        { u8"7Add9¯5", 5, { 0, 4, 6, 10, 14 } },
        { u8"Add¯9¯5", 4, { 0, 4, 6, 13 } },
        { u8"△7Add¯9¯5", 5, { 0, 4, 6, 11, 13 } },
        { u8"7Add¯9¯5", 5, { 0, 4, 6, 10, 13 } },
        { u8"mAdd9¯5", 4, { 0, 3, 6, 14 } },
        { u8"m△7Add9¯5", 5, { 0, 3, 6, 11, 14 } },
        { u8"m7Add9¯5", 5, { 0, 3, 6, 10, 14 } },
        { u8"mAdd¯9¯5", 4, { 0, 3, 6, 13 } },
        { u8"m△7Add¯9¯5", 5, { 0, 3, 6, 11, 13 } },
        { u8"m7Add¯9¯5", 5, { 0, 3, 6, 10, 13 } },
        { u8"sus4Add9¯5", 4, { 0, 5, 6, 14 } },
        { u8"△7sus4Add9¯5", 5, { 0, 5, 6, 11, 14 } },
        { u8"7sus4Add9¯5", 5, { 0, 5, 6, 10, 14 } },
        { u8"sus4Add¯9¯5", 4, { 0, 5, 6, 13 } },
        { u8"sus4△7Add¯9¯5", 5, { 0, 5, 6, 11, 13 } },
        { u8"sus47Add¯9¯5", 5, { 0, 5, 6, 10, 13 } },
        { u8"Add11", 4, { 0, 4, 7, 17 } },
        { u8"△7Add11", 5, { 0, 4, 7, 11, 17 } },
        { u8"7Add11", 5, { 0, 4, 7, 10, 17 } },
        { u8"Add¯11", 4, { 0, 4, 7, 16 } },
        { u8"△7Add¯11", 5, { 0, 4, 7, 11, 16 } },
        { u8"7Add¯11", 5, { 0, 4, 7, 10, 16 } },
        { u8"mAdd11", 4, { 0, 3, 7, 17 } },
        { u8"m△7Add11", 5, { 0, 3, 7, 11, 17 } },
        { u8"m7Add11", 5, { 0, 3, 7, 10, 17 } },
        { u8"mAdd¯11", 4, { 0, 3, 7, 16 } },
        { u8"m△7Add¯11", 5, { 0, 3, 7, 11, 16 } },
        { u8"m7Add¯11", 5, { 0, 3, 7, 10, 16 } },
        { u8"Add13", 4, { 0, 4, 7, 21 } },
        { u8"△7Add13", 5, { 0, 4, 7, 11, 21 } },
        { u8"7Add13", 5, { 0, 4, 7, 10, 21 } },
        { u8"Add¯13", 4, { 0, 4, 7, 20 } },
        { u8"△7Add¯13", 5, { 0, 4, 7, 11, 20 } },
        { u8"7Add¯13", 5, { 0, 4, 7, 10, 20 } },
        { u8"mAdd13", 4, { 0, 3, 7, 21 } },
        { u8"m△7Add13", 5, { 0, 3, 7, 11, 21 } },
        { u8"m7Add13", 5, { 0, 3, 7, 10, 21 } },
        { u8"mAdd¯13", 4, { 0, 3, 7, 20 } },
        { u8"m△7Add¯13", 5, { 0, 3, 7, 11, 20 } },
        { u8"m7Add¯13", 5, { 0, 3, 7, 10, 20 } },
    };

    const std::unordered_map<std::string_view, int>& nameIndex()
    {
        static const auto index = [] {
            std::unordered_map<std::string_view, int> map;
            map.reserve (ChordToneTable::numEntries * 2);

            for (int i = 0; i < ChordToneTable::numEntries; ++i)
                map.emplace (std::string_view (entries[i].name), i);

            return map;
        }();

        return index;
    }
} // namespace

const ChordToneTable::Entry& ChordToneTable::getEntry (int index) noexcept
{
    return entries[juce::jlimit (0, numEntries - 1, index)];
}

int ChordToneTable::indexOf (const juce::String& chordName)
{
    const auto utf8 = chordName.toUTF8();
    const std::string_view key (utf8.getAddress(), chordName.getNumBytesAsUTF8());
    const auto& index = nameIndex();

    if (auto found = index.find (key); found != index.end())
        return found->second;

    return -1;
}

const ChordToneTable::Entry* ChordToneTable::find (const juce::String& chordName)
{
    const auto i = indexOf (chordName);
    return i >= 0 ? &entries[i] : nullptr;
}

} // namespace nubo

#pragma once

#include <juce_core/juce_core.h>

namespace nubo
{

/** What the host's project stores for one plug-in instance: a chord-state text per editor panel
    and the circle-of-fifths wheel style. */
struct PluginStateTexts
{
    juce::String buttonModeState;
    juce::String circleOfFifthModeState;
    juce::String pitchAnalysisIState;
    juce::String pitchAnalysisIIState;
    juce::String chordProgressionState;
    int circleOfFifthStyle = 0;
    int circleOfFifthStyleDivNum = 2;
};

/**
    The saved-state block: the binary XML container (magic "VC2!", the text length N, N bytes of
    single-line UTF-8 XML with no declaration, a zero byte) around a document with the root
    "root" and one section per editor panel plus the wheel style.
*/
namespace PluginStateFormat
{
    constexpr juce::uint32 magic = 0x21324356;

    /** The section names, in the order they are written. */
    constexpr const char* buttonModeTag = "buttonMode";
    constexpr const char* circleOfFifthModeTag = "circleOfFifthMode";
    constexpr const char* pitchAnalysisITag = "pitchAnalysis_I_Mode";
    constexpr const char* pitchAnalysisIITag = "pitchAnalysis_II_Mode";
    constexpr const char* additionalParamTag = "additional_param";
    constexpr const char* chordProgressionTag = "chordProgression_Mode";
    constexpr const char* panelRootTag = "PitchNameString";
    constexpr const char* styleAttribute = "CircleOfFifth_Style";
    constexpr const char* divNumAttribute = "CircleOfFifth_Style_DivNum";

    /** The document for the given state. */
    std::unique_ptr<juce::XmlElement> createDocument (const PluginStateTexts& state);

    /** Writes the whole block into dest (replacing its contents). */
    void write (const PluginStateTexts& state, juce::MemoryBlock& dest);

    /** The document a block holds, or nullptr when it holds none (too short, another magic, a
        length of 0 or below, text that is not XML or nests too deeply). */
    std::unique_ptr<juce::XmlElement> readDocument (const void* data, int sizeInBytes);

    /** Applies a document to state: each panel text whose section holds a chord-state element is
        replaced; the wheel style is read from "additional_param" (0 and 2 when it is missing). */
    void applyDocument (const juce::XmlElement& document, PluginStateTexts& state);

    /** Reads a block into state. Returns false, changing nothing, when the block holds no document. */
    bool read (const void* data, int sizeInBytes, PluginStateTexts& state);
} // namespace PluginStateFormat

} // namespace nubo

#include "engine/PluginStateFormat.h"

#include "engine/SafeXml.h"

#include <cstring>

namespace nubo::PluginStateFormat
{

namespace
{
    struct PanelSection
    {
        const char* tag;
        juce::String PluginStateTexts::*text;
    };

    // Reading order of the panel sections.
    constexpr PanelSection panelSections[] = {
        { buttonModeTag, &PluginStateTexts::buttonModeState },
        { circleOfFifthModeTag, &PluginStateTexts::circleOfFifthModeState },
        { pitchAnalysisITag, &PluginStateTexts::pitchAnalysisIState },
        { pitchAnalysisIITag, &PluginStateTexts::pitchAnalysisIIState },
        { chordProgressionTag, &PluginStateTexts::chordProgressionState },
    };

    void addPanelSection (juce::XmlElement& root, const char* tag, const juce::String& text)
    {
        auto* section = root.createNewChildElement (tag);

        if (auto parsed = SafeXml::parse (text))
        {
            SafeXml::removeMixedContentText (*parsed);
            section->addChildElement (parsed.release());
        }
    }
} // namespace

std::unique_ptr<juce::XmlElement> createDocument (const PluginStateTexts& state)
{
    auto root = std::make_unique<juce::XmlElement> ("root");

    addPanelSection (*root, buttonModeTag, state.buttonModeState);
    addPanelSection (*root, circleOfFifthModeTag, state.circleOfFifthModeState);
    addPanelSection (*root, pitchAnalysisITag, state.pitchAnalysisIState);
    addPanelSection (*root, pitchAnalysisIITag, state.pitchAnalysisIIState);

    auto* additional = root->createNewChildElement (additionalParamTag);
    additional->setAttribute (styleAttribute, state.circleOfFifthStyle);
    additional->setAttribute (divNumAttribute, state.circleOfFifthStyleDivNum);

    addPanelSection (*root, chordProgressionTag, state.chordProgressionState);
    return root;
}

void write (const PluginStateTexts& state, juce::MemoryBlock& dest)
{
    const auto document = createDocument (state);

    dest.reset();
    {
        juce::MemoryOutputStream out (dest, false);
        out.writeInt (static_cast<int> (magic));
        out.writeInt (0);
        document->writeTo (out, juce::XmlElement::TextFormat().singleLine().withoutHeader());
        out.writeByte (0);
    }

    const auto textLength = static_cast<juce::uint32> (dest.getSize() - 9);
    auto* lengthField = static_cast<char*> (dest.getData()) + 4;
    const juce::uint32 le = juce::ByteOrder::swapIfBigEndian (textLength);
    std::memcpy (lengthField, &le, sizeof (le));
}

std::unique_ptr<juce::XmlElement> readDocument (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes < 9)
        return nullptr;

    if (juce::ByteOrder::littleEndianInt (data) != magic)
        return nullptr;

    // The length is read as a signed value, as JUCE's reader does: 2^31 and above count as negative.
    const auto storedLength = static_cast<int> (juce::ByteOrder::littleEndianInt (static_cast<const char*> (data) + 4));

    if (storedLength <= 0)
        return nullptr;

    const auto length = juce::jmin (sizeInBytes - 8, storedLength);
    return SafeXml::parse (juce::String::fromUTF8 (static_cast<const char*> (data) + 8, length));
}

void applyDocument (const juce::XmlElement& document, PluginStateTexts& state)
{
    for (const auto& section : panelSections)
        if (auto* holder = SafeXml::findChildIgnoreCase (document, section.tag))
            if (auto* panel = SafeXml::findChildIgnoreCase (*holder, panelRootTag))
                state.*(section.text) = panel->toString(); // declaration, line breaks, wrap at 60

    if (auto* additional = SafeXml::findChildIgnoreCase (document, additionalParamTag))
    {
        state.circleOfFifthStyle = SafeXml::intAttribute (*additional, styleAttribute, 0);
        state.circleOfFifthStyleDivNum = SafeXml::intAttribute (*additional, divNumAttribute, 2);
    }
    else
    {
        state.circleOfFifthStyle = 0;
        state.circleOfFifthStyleDivNum = 2;
    }
}

bool read (const void* data, int sizeInBytes, PluginStateTexts& state)
{
    const auto document = readDocument (data, sizeInBytes);

    if (document == nullptr)
        return false;

    applyDocument (*document, state);
    return true;
}

} // namespace nubo::PluginStateFormat

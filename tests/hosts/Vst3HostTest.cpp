// Loads the built VST3 bundle through JUCE's own VST3 hosting, as a DAW built on JUCE would:
// instantiate it, process blocks with MIDI, and round-trip its state.

#include "engine/PluginStateFormat.h"

#include <juce_audio_processors/juce_audio_processors.h>

#include <gtest/gtest.h>

namespace
{

std::unique_ptr<juce::AudioPluginInstance> loadPlugin()
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> types;
    const juce::File bundle (juce::File (NUBO_VST3_BUNDLE).getLinkedTarget());
    format.findAllTypesForFile (types, bundle.getFullPathName());

    if (types.isEmpty())
        return nullptr;

    juce::String error;
    auto instance = format.createInstanceFromDescription (*types[0], 48000.0, 512, error);
    EXPECT_TRUE (error.isEmpty()) << error;
    return instance;
}

TEST (Vst3Host, DescribesAnInstrumentWithMidiInAndOut)
{
    juce::VST3PluginFormat format;
    juce::OwnedArray<juce::PluginDescription> types;
    format.findAllTypesForFile (types, juce::File (NUBO_VST3_BUNDLE).getFullPathName());

    ASSERT_EQ (types.size(), 1) << NUBO_VST3_BUNDLE;
    EXPECT_EQ (types[0]->name, "nuboChord 2");
    EXPECT_EQ (types[0]->manufacturerName, "nubo");
    EXPECT_TRUE (types[0]->isInstrument);

    auto plugin = loadPlugin();
    ASSERT_NE (plugin, nullptr);
    EXPECT_TRUE (plugin->acceptsMidi());
    EXPECT_TRUE (plugin->producesMidi());
}

TEST (Vst3Host, ProcessesBlocksAndPassesHostMidiThrough)
{
    auto plugin = loadPlugin();
    ASSERT_NE (plugin, nullptr);

    plugin->enableAllBuses();
    plugin->prepareToPlay (48000.0, 512);

    const auto channels = juce::jmax (plugin->getTotalNumInputChannels(), plugin->getTotalNumOutputChannels());
    juce::AudioBuffer<float> audio (channels, 512);

    for (int block = 0; block < 10; ++block)
    {
        audio.clear();
        juce::MidiBuffer midi;
        if (block == 3)
            midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 17);

        plugin->processBlock (audio, midi);

        if (block == 3)
        {
            ASSERT_EQ (midi.getNumEvents(), 1);
            const auto meta = *midi.begin();
            EXPECT_EQ (meta.samplePosition, 17);
            EXPECT_TRUE (meta.getMessage().isNoteOn());
            EXPECT_EQ (meta.getMessage().getNoteNumber(), 60);
        }
        else
        {
            EXPECT_TRUE (midi.isEmpty()) << "block " << block;
        }

        EXPECT_EQ (audio.getMagnitude (0, 512), 0.0f);
    }

    plugin->releaseResources();
}

/** The host-side VST3 state holds the component's stream, base64-encoded, under "IComponent";
    our component writes its own state block at the start of that stream. */
juce::MemoryBlock componentStream (const juce::MemoryBlock& hostState)
{
    juce::MemoryBlock stream;
    if (auto xml = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), (int) hostState.getSize()))
        if (auto* component = xml->getChildByName ("IComponent"))
            stream.fromBase64Encoding (component->getAllSubText());
    return stream;
}

juce::MemoryBlock withComponentStream (const juce::MemoryBlock& hostState, const juce::MemoryBlock& stream)
{
    auto xml = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), (int) hostState.getSize());
    auto* component = xml->getChildByName ("IComponent");
    component->deleteAllChildElements();
    component->addTextElement (stream.toBase64Encoding());
    juce::MemoryBlock result;
    juce::AudioProcessor::copyXmlToBinary (*xml, result);
    return result;
}

TEST (Vst3Host, StateRoundTripsThroughTheComponent)
{
    auto first = loadPlugin();
    auto second = loadPlugin();
    ASSERT_NE (first, nullptr);
    ASSERT_NE (second, nullptr);

    juce::MemoryBlock defaultHostState;
    first->getStateInformation (defaultHostState);
    const auto defaultStream = componentStream (defaultHostState);

    nubo::PluginStateTexts texts;
    ASSERT_TRUE (nubo::PluginStateFormat::read (defaultStream.getData(), (int) defaultStream.getSize(), texts));
    EXPECT_EQ (texts.circleOfFifthStyle, 0);
    EXPECT_EQ (texts.circleOfFifthStyleDivNum, 2);

    // Restore a state of our own through the host's state call, then read it back.
    nubo::PluginStateTexts wanted;
    wanted.pitchAnalysisIState = juce::XmlElement ("PitchNameString").toString();
    wanted.circleOfFifthStyle = 6;
    wanted.circleOfFifthStyleDivNum = 4;
    juce::MemoryBlock block;
    nubo::PluginStateFormat::write (wanted, block);

    const auto hostState = withComponentStream (defaultHostState, block);
    second->setStateInformation (hostState.getData(), (int) hostState.getSize());

    juce::MemoryBlock again;
    second->getStateInformation (again);
    const auto stream = componentStream (again);
    nubo::PluginStateTexts restored;
    ASSERT_TRUE (nubo::PluginStateFormat::read (stream.getData(), (int) stream.getSize(), restored));
    EXPECT_EQ (restored.circleOfFifthStyle, 6);
    EXPECT_EQ (restored.circleOfFifthStyleDivNum, 4);
    EXPECT_EQ (restored.pitchAnalysisIState, wanted.pitchAnalysisIState);

    // And the same host state restored twice gives the same bytes.
    first->setStateInformation (again.getData(), (int) again.getSize());
    juce::MemoryBlock third;
    first->getStateInformation (third);
    EXPECT_EQ (third, again);
}

} // namespace

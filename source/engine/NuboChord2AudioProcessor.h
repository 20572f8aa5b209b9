#pragma once

#include "engine/MidiMessageManager.h"
#include "engine/PluginStateFormat.h"

#include <juce_audio_processors/juce_audio_processors.h>

/**
    What the processor needs from an open editor around a host save or restore: the editor copies
    its panels' chord states into the processor, or loads them from it.
*/
class PanelStateExchange
{
public:
    virtual ~PanelStateExchange() = default;
    virtual void savePicthChordInfoToPlugin() = 0;
    virtual void loadPicthChordInfoFromPlugin() = 0;
};

/**
    The object the host creates for each instance. It makes no sound: every block silences the
    outputs that have no input and drains the MIDI scheduler (its second base) into the host's
    MIDI buffer, one message per sample.
*/
class NuboChord2AudioProcessor final : public juce::AudioProcessor
    , public nubo::MidiMessageManager
{
public:
    NuboChord2AudioProcessor();
    ~NuboChord2AudioProcessor() override;

    /** Whether an instance made by this wrapper emits MIDI: VST, VST3, LV2 and the standalone app
        do; Audio Units only inside Apple Logic; no other wrapper does. */
    static bool wrapperEmitsMidi (WrapperType wrapper, bool hostIsLogic) noexcept;

    //==============================================================================
    const juce::String getName() const override;
    bool acceptsMidi() const override { return true; }
    bool producesMidi() const override { return true; }
    double getTailLengthSeconds() const override { return 0.0; }

    int getNumPrograms() override { return 1; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return {}; }
    void changeProgramName (int, const juce::String&) override {}

    void prepareToPlay (double, int) override {}
    void releaseResources() override {}
    bool isBusesLayoutSupported (const BusesLayout&) const override { return true; }

    bool hasEditor() const override;
    juce::AudioProcessorEditor* createEditor() override;

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

    void processBlock (juce::AudioBuffer<float>& audio, juce::MidiBuffer& midi) override;
    using juce::AudioProcessor::processBlock;

    //==============================================================================
    bool isMidiOutputEnabled() const noexcept { return midiOutputEnabled; }
    /** The tempo the last block read from the host, 0 when it gave none. */
    double getLastBpm() const noexcept { return positionInfo.bpm; }

    /** The chord-state texts and wheel style kept while no editor is open. */
    nubo::PluginStateTexts& getStateTexts() noexcept { return state; }
    const nubo::PluginStateTexts& getStateTexts() const noexcept { return state; }

    int editorWidth = 647;
    int editorHeight = 400;

private:
    void readTempo();

    std::atomic<bool> resetQueueOnNextBlock { true };
    bool midiOutputEnabled = false;
    juce::AudioPlayHead::CurrentPositionInfo positionInfo;
    nubo::PluginStateTexts state;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (NuboChord2AudioProcessor)
};

#include "engine/NuboChord2AudioProcessor.h"

NuboChord2AudioProcessor::NuboChord2AudioProcessor()
{
    positionInfo.bpm = 0.0;

    const auto hostIsLogic = juce::PluginHostType().isLogic();
    midiOutputEnabled = wrapperEmitsMidi (wrapperType, hostIsLogic);
}

NuboChord2AudioProcessor::~NuboChord2AudioProcessor() = default;

bool NuboChord2AudioProcessor::wrapperEmitsMidi (WrapperType wrapper, bool hostIsLogic) noexcept
{
    switch (wrapper)
    {
        case wrapperType_VST:
        case wrapperType_VST3:
        case wrapperType_LV2:
        case wrapperType_Standalone:
            return true;

        case wrapperType_AudioUnit:
        case wrapperType_AudioUnitv3:
            return hostIsLogic;

        case wrapperType_Undefined:
        case wrapperType_AAX:
        case wrapperType_Unity:
        default:
            return false;
    }
}

const juce::String NuboChord2AudioProcessor::getName() const
{
    return "nuboChord 2";
}

bool NuboChord2AudioProcessor::hasEditor() const
{
    return false;
}

juce::AudioProcessorEditor* NuboChord2AudioProcessor::createEditor()
{
    return nullptr;
}

//==============================================================================
void NuboChord2AudioProcessor::readTempo()
{
    positionInfo.bpm = 0.0;

    if (auto* head = getPlayHead())
        if (const auto position = head->getPosition())
            if (const auto bpm = position->getBpm())
                positionInfo.bpm = *bpm;
}

void NuboChord2AudioProcessor::processBlock (juce::AudioBuffer<float>& audio, juce::MidiBuffer& midi)
{
    if (resetQueueOnNextBlock.exchange (false, std::memory_order_acq_rel))
        clearMidiMessageQue();

    readTempo();

    const auto numSamples = audio.getNumSamples();
    const auto numInputs = getTotalNumInputChannels();
    const auto numOutputs = juce::jmin (getTotalNumOutputChannels(), audio.getNumChannels());

    for (auto channel = numInputs; channel < numOutputs; ++channel)
        audio.clear (channel, 0, numSamples);

    if (! midiOutputEnabled)
    {
        // Nothing will ever drain the scheduler: do not let it grow for the instance's life.
        discardPendingMidi();
        return;
    }

    if (numSamples <= 0)
        return;

    // With an empty queue, no timed notes, no reset pending and the sequencer stopped, every
    // per-sample call below is a no-op: the loop is skipped, or left as soon as that is so.
    if (! hasPendingMidiWork())
        return;

    beginMidiBlock();
    const auto sampleRate = getSampleRate();

    for (int i = 0; i < numSamples; ++i)
    {
        updateMidiSequence (sampleRate, positionInfo.bpm);
        sendMidiMessageFromQue (midi, 0);

        if (! hasPendingMidiWork())
            break;
    }
}

//==============================================================================
void NuboChord2AudioProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    if (auto* editor = dynamic_cast<PanelStateExchange*> (getActiveEditor()))
        editor->savePicthChordInfoToPlugin();

    nubo::PluginStateFormat::write (state, destData);
}

void NuboChord2AudioProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    // A block that holds no document is ignored entirely: texts and wheel style stay, and an open
    // editor is not reloaded.
    if (! nubo::PluginStateFormat::read (data, sizeInBytes, state))
        return;

    if (auto* editor = dynamic_cast<PanelStateExchange*> (getActiveEditor()))
        editor->loadPicthChordInfoFromPlugin();
}

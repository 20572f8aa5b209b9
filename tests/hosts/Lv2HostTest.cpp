// Loads the built LV2 bundle with lilv, the reference LV2 host library, and checks it as a host
// would: URI and ports, blocks at 48 kHz with MIDI passing through, and state through the LV2
// state interface.

#include "engine/PluginStateFormat.h"

#include <lilv/lilv.h>
#include <lv2/atom/atom.h>
#include <lv2/atom/util.h>
#include <lv2/buf-size/buf-size.h>
#include <lv2/core/lv2.h>
#include <lv2/midi/midi.h>
#include <lv2/options/options.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace
{

std::string bundleDirectory;
const char* const pluginUri = "https://github.com/nubochord/nuboChord2";

//==============================================================================
struct UridMap
{
    std::map<std::string, LV2_URID> ids;
    std::vector<std::string> names { "" };

    LV2_URID map (const char* uri)
    {
        auto [it, added] = ids.emplace (uri, (LV2_URID) names.size());
        if (added)
            names.emplace_back (uri);
        return it->second;
    }

    static LV2_URID mapFn (LV2_URID_Map_Handle h, const char* uri) { return static_cast<UridMap*> (h)->map (uri); }
    static const char* unmapFn (LV2_URID_Unmap_Handle h, LV2_URID id)
    {
        auto* self = static_cast<UridMap*> (h);
        return id < self->names.size() ? self->names[id].c_str() : nullptr;
    }
};

/** A host around one lilv world: features, one plug-in, and instances of it. */
struct Host
{
    static constexpr int blockSize = 512;
    static constexpr double sampleRate = 48000.0;

    Host()
    {
        world = lilv_world_new();
        auto* bundle = lilv_new_file_uri (world, nullptr, (bundleDirectory + "/").c_str());
        lilv_world_load_bundle (world, bundle);
        lilv_node_free (bundle);

        auto* uri = lilv_new_uri (world, pluginUri);
        plugin = lilv_plugins_get_by_uri (lilv_world_get_all_plugins (world), uri);
        lilv_node_free (uri);

        mapFeature = { LV2_URID__map, &mapData };
        unmapFeature = { LV2_URID__unmap, &unmapData };
        boundedFeature = { LV2_BUF_SIZE__boundedBlockLength, nullptr };

        const auto atomInt = urids.map (LV2_ATOM__Int);
        const auto atomFloat = urids.map (LV2_ATOM__Float);
        options = {
            { LV2_OPTIONS_INSTANCE, 0, urids.map (LV2_BUF_SIZE__minBlockLength), sizeof (int32_t), atomInt, &minBlock },
            { LV2_OPTIONS_INSTANCE, 0, urids.map (LV2_BUF_SIZE__maxBlockLength), sizeof (int32_t), atomInt, &maxBlock },
            { LV2_OPTIONS_INSTANCE, 0, urids.map (LV2_BUF_SIZE__nominalBlockLength), sizeof (int32_t), atomInt, &maxBlock },
            { LV2_OPTIONS_INSTANCE, 0, urids.map ("http://lv2plug.in/ns/ext/parameters#sampleRate"), sizeof (float), atomFloat, &rate },
            { LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr },
        };
        optionsFeature = { LV2_OPTIONS__options, options.data() };
        features = { &mapFeature, &unmapFeature, &boundedFeature, &optionsFeature, nullptr };
    }

    ~Host() { lilv_world_free (world); }

    LilvInstance* instantiate() { return lilv_plugin_instantiate (plugin, sampleRate, features.data()); }

    LV2_URID urid (const char* uri) { return urids.map (uri); }

    LilvWorld* world = nullptr;
    const LilvPlugin* plugin = nullptr;
    UridMap urids;
    LV2_URID_Map mapData { &urids, UridMap::mapFn };
    LV2_URID_Unmap unmapData { &urids, UridMap::unmapFn };
    LV2_Feature mapFeature {}, unmapFeature {}, boundedFeature {}, optionsFeature {};
    int32_t minBlock = 1, maxBlock = blockSize;
    float rate = (float) sampleRate;
    std::vector<LV2_Options_Option> options;
    std::vector<const LV2_Feature*> features;
};

/** Port buffers for one instance, connected by port symbol. */
struct Ports
{
    Ports (Host& host, LilvInstance* instance)
        : h (host)
    {
        for (auto& b : audioIn)
            b.assign (Host::blockSize, 0.0f);
        for (auto& b : audioOut)
            b.assign (Host::blockSize, 0.0f);
        atomIn.assign (8192, 0);
        atomOut.assign (8192, 0);

        const auto connect = [&] (const char* symbol, void* data) {
            auto* node = lilv_new_string (h.world, symbol);
            const auto* port = lilv_plugin_get_port_by_symbol (h.plugin, node);
            lilv_node_free (node);
            ASSERT_NE (port, nullptr) << symbol;
            lilv_instance_connect_port (instance, lilv_port_get_index (h.plugin, port), data);
        };

        connect ("audio_in_1", audioIn[0].data());
        connect ("audio_in_2", audioIn[1].data());
        connect ("audio_out_1", audioOut[0].data());
        connect ("audio_out_2", audioOut[1].data());
        connect ("in", atomIn.data());
        connect ("out", atomOut.data());
        connect ("latency", &latency);
        connect ("freeWheeling", &freeWheeling);
        connect ("enabled", &enabled);
    }

    /** Fills the input sequence with MIDI events (frame, bytes) and empties the output. */
    void prepare (const std::vector<std::pair<int64_t, std::vector<uint8_t>>>& events)
    {
        auto* seq = reinterpret_cast<LV2_Atom_Sequence*> (atomIn.data());
        seq->atom.type = h.urid (LV2_ATOM__Sequence);
        seq->atom.size = sizeof (LV2_Atom_Sequence_Body);
        seq->body.unit = 0;
        seq->body.pad = 0;

        for (const auto& [frame, bytes] : events)
        {
            auto* ev = reinterpret_cast<LV2_Atom_Event*> (reinterpret_cast<uint8_t*> (&seq->body) + seq->atom.size);
            ev->time.frames = frame;
            ev->body.type = h.urid (LV2_MIDI__MidiEvent);
            ev->body.size = (uint32_t) bytes.size();
            std::memcpy (ev + 1, bytes.data(), bytes.size());
            seq->atom.size += (uint32_t) lv2_atom_pad_size (sizeof (LV2_Atom_Event) + bytes.size());
        }

        auto* out = reinterpret_cast<LV2_Atom_Sequence*> (atomOut.data());
        out->atom.type = h.urid (LV2_ATOM__Chunk);
        out->atom.size = (uint32_t) (atomOut.size() - sizeof (LV2_Atom));
    }

    /** The MIDI events of the output sequence as (frame, bytes). */
    std::vector<std::pair<int64_t, std::vector<uint8_t>>> midiOut()
    {
        std::vector<std::pair<int64_t, std::vector<uint8_t>>> result;
        auto* seq = reinterpret_cast<LV2_Atom_Sequence*> (atomOut.data());
        if (seq->atom.type != h.urid (LV2_ATOM__Sequence))
            return result;

        LV2_ATOM_SEQUENCE_FOREACH (seq, ev)
        {
            if (ev->body.type == h.urid (LV2_MIDI__MidiEvent))
            {
                const auto* bytes = reinterpret_cast<const uint8_t*> (ev + 1);
                result.push_back ({ ev->time.frames, std::vector<uint8_t> (bytes, bytes + ev->body.size) });
            }
        }
        return result;
    }

    Host& h;
    std::vector<float> audioIn[2], audioOut[2];
    std::vector<uint8_t> atomIn, atomOut;
    float latency = 0, freeWheeling = 0, enabled = 1;
};

//==============================================================================
TEST (Lv2Host, BundleDescribesTheInstrument)
{
    Host host;
    ASSERT_NE (host.plugin, nullptr) << "no plug-in with URI " << pluginUri << " in " << bundleDirectory;

    EXPECT_STREQ (lilv_node_as_uri (lilv_plugin_get_uri (host.plugin)), pluginUri);

    auto* name = lilv_plugin_get_name (host.plugin);
    EXPECT_STREQ (lilv_node_as_string (name), "nuboChord 2");
    lilv_node_free (name);

    auto* lv2Audio = lilv_new_uri (host.world, LV2_CORE__AudioPort);
    auto* lv2Input = lilv_new_uri (host.world, LV2_CORE__InputPort);
    auto* lv2Output = lilv_new_uri (host.world, LV2_CORE__OutputPort);
    auto* atomPort = lilv_new_uri (host.world, LV2_ATOM__AtomPort);
    auto* midiEvent = lilv_new_uri (host.world, LV2_MIDI__MidiEvent);

    EXPECT_EQ (lilv_plugin_get_num_ports_of_class (host.plugin, lv2Audio, lv2Input, nullptr), 2u);
    EXPECT_EQ (lilv_plugin_get_num_ports_of_class (host.plugin, lv2Audio, lv2Output, nullptr), 2u);

    int midiIn = 0, midiOut = 0;
    for (uint32_t i = 0; i < lilv_plugin_get_num_ports (host.plugin); ++i)
    {
        const auto* port = lilv_plugin_get_port_by_index (host.plugin, i);
        if (lilv_port_is_a (host.plugin, port, atomPort) && lilv_port_supports_event (host.plugin, port, midiEvent))
            (lilv_port_is_a (host.plugin, port, lv2Input) ? midiIn : midiOut)++;
    }
    EXPECT_EQ (midiIn, 1);
    EXPECT_EQ (midiOut, 1);

    // The maintainer's homepage and address are real, not file:// placeholders.
    auto* homepage = lilv_plugin_get_author_homepage (host.plugin);
    ASSERT_NE (homepage, nullptr);
    EXPECT_STREQ (lilv_node_as_uri (homepage), "https://github.com/nubochord");
    lilv_node_free (homepage);
    auto* email = lilv_plugin_get_author_email (host.plugin);
    ASSERT_NE (email, nullptr);
    EXPECT_STREQ (lilv_node_as_uri (email), "mailto:nubochord@users.noreply.github.com");
    lilv_node_free (email);

    for (auto* n : { lv2Audio, lv2Input, lv2Output, atomPort, midiEvent })
        lilv_node_free (n);
}

TEST (Lv2Host, RunsBlocksPassesHostMidiAndPassesAudio)
{
    Host host;
    ASSERT_NE (host.plugin, nullptr);
    auto* instance = host.instantiate();
    ASSERT_NE (instance, nullptr);

    {
        Ports ports (host, instance);
        lilv_instance_activate (instance);

        for (int block = 0; block < 20; ++block)
        {
            for (auto& b : ports.audioIn)
                std::fill (b.begin(), b.end(), 0.25f);

            if (block == 5)
                ports.prepare ({ { 10, { 0x90, 60, 100 } }, { 300, { 0x80, 60, 0 } } });
            else
                ports.prepare ({});

            lilv_instance_run (instance, Host::blockSize);
            const auto out = ports.midiOut();

            if (block == 5)
            {
                ASSERT_EQ (out.size(), 2u);
                EXPECT_EQ (out[0].first, 10);
                EXPECT_EQ (out[0].second, (std::vector<uint8_t> { 0x90, 60, 100 }));
                EXPECT_EQ (out[1].first, 300);
                EXPECT_EQ (out[1].second, (std::vector<uint8_t> { 0x80, 60, 0 }));
            }
            else
            {
                EXPECT_TRUE (out.empty()) << "block " << block;
            }

            EXPECT_FLOAT_EQ (ports.audioOut[0][Host::blockSize - 1], 0.25f);
        }

        lilv_instance_deactivate (instance);
    }

    lilv_instance_free (instance);
}

//==============================================================================
struct StoredProperty
{
    std::vector<char> value;
    uint32_t type = 0;
};

using PropertyMap = std::map<uint32_t, StoredProperty>;

LV2_State_Status storeFn (LV2_State_Handle handle, uint32_t key, const void* value, size_t size, uint32_t type, uint32_t)
{
    auto& props = *static_cast<PropertyMap*> (handle);
    props[key] = { std::vector<char> (static_cast<const char*> (value), static_cast<const char*> (value) + size), type };
    return LV2_STATE_SUCCESS;
}

const void* retrieveFn (LV2_State_Handle handle, uint32_t key, size_t* size, uint32_t* type, uint32_t* flags)
{
    auto& props = *static_cast<PropertyMap*> (handle);
    const auto it = props.find (key);
    if (it == props.end())
        return nullptr;
    *size = it->second.value.size();
    *type = it->second.type;
    *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
    return it->second.value.data();
}

/** The plug-in's own state block inside a stored LV2 state. */
nubo::PluginStateTexts decodeState (Host& host, const PropertyMap& props)
{
    const auto key = host.urid ((std::string (pluginUri) + ":StateString").c_str());
    nubo::PluginStateTexts texts;
    texts.circleOfFifthStyle = -999;

    const auto it = props.find (key);
    if (it == props.end())
        return texts;

    juce::MemoryBlock block;
    block.fromBase64Encoding (juce::String (it->second.value.data(), it->second.value.size()).trimCharactersAtEnd (juce::String::charToString (0)));
    nubo::PluginStateFormat::read (block.getData(), (int) block.getSize(), texts);
    return texts;
}

TEST (Lv2Host, StateRoundTripsThroughTheStateInterface)
{
    Host host;
    ASSERT_NE (host.plugin, nullptr);
    auto* first = host.instantiate();
    auto* second = host.instantiate();
    ASSERT_NE (first, nullptr);
    ASSERT_NE (second, nullptr);

    const auto* iface = static_cast<const LV2_State_Interface*> (lilv_instance_get_extension_data (first, LV2_STATE__interface));
    ASSERT_NE (iface, nullptr);

    // A new instance stores the default state.
    PropertyMap stored;
    ASSERT_EQ (iface->save (lilv_instance_get_handle (first), storeFn, &stored, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, nullptr), LV2_STATE_SUCCESS);
    const auto defaults = decodeState (host, stored);
    EXPECT_EQ (defaults.circleOfFifthStyle, 0);
    EXPECT_EQ (defaults.circleOfFifthStyleDivNum, 2);

    // Restore a state of our own into the second instance, then store it back.
    nubo::PluginStateTexts wanted;
    wanted.buttonModeState = juce::XmlElement ("PitchNameString").toString();
    wanted.circleOfFifthStyle = 5;
    wanted.circleOfFifthStyleDivNum = 7;
    juce::MemoryBlock block;
    nubo::PluginStateFormat::write (wanted, block);
    const auto encoded = block.toBase64Encoding();

    PropertyMap toRestore;
    const auto stateKey = host.urid ((std::string (pluginUri) + ":StateString").c_str());
    toRestore[stateKey] = { std::vector<char> (encoded.toRawUTF8(), encoded.toRawUTF8() + encoded.getNumBytesAsUTF8() + 1), host.urid (LV2_ATOM__String) };

    ASSERT_EQ (iface->restore (lilv_instance_get_handle (second), retrieveFn, &toRestore, 0, nullptr), LV2_STATE_SUCCESS);

    PropertyMap again;
    ASSERT_EQ (iface->save (lilv_instance_get_handle (second), storeFn, &again, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, nullptr), LV2_STATE_SUCCESS);
    const auto restored = decodeState (host, again);
    EXPECT_EQ (restored.circleOfFifthStyle, 5);
    EXPECT_EQ (restored.circleOfFifthStyleDivNum, 7);
    EXPECT_EQ (restored.buttonModeState, wanted.buttonModeState);

    lilv_instance_free (first);
    lilv_instance_free (second);
}

} // namespace

int main (int argc, char** argv)
{
    ::testing::InitGoogleTest (&argc, argv);
    if (argc < 2)
    {
        std::fprintf (stderr, "usage: %s <path to nuboChord 2.lv2>\n", argv[0]);
        return 2;
    }
    bundleDirectory = argv[1];
    return RUN_ALL_TESTS();
}
